#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "editor/TagCommands.h"
#include "platform/IniFile.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolButton>

using TagCommandsWindowTest = MainWindowFixture;

namespace {
QString selectedAfter(TForm1 &w, const QString &text, int start, int length, const std::function<void()> &run)
{
    w.editorAccess().setPlainText(text);
    w.editorAccess().setSelection(start, length);
    w.document().setModified(false);
    run();
    return w.editorAccess().selectedText();
}
} // namespace

// Each command reaches the same handler from its Tags menu item, tag bar button and editing-window item.
TEST_F(TagCommandsWindowTest, EntryPointsShareOneHandler)
{
    TForm1 &w = start();
    struct Case {
        const char *entry;
        bool isButton;
        const char *expectedSelection;
    };
    const Case cases[] = {
        {"BoldTag", false, "<B>abc</B>"},
        {"BitBtnBold", true, "<B>abc</B>"},
        {"BoldTagPopup", false, "<B>abc</B>"},
        {"font11", false, "<FONT SIZE=\"+1\">abc</FONT>"},
        {"BitBtnFont1", true, "<FONT SIZE=\"+1\">abc</FONT>"},
        {"font11Popup", false, "<FONT SIZE=\"+1\">abc</FONT>"},
        {"H31", false, "<H3>abc</H3>"},
        {"ButtonH5", true, "<H3>abc</H3>"},
        {"H31Popup", false, "<H3>abc</H3>"},
        {"Caption1", false, "<CAPTION>abc</CAPTION>"},
        {"BitBtnCaption", true, "<CAPTION>abc</CAPTION>"},
        {"AHREF1", false, "<A HREF=\"\">abc</A>"},
        {"Comment1Popup", false, "<!-- abc -->"},
        {"Comment1", false, ""}, // caret inside the comment
    };
    for (const Case &c : cases) {
        const QString selected = selectedAfter(w, "x abc y", 2, 3, [&] {
            if (c.isButton)
                click(QLatin1String(c.entry));
            else
                trigger(QLatin1String(c.entry));
        });
        EXPECT_EQ(selected, QLatin1String(c.expectedSelection)) << c.entry;
        EXPECT_TRUE(w.document().isModified()) << c.entry;
    }
    EXPECT_EQ(w.editorAccess().selStart(), 2 + int(QStringLiteral("<!-- abc").size()));
}

// The tag commands and their menu items are declared in two tables: no command may lack its item.
TEST_F(TagCommandsWindowTest, EveryCommandHasItsTagsMenuItem)
{
    start();
    auto *tags = control<QMenu>("Tags1");
    for (const TagCommand &command : tagCommands())
        EXPECT_NE(tags->findChild<QAction *>(QLatin1String(command.handler).chopped(5)), nullptr) << command.handler;
}

TEST_F(TagCommandsWindowTest, StrongSettingChangesBold)
{
    IniFile(folder.file("DEFAULT.INI")).writeString("TAGS", "STRONG", "1");
    TForm1 &w = start();
    EXPECT_EQ(selectedAfter(w, "abc", 0, 3, [&] { trigger("BoldTag"); }), "<STRONG>abc</STRONG>");
}

TEST_F(TagCommandsWindowTest, QuickTableMenus)
{
    TForm1 &w = start();
    for (int rows = 1; rows <= 5; ++rows)
        for (int columns = 1; columns <= 5; ++columns) {
            EXPECT_NE(w.findChild<QAction *>(QStringLiteral("N%1C%2").arg(rows).arg(columns)), nullptr);
            const bool inPopup = rows >= 2 && columns >= 2;
            EXPECT_EQ(w.findChild<QAction *>(QStringLiteral("N%1C%2Popup").arg(rows).arg(columns)) != nullptr, inPopup);
        }
    QAction *item = action("N3C2");
    EXPECT_EQ(item->text(), "2C");
    EXPECT_EQ(qobject_cast<QMenu *>(item->parent())->title(), "3R X");
    w.editorAccess().setPlainText("z");
    trigger("N3C2");
    EXPECT_EQ(w.editorAccess().lines().size(), 1 + 3 * 4 + 1 + 1);
    EXPECT_EQ(clipboard.text().count("<TD></TD>"), 6);
}

