#include "dialogs/TFormCustom.h"

#include "dialogs/CustomTagList.h"
#include "platform/PlainTexts.h"
#include "platform/Prompts.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *button(const QString &caption, const char *name, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    return b;
}
} // namespace

TFormCustom::TFormCustom(Mode mode, const QStringList &entries, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("FormCustom"));
    setWindowTitle(QStringLiteral("Custom Tags"));
    auto *layout = new QVBoxLayout(this);
    // The delete panel covers the add fields.
    layout->addWidget(mode == Mode::Add ? buildAddFields() : buildDeletePanel(entries));
    resize(460, 300);
    showTextsAsPlainText(this);
}

QWidget *TFormCustom::buildAddFields()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("PanelAdd"));
    auto *layout = new QVBoxLayout(page);
    m_editName = new QLineEdit(page);
    m_editName->setObjectName(QStringLiteral("EditName"));
    m_editStart = new QLineEdit(QStringLiteral("<>"), page);
    m_editStart->setObjectName(QStringLiteral("EditStart"));
    m_editEnd = new QLineEdit(QStringLiteral("</>"), page);
    m_editEnd->setObjectName(QStringLiteral("EditEnd"));
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name/Desc."), m_editName);
    fields->addRow(QStringLiteral("Start Tag"), m_editStart);
    fields->addRow(QStringLiteral("End Tag"), m_editEnd);
    layout->addLayout(fields);
    auto *note = new QLabel(QStringLiteral("NOTE: If you want the End tag to be blank, highlight the text in the data "
                                           "field and hit DEL or BACKSPACE to clear it. (START is required)"),
                            page);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    auto *add = button(QStringLiteral("&Add Tag"), "ButtonAddTag", QString(), page);
    add->setDefault(true);
    auto *cancel = button(QStringLiteral("&Cancel"), "ButtonCancel", QString(), page);
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    m_editStart->installEventFilter(this);
    m_editEnd->installEventFilter(this);
    connect(add, &QPushButton::clicked, this, &TFormCustom::ButtonAddTagClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_editName->setFocus();
    return page;
}

QWidget *TFormCustom::buildDeletePanel(const QStringList &entries)
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelDelete"));
    auto *layout = new QVBoxLayout(panel);
    auto *note = new QLabel(QStringLiteral("Select the tag which you wish to delete. Then click the DELETE button. You "
                                           "can also double-click any tag to delete it."),
                            panel);
    note->setWordWrap(true);
    layout->addWidget(note);
    m_list = new QListWidget(panel);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setToolTip(QStringLiteral("Double-click the tag you wish to delete"));
    m_list->addItems(entries);
    layout->addWidget(m_list, 1);
    auto *buttons = new QHBoxLayout;
    auto *remove =
        button(QStringLiteral("&Delete Tag"), "ButtonDelete", QStringLiteral("Delete selected tag from list"), panel);
    auto *removeAll =
        button(QStringLiteral("Delete &All"), "ButtonDeleteAll", QStringLiteral("Delete all tags in list"), panel);
    auto *ok = button(QStringLiteral("&OK"), "ButtonOK", QStringLiteral("Exit and save changes"), panel);
    ok->setDefault(true);
    auto *cancel =
        button(QStringLiteral("&Cancel"), "ButtonCancel", QStringLiteral("Exit and do NOT save changes"), panel);
    buttons->addWidget(remove);
    buttons->addWidget(removeAll);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(remove, &QPushButton::clicked, this, &TFormCustom::ButtonDeleteClick);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TFormCustom::ButtonDeleteClick);
    connect(removeAll, &QPushButton::clicked, this, &TFormCustom::ButtonDeleteAllClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return panel;
}

bool TFormCustom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        if (watched == m_editStart)
            EditStartKeyUp();
        else if (watched == m_editEnd)
            EditEndKeyUp();
    }
    return QDialog::eventFilter(watched, event);
}

void TFormCustom::EditStartKeyUp()
{
    const NormalisedStart normalised = normaliseStartTag(m_editStart->text());
    if (!normalised.endTag)
        return;
    m_editStart->setText(normalised.start.text);
    m_editStart->setCursorPosition(normalised.start.caret);
    m_editEnd->setText(*normalised.endTag);
}

void TFormCustom::EditEndKeyUp()
{
    const NormalisedTag normalised = normaliseEndTag(m_editEnd->text());
    m_editEnd->setText(normalised.text);
    m_editEnd->setCursorPosition(normalised.caret);
}

void TFormCustom::ButtonAddTagClick()
{
    using P = CustomTagProblem;
    switch (checkCustomTag(m_editName->text(), m_editStart->text(), m_editEnd->text())) {
    case P::NameEmpty:
        m_prompts.information(CustomTagDialogTexts::nameEmpty);
        m_editName->setFocus();
        return;
    case P::NameStartsWithBlank:
        m_prompts.information(CustomTagDialogTexts::nameBlank);
        m_editName->setFocus();
        return;
    case P::NameHasForbiddenCharacter:
        m_prompts.information(CustomTagDialogTexts::nameCharacters);
        m_editName->setFocus();
        return;
    case P::StartMissing:
        m_prompts.information(CustomTagDialogTexts::startMissing);
        m_editStart->setFocus();
        return;
    case P::EndMissing:
        if (!m_prompts.confirm(CustomTagDialogTexts::endMissing)) {
            m_editEnd->setFocus();
            return;
        }
        break;
    case P::None:
        break;
    }
    accept();
}

void TFormCustom::ButtonDeleteClick()
{
    if (m_list->currentRow() >= 0)
        delete m_list->takeItem(m_list->currentRow());
}

void TFormCustom::ButtonDeleteAllClick()
{
    m_list->clear();
}

QString TFormCustom::name() const
{
    return m_editName ? m_editName->text() : QString();
}
QString TFormCustom::startTag() const
{
    return m_editStart ? m_editStart->text() : QString();
}
QString TFormCustom::endTag() const
{
    return m_editEnd ? m_editEnd->text() : QString();
}

QStringList TFormCustom::remainingEntries() const
{
    QStringList entries;
    for (int i = 0; m_list && i < m_list->count(); ++i)
        entries << m_list->item(i)->text();
    return entries;
}
