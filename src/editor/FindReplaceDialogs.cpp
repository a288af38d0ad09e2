#include "editor/FindReplaceDialogs.h"

#include "editor/HtmlEditor.h"
#include "platform/PlainTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace T = FindDialogTexts;

SearchDialog::SearchDialog(bool withReplace, QWidget *parent) : QDialog(parent)
{
    setModal(false);
    setWindowTitle(withReplace ? T::replaceTitle : T::findTitle);
    setSizeGripEnabled(false);

    auto *fields = new QGridLayout;
    m_editFind = new QLineEdit(this);
    m_editFind->setObjectName(QStringLiteral("EditFind"));
    auto *labelFind = new QLabel(T::findWhat, this);
    labelFind->setBuddy(m_editFind);
    fields->addWidget(labelFind, 0, 0);
    fields->addWidget(m_editFind, 0, 1);
    if (withReplace) {
        m_editReplace = new QLineEdit(this);
        m_editReplace->setObjectName(QStringLiteral("EditReplace"));
        auto *labelReplace = new QLabel(T::replaceWith, this);
        labelReplace->setBuddy(m_editReplace);
        fields->addWidget(labelReplace, 1, 0);
        fields->addWidget(m_editReplace, 1, 1);
    }

    auto *checkWholeWord = new QCheckBox(T::wholeWord, this);
    checkWholeWord->setObjectName(QStringLiteral("CheckWholeWord"));
    m_checkMatchCase = new QCheckBox(T::matchCase, this);
    m_checkMatchCase->setObjectName(QStringLiteral("CheckMatchCase"));
    auto *checks = new QVBoxLayout;
    checks->addWidget(checkWholeWord);
    checks->addWidget(m_checkMatchCase);

    auto *groupDirection = new QGroupBox(T::direction, this);
    groupDirection->setObjectName(QStringLiteral("GroupDirection"));
    auto *radioUp = new QRadioButton(T::up, groupDirection);
    radioUp->setObjectName(QStringLiteral("RadioUp"));
    auto *radioDown = new QRadioButton(T::down, groupDirection);
    radioDown->setObjectName(QStringLiteral("RadioDown"));
    radioDown->setChecked(true);
    auto *directionLayout = new QHBoxLayout(groupDirection);
    directionLayout->addWidget(radioUp);
    directionLayout->addWidget(radioDown);

    auto *options = new QHBoxLayout;
    options->addLayout(checks);
    options->addStretch();
    options->addWidget(groupDirection);

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();

    const auto addButton = [this](QVBoxLayout *column, const QString &name, const QString &caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        column->addWidget(button);
        return button;
    };
    auto *buttons = new QVBoxLayout;
    QPushButton *findNextButton = addButton(buttons, QStringLiteral("ButtonFindNext"), T::findNext);
    // Enter in either field means Find Next, as in the system's own find dialog.
    findNextButton->setDefault(true);
    connect(findNextButton, &QPushButton::clicked, this, &SearchDialog::findNextClicked);
    if (withReplace) {
        connect(addButton(buttons, QStringLiteral("ButtonReplace"), T::replace), &QPushButton::clicked, this,
                &SearchDialog::replaceClicked);
        connect(addButton(buttons, QStringLiteral("ButtonReplaceAll"), T::replaceAll), &QPushButton::clicked, this,
                &SearchDialog::replaceAllClicked);
    }
    connect(addButton(buttons, QStringLiteral("ButtonCancel"), T::cancel), &QPushButton::clicked, this,
            &QDialog::reject);
    buttons->addStretch();

    auto *main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    main->addLayout(buttons);
    showTextsAsPlainText(this);
}

QString SearchDialog::findText() const
{
    return m_editFind->text();
}

void SearchDialog::setFindText(const QString &text)
{
    m_editFind->setText(text);
}

QString SearchDialog::replaceText() const
{
    return m_editReplace ? m_editReplace->text() : QString();
}

void SearchDialog::setReplaceText(const QString &text)
{
    if (m_editReplace)
        m_editReplace->setText(text);
}

bool SearchDialog::matchCase() const
{
    return m_checkMatchCase->isChecked();
}

void SearchDialog::setMatchCase(bool on)
{
    m_checkMatchCase->setChecked(on);
}

SearchRequest SearchDialog::request() const
{
    return SearchRequest{findText(), replaceText(), matchCase()};
}

void SearchDialog::execute(const QString &findText)
{
    setFindText(findText);
    show();
    raise();
    activateWindow();
    m_editFind->setFocus();
    m_editFind->selectAll();
}

TFindDialog::TFindDialog(QWidget *parent) : SearchDialog(false, parent)
{
    setObjectName(QStringLiteral("FindDialog1"));
}

TReplaceDialog::TReplaceDialog(QWidget *parent) : SearchDialog(true, parent)
{
    setObjectName(QStringLiteral("ReplaceDialog1"));
}

void connectSearchDialogs(TFindDialog &findDialog, TReplaceDialog &replaceDialog, SearchSession &session)
{
    QObject::connect(&findDialog, &SearchDialog::findNextClicked, &findDialog,
                     [&findDialog, &session] { session.dialogFindNext(findDialog.request()); });
    QObject::connect(&replaceDialog, &SearchDialog::findNextClicked, &replaceDialog,
                     [&replaceDialog, &session] { session.dialogFindNext(replaceDialog.request()); });
    QObject::connect(&replaceDialog, &SearchDialog::replaceClicked, &replaceDialog,
                     [&replaceDialog, &session] { session.replace(replaceDialog.request()); });
    QObject::connect(&replaceDialog, &SearchDialog::replaceAllClicked, &replaceDialog,
                     [&replaceDialog, &session] { session.replaceAll(replaceDialog.request()); });
}

EditorHooks editorHooksFor(HtmlEditor &editor)
{
    EditorHooks hooks;
    hooks.wordWrap = [&editor] { return editor.wordWrap(); };
    hooks.setWordWrap = [&editor](bool on) { editor.setWordWrap(on); };
    hooks.readOnly = [&editor] { return editor.isReadOnly(); };
    hooks.setReadOnly = [&editor](bool on) { editor.setReadOnly(on); };
    hooks.overwrite = [&editor](const std::vector<TextPatch> &patches) {
        // The plain text's indexes are the document's positions: a line break is one character
        // in both. No patch crosses a line, so no block is rebuilt and the edit block is one
        // undo step with a single relayout.
        QTextCursor cursor(editor.document());
        cursor.beginEditBlock();
        for (const TextPatch &patch : patches) {
            cursor.setPosition(int(patch.position));
            cursor.setPosition(int(patch.position + patch.text.size()), QTextCursor::KeepAnchor);
            cursor.insertText(patch.text);
        }
        cursor.endEditBlock();
    };
    return hooks;
}
