#include "project/TFormMove.h"

#include "platform/PlainTexts.h"
#include "platform/Prompts.h"
#include "platform/TextFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

TFormMove::TFormMove(const QString &programFolder, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_programFolder(programFolder), m_prompts(prompts), m_listBox(new QListWidget(this))
{
    setObjectName(QStringLiteral("FormMove"));
    setWindowTitle(QStringLiteral("Move Pages within Site"));
    const QByteArray outline = readFileBytes(programFolder + QLatin1String(kMoveOutlineFile)).value_or(QByteArray());
    const QByteArray paths = readFileBytes(programFolder + QLatin1String(kMovePathFile)).value_or(QByteArray());
    m_list = MoveList::fromProject(ProjectFiles::parseOutline(outline).pages, ProjectFiles::parseLines(paths));

    auto *layout = new QVBoxLayout(this);
    for (const char *note :
         {"You can re-arrange and move pages or families of pages up and down, or indent or un-indent a level.",
          "NOTE: Remember, an item is the parent of all the indented items below it. If you move at item out a level, "
          "it will become the parent of all the items below it. You can always push the CANCEL button if you make a "
          "mistake."}) {
        auto *label = new QLabel(QLatin1String(note), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    m_listBox->setObjectName(QStringLiteral("ListBoxActual"));
    m_listBox->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_listBox, 1);

    auto *buttons = new QHBoxLayout;
    const auto addButton = [&](const char *name, const QString &caption, void (TFormMove::*slot)()) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
        return button;
    };
    addButton("ButtonUp", QStringLiteral("Move Up"), &TFormMove::MoveUpClick);
    addButton("ButtonDown", QStringLiteral("Move Down"), &TFormMove::MoveDownClick);
    addButton("ButtonIn", QStringLiteral("Move In"), &TFormMove::MoveInClick);
    addButton("ButtonOut", QStringLiteral("Move Out"), &TFormMove::MoveOutClick);
    buttons->addStretch(1);
    addButton("ButtonOK", QStringLiteral("OK"), &TFormMove::OKClick)->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    auto *popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenuMove"));
    popup->addAction(QStringLiteral("Move Up"), this, &TFormMove::MoveUpClick);
    popup->addAction(QStringLiteral("Move Down"), this, &TFormMove::MoveDownClick);
    popup->addSeparator();
    popup->addAction(QStringLiteral("Indent 1 Level"), this, &TFormMove::MoveInClick);
    popup->addAction(QStringLiteral("Un-Indent 1 Level"), this, &TFormMove::MoveOutClick);
    connect(m_listBox, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint &at) { popup->popup(m_listBox->viewport()->mapToGlobal(at)); });

    resize(560, 420);
    refresh(-1);
    showTextsAsPlainText(this);
}

void TFormMove::refresh(int selected)
{
    m_listBox->clear();
    for (int i = 0; i < m_list.lines().size(); ++i)
        m_listBox->addItem(m_list.displayText(i));
    m_listBox->setCurrentRow(selected);
}

void TFormMove::selectLine(int line)
{
    m_listBox->setCurrentRow(line);
}

void TFormMove::apply(MoveList::Outcome (MoveList::*operation)(int))
{
    const MoveList::Outcome outcome = (m_list.*operation)(m_listBox->currentRow());
    if (outcome.message) {
        m_prompts.information(*outcome.message);
        return;
    }
    refresh(outcome.selected);
}

void TFormMove::MoveUpClick()
{
    apply(&MoveList::moveUp);
}
void TFormMove::MoveDownClick()
{
    apply(&MoveList::moveDown);
}
void TFormMove::MoveInClick()
{
    apply(&MoveList::moveIn);
}
void TFormMove::MoveOutClick()
{
    apply(&MoveList::moveOut);
}

void TFormMove::OKClick()
{
    QString error;
    if (!writeFileAtomically(m_programFolder + QLatin1String(kMoveOutlineFile),
                             ProjectFiles::writeOutline(m_list.pages()), &error) ||
        !writeFileAtomically(m_programFolder + QLatin1String(kMovePathFile), ProjectFiles::writePaths(m_list.paths()),
                             &error)) {
        m_prompts.error(error);
        return;
    }
    accept();
}