TEST_F(TagCommandsWindowTest, ShortcutsAndCaptionsOfTheTagsMenu)
{
    start();
    const std::tuple<const char *, const char *, const char *> items[] = {
        {"font11", "Font Size +1", "Alt+F1"},
        {"font12", "Font Size -1", "Ctrl+Alt+F1"},
        {"BoldTag", "Bold", "Ctrl+Shift+B"},
        {"Italic", "Italic", "Ctrl+Shift+I"},
        {"Underline", "Underline", "Ctrl+Shift+U"},
        {"Center1", "Center", "Ctrl+Shift+C"},
        {"Paragraph1", "Paragraph <P>", "Alt+Return"},
        {"LineBreak1", "Line Break <BR>", "Shift+Return"},
        {"NonbreakingSpace1", "Non-breaking Space", "Ctrl+Shift+N"},
        {"InsertLastModifiedDateTime1", "Insert Last Modified Date/Time", ""},
    };
    for (const auto &[name, caption, shortcut] : items) {
        EXPECT_EQ(action(QLatin1String(name))->text(), QLatin1String(caption)) << name;
        EXPECT_EQ(action(QLatin1String(name))->shortcut(), QKeySequence(QLatin1String(shortcut))) << name;
    }
    EXPECT_EQ(button("BitBtnFont2")->text(), "F+2");
    EXPECT_EQ(button("BitBtn4")->text(), "Tbl");
}

TEST_F(TagCommandsWindowTest, DateStampUsesTheClock)
{
    TForm1 &w = start();
    w.editorAccess().setPlainText("");
    trigger("InsertLastModifiedDateTime1");
    const QString stamp = w.editorAccess().selectedText();
    EXPECT_TRUE(stamp.startsWith("<!--Last Modified: ")) << stamp.toStdString();
    EXPECT_TRUE(stamp.endsWith(", 2026, at 02:30 PM-->")) << stamp.toStdString();
}

namespace {
int colouredRangesOnFirstLine(TForm1 &w)
{
    return int(w.editor().document()->firstBlock().layout()->formats().size());
}
} // namespace

TEST_F(TagCommandsWindowTest, ColourTagsNowAndAfterEveryLoadWhenOn)
{
    TForm1 &w = start();
    const QString page = folder.write("c.html", "<P><B>x</B></P>\r\n");
    prompts.expectOpenFile(page);
    trigger("OpenHTMLFile1");
    EXPECT_EQ(colouredRangesOnFirstLine(w), 0); // automatic colouring is off by default
    click("BitBtnColorNow");
    EXPECT_EQ(colouredRangesOnFirstLine(w), 4);
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(w.editorAccess().selStart(), 0);

    click("CheckBoxColoredTags");
    EXPECT_EQ(IniFile(folder.file("DEFAULT.INI")).readString("Tags", "Colored", ""), "1");
    prompts.expectOpenFile(page);
    trigger("OpenHTMLFile1");
    EXPECT_EQ(colouredRangesOnFirstLine(w), 4);
    EXPECT_TRUE(action("ColorTagsNow1")->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_K));
    EXPECT_EQ(button("BitBtnStopColors")->toolTip(), "Stop Colored Tag Processing");
}

TEST_F(TagCommandsWindowTest, StopButtonActsOnMouseDown)
{
    TForm1 &w = start();
    EXPECT_FALSE(w.colourStopFlag());
    QTest::mousePress(button("BitBtnStopColors"), Qt::LeftButton);
    EXPECT_TRUE(w.colourStopFlag());
    QTest::mouseRelease(button("BitBtnStopColors"), Qt::LeftButton);
}

TEST_F(TagCommandsWindowTest, SearchCommandsFromMenusButtonsAndTheEditorMenu)
{
    TForm1 &w = start();
    w.editorAccess().setPlainText("one two one\ntwo");
    w.editorAccess().setSelection(4, 3);
    click("BitBtnFind");
    auto *findDialog = w.findChild<QDialog *>("FindDialog1");
    ASSERT_NE(findDialog, nullptr);
    EXPECT_TRUE(findDialog->isVisible());
    EXPECT_FALSE(findDialog->isModal());
    EXPECT_EQ(findDialog->findChild<QLineEdit *>("EditFind")->text(), "two");
    findDialog->findChild<QAbstractButton *>("ButtonFindNext")->click();
    EXPECT_EQ(w.editorAccess().selStart(), 4);
    trigger("FindNext1"); // F3 goes on from there, across the line break
    EXPECT_EQ(w.editorAccess().selStart(), 13);
    prompts.expectInformation();
    trigger("FindNext1");
    EXPECT_EQ(prompts.last().text, "\"two\" not found");
    EXPECT_EQ(action("FindNext1")->shortcut(), QKeySequence(Qt::Key_F3));

    w.editorAccess().setPlainText("<A HREF=\"a\\b.html\">x\\y</A>");
    w.document().setModified(false);
    prompts.expectConfirm(true).expectInformation();
    trigger("Replaceprecisewithonlyintags1");
    EXPECT_EQ(w.editorAccess().plainText(), "<A HREF=\"a/b.html\">x\\y</A>");
    EXPECT_EQ(prompts.last().text, "There were 1 slash characters replaced.");
    EXPECT_TRUE(w.document().isModified());
    prompts.expectConfirm(false);
    trigger("Replaceallwith1");
    EXPECT_EQ(w.editorAccess().plainText(), "<A HREF=\"a/b.html\">x\\y</A>");
    trigger("Replace2");
    EXPECT_TRUE(w.findChild<QDialog *>("ReplaceDialog1")->isVisible());
}
