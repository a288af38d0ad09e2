#include "editor/FindReplaceDialogs.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "editor/SearchReplace.h"
#include "platform/EventPump.h"
#include "testsupport/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {
template <typename T> T *child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << "no control named " << name;
    return found;
}

class NoPump final : public EventPump {
public:
    void processEvents() override { QCoreApplication::processEvents(); }
};
} // namespace

TEST(FindReplaceDialogs, ControlsAndCaptions)
{
    TFindDialog find;
    TReplaceDialog replace;
    EXPECT_EQ(find.objectName(), "FindDialog1");
    EXPECT_EQ(replace.objectName(), "ReplaceDialog1");
    EXPECT_EQ(find.windowTitle(), "Find");
    EXPECT_EQ(replace.windowTitle(), "Replace");

    for (SearchDialog *dialog : {static_cast<SearchDialog *>(&find), static_cast<SearchDialog *>(&replace)}) {
        const std::string which = dialog->objectName().toStdString();
        EXPECT_EQ(child<QPushButton>(*dialog, "ButtonFindNext")->text(), "Find Next") << which;
        EXPECT_EQ(child<QPushButton>(*dialog, "ButtonCancel")->text(), "Cancel") << which;
        EXPECT_EQ(child<QCheckBox>(*dialog, "CheckMatchCase")->text(), "Match case") << which;
        EXPECT_FALSE(child<QCheckBox>(*dialog, "CheckMatchCase")->isChecked()) << which;
        EXPECT_EQ(child<QCheckBox>(*dialog, "CheckWholeWord")->text(), "Match whole word only") << which;
        EXPECT_EQ(child<QGroupBox>(*dialog, "GroupDirection")->title(), "Direction") << which;
        EXPECT_EQ(child<QRadioButton>(*dialog, "RadioUp")->text(), "Up") << which;
        EXPECT_EQ(child<QRadioButton>(*dialog, "RadioDown")->text(), "Down") << which;
        EXPECT_TRUE(child<QRadioButton>(*dialog, "RadioDown")->isChecked()) << which;
        EXPECT_FALSE(dialog->isModal()) << which;
    }
    EXPECT_EQ(child<QPushButton>(replace, "ButtonReplace")->text(), "Replace");
    EXPECT_EQ(child<QPushButton>(replace, "ButtonReplaceAll")->text(), "Replace All");
    EXPECT_NE(replace.findChild<QLineEdit *>("EditReplace"), nullptr);
    EXPECT_EQ(find.findChild<QLineEdit *>("EditReplace"), nullptr);
    EXPECT_EQ(find.findChild<QPushButton *>("ButtonReplace"), nullptr);
    EXPECT_EQ(find.findChild<QPushButton *>("ButtonReplaceAll"), nullptr);
}

TEST(FindReplaceDialogs, ButtonsSignalAndTheRequestCarriesTheFields)
{
    TReplaceDialog dialog;
    dialog.execute(QStringLiteral("abc"));
    QSignalSpy findNext(&dialog, &SearchDialog::findNextClicked);
    QSignalSpy replace(&dialog, &SearchDialog::replaceClicked);
    QSignalSpy replaceAll(&dialog, &SearchDialog::replaceAllClicked);

    child<QPushButton>(dialog, "ButtonFindNext")->click();
    child<QPushButton>(dialog, "ButtonReplace")->click();
    child<QPushButton>(dialog, "ButtonReplaceAll")->click();
    child<QPushButton>(dialog, "ButtonReplaceAll")->click();
    EXPECT_EQ(findNext.count(), 1);
    EXPECT_EQ(replace.count(), 1);
    EXPECT_EQ(replaceAll.count(), 2);

    // Enter in the find field is Find Next.
    QTest::keyClick(child<QLineEdit>(dialog, "EditFind"), Qt::Key_Return);
    EXPECT_EQ(findNext.count(), 2);
    EXPECT_TRUE(dialog.isVisible());

    child<QLineEdit>(dialog, "EditReplace")->setText(QStringLiteral("xyz"));
    child<QCheckBox>(dialog, "CheckMatchCase")->setChecked(true);
    const SearchRequest request = dialog.request();
    EXPECT_EQ(request.findText, "abc");
    EXPECT_EQ(request.replaceText, "xyz");
    EXPECT_TRUE(request.matchCase);

    child<QPushButton>(dialog, "ButtonCancel")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(findNext.count(), 2);
}

