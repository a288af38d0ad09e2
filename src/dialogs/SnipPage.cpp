#include "dialogs/SnipPage.h"

#include "dialogs/TFormEditSnip.h"
#include "platform/Clipboard.h"
#include "platform/Prompts.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

SnipPage::SnipPage(const QString &suffix, Prompts &prompts, Clipboard &clipboard, QWidget *parent)
    : QWidget(parent), m_prompts(prompts), m_clipboard(clipboard), m_list(new QListWidget(this)),
      m_edit(new QLineEdit(SnipTexts::entryPrompt, this)), m_add(new QPushButton(QStringLiteral("&Add"), this)),
      m_delete(new QPushButton(QStringLiteral("&Delete"), this)),
      m_editButton(new QPushButton(QStringLiteral("Edit"), this))
{
    setObjectName(QStringLiteral("TabSheet") + suffix);
    m_list->setObjectName(QStringLiteral("ListBox") + suffix);
    m_edit->setObjectName(QStringLiteral("Edit") + suffix);
    m_edit->setCursorPosition(0); // show the prompt from its start
    m_add->setObjectName(QStringLiteral("ButtonAdd") + suffix);
    m_add->setToolTip(QStringLiteral("Add URL to list"));
    m_delete->setObjectName(QStringLiteral("ButtonDel") + suffix);
    m_delete->setToolTip(QStringLiteral("Delete selected URL from list"));
    m_editButton->setObjectName(QStringLiteral("ButtonEdit") + suffix);

    auto *menu = new QMenu(m_list);
    QAction *editSnip = menu->addAction(QStringLiteral("Edit Snip"));
    editSnip->setObjectName(QStringLiteral("EditSnip") + suffix);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &at) { menu->popup(m_list->viewport()->mapToGlobal(at)); });
    connect(editSnip, &QAction::triggered, this, &SnipPage::ButtonEditClick);
    connect(m_add, &QPushButton::clicked, this, &SnipPage::ButtonAddClick);
    connect(m_delete, &QPushButton::clicked, this, &SnipPage::ButtonDelClick);
    connect(m_editButton, &QPushButton::clicked, this, &SnipPage::ButtonEditClick);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &SnipPage::ListBoxDblClick);
    m_edit->installEventFilter(this);
}

void SnipPage::load(const QString &path)
{
    m_path = path;
    m_snips.load(path);
    show(-1);
}

void SnipPage::show(int selected)
{
    m_list->clear();
    m_list->addItems(m_snips.entries());
    m_list->setCurrentRow(selected);
    if (selected < 0)
        m_list->clearSelection();
}

void SnipPage::save()
{
    QString error;
    if (!m_snips.save(m_path, &error))
        m_prompts.error(cannotWriteDataFile(error));
}

bool SnipPage::eventFilter(QObject *watched, QEvent *event)
{
    // Clicking into the entry field starts a new entry.
    if (watched == m_edit && event->type() == QEvent::MouseButtonPress) {
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
        m_edit->clear();
    }
    return QWidget::eventFilter(watched, event);
}

void SnipPage::ButtonAddClick()
{
    if (m_edit->text().isEmpty())
        return;
    m_snips.add(m_edit->text());
    show(-1);
    m_edit->clear();
    m_edit->setFocus();
    save();
}

void SnipPage::ButtonDelClick()
{
    const int selected = m_list->currentRow();
    if (selected < 0 || !m_list->item(selected)->isSelected())
        return;
    show(m_snips.remove(selected));
    save();
}

void SnipPage::ButtonEditClick()
{
    const int selected = m_list->currentRow();
    if (selected < 0 || !m_list->item(selected)->isSelected()) {
        m_prompts.information(SnipTexts::nothingToEdit);
        return;
    }
    TFormEditSnip dialog(m_snips.entries().at(selected), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    show(m_snips.replace(selected, dialog.text()));
    save();
}

void SnipPage::ListBoxDblClick()
{
    const int selected = m_list->currentRow();
    if (selected < 0)
        return;
    m_clipboard.clear();
    m_clipboard.setText(m_snips.entries().at(selected));
    if (m_picked)
        m_picked();
}

void SnipPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int editHeight = m_edit->sizeHint().height();
    const int buttonHeight = m_add->sizeHint().height();
    const int listHeight = std::max(0, height() - buttonHeight - editHeight - 58);
    m_list->setGeometry(0, 0, width(), listHeight);
    m_edit->setGeometry(0, listHeight + 5, width(), editHeight);
    const int buttonTop = listHeight + 5 + editHeight + 8;
    const int buttonWidth = std::max(0, (width() - 8) / 3);
    m_add->setGeometry(0, buttonTop, buttonWidth, buttonHeight);
    m_delete->setGeometry(buttonWidth + 4, buttonTop, buttonWidth, buttonHeight);
    m_editButton->setGeometry(2 * (buttonWidth + 4), buttonTop, buttonWidth, buttonHeight);
}