TEST(FindReplaceDialogs, ExecuteShowsModelessAndRefillsTheFindText)
{
    QWidget owner;
    owner.show();
    TFindDialog dialog(&owner);
    dialog.execute(QStringLiteral("first"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(owner.isEnabled());
    dialog.execute(QStringLiteral("second"));
    EXPECT_EQ(dialog.findText(), "second");
    dialog.execute(QString());
    EXPECT_EQ(dialog.findText(), QString());
}

// The dialogs, the session and the real editing window together.
namespace {
class FindReplaceWindowTest : public ::testing::Test {
protected:
    FindReplaceWindowTest() : access(editor), session(access, prompts, [this] { ++modified; })
    {
        connectSearchDialogs(findDialog, replaceDialog, session);
        editor.resize(400, 300);
        editor.show();
    }

    void click(SearchDialog &dialog, const char *button) { child<QPushButton>(dialog, button)->click(); }

    HtmlEditor editor;
    RichEditAccess access;
    ScriptedPrompts prompts;
    int modified = 0;
    SearchSession session;
    TFindDialog findDialog;
    TReplaceDialog replaceDialog;
};
} // namespace

TEST_F(FindReplaceWindowTest, FindNextReplaceAndReplaceAllInTheEditingWindow)
{
    access.setPlainText(QStringLiteral("Alpha beta\nalpha alpha"));
    access.setSelection(12, 5);
    replaceDialog.execute(session.startCommand());
    EXPECT_EQ(replaceDialog.findText(), "alpha");
    replaceDialog.setReplaceText(QStringLiteral("gamma"));

    click(replaceDialog, "ButtonFindNext");
    EXPECT_EQ(access.selStart(), 0);
    EXPECT_EQ(access.selectedText(), "Alpha");
    click(replaceDialog, "ButtonReplace");
    EXPECT_EQ(access.plainText(), "gamma beta\nalpha alpha");
    EXPECT_EQ(session.searchPosition(), 5);
    click(replaceDialog, "ButtonFindNext");
    EXPECT_EQ(access.selStart(), 12); // the line break counts two
    EXPECT_EQ(access.selectedText(), "alpha");

    // F3 goes on with the same search.
    EXPECT_TRUE(session.findNextCommand(findDialog.findText()));
    EXPECT_EQ(access.selStart(), 18);

    click(replaceDialog, "ButtonReplaceAll");
    EXPECT_EQ(access.plainText(), "gamma beta\ngamma gamma");
    EXPECT_EQ(access.selStart(), 23);
    EXPECT_EQ(access.selLength(), 0);
    EXPECT_EQ(modified, 2);
    // Replace All is one step to undo.
    editor.undo();
    EXPECT_EQ(access.plainText(), "gamma beta\nalpha alpha");
    EXPECT_TRUE(prompts.shown().empty());

    prompts.expectInformation();
    findDialog.execute(session.startCommand());
    findDialog.setFindText(QStringLiteral("delta"));
    click(findDialog, "ButtonFindNext");
    EXPECT_EQ(prompts.shownTexts(), QStringList({"\"delta\" not found"}));
}

TEST_F(FindReplaceWindowTest, PreciseSlashCommandInTheEditingWindow)
{
    access.setPlainText(QStringLiteral("<A HREF=\"a\\b.html\">x\\y</A> <IMG SRC=c\\d>\n<IMG SRC=\"e\\f\">"));
    editor.setWordWrap(true);
    session.setEditorHooks(editorHooksFor(editor));
    bool stop = false;
    NoPump pump;
    prompts.expectConfirm(true).expectInformation();
    EXPECT_EQ(session.replaceBackslashesInTags(pump, stop), 2);
    EXPECT_EQ(access.plainText(), "<A HREF=\"a/b.html\">x\\y</A> <IMG SRC=c\\d>\n<IMG SRC=\"e/f\">");
    EXPECT_EQ(prompts.last().text, "There were 2 slash characters replaced.");
    EXPECT_TRUE(editor.wordWrap());
    EXPECT_FALSE(editor.isReadOnly());
    EXPECT_EQ(access.selStart(), 0);

    prompts.expectConfirm(true).expectInformation();
    EXPECT_EQ(session.replaceAllBackslashes(), 2);
    EXPECT_EQ(access.plainText(), "<A HREF=\"a/b.html\">x/y</A> <IMG SRC=c/d>\n<IMG SRC=\"e/f\">");
    EXPECT_EQ(access.selStart(), 38); // after the last one changed

    // Each command is one step to undo.
    editor.undo();
    EXPECT_EQ(access.plainText(), "<A HREF=\"a/b.html\">x\\y</A> <IMG SRC=c\\d>\n<IMG SRC=\"e/f\">");
    editor.undo();
    EXPECT_EQ(access.plainText(), "<A HREF=\"a\\b.html\">x\\y</A> <IMG SRC=c\\d>\n<IMG SRC=\"e\\f\">");
}
