#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

using TForm1Test = MainWindowFixture;

TEST_F(TForm1Test, FreshInstallStartsWithTheDefaults)
{
    TForm1 &w = start();
    EXPECT_EQ(w.windowTitle(), "Kelvane Tovarel Pro");
    EXPECT_FALSE(control<QCheckBox>("CheckBoxColoredTags")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckWrap")->isChecked());
    EXPECT_TRUE(w.editor().wordWrap());
    EXPECT_EQ(control<QLabel>("LabelBrowserMode")->text(), "T");
    EXPECT_EQ(w.statusPanelText(0), "File Size:");
    EXPECT_EQ(w.statusPanelText(1), "Page Location:");
    EXPECT_EQ(w.statusPanelText(2), "Open HTML File:  " + folder.path() + "new.html");
    EXPECT_TRUE(folder.exists("projects"));
    EXPECT_TRUE(folder.exists("backup"));
    EXPECT_FALSE(folder.exists("DEFAULT.INI")); // nothing is written back at start-up
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(action(QStringLiteral("Recent%1").arg(i))->text(), QStringLiteral("%1: ").arg(i));
    EXPECT_EQ(w.projectPanelWidth(), 200);
    EXPECT_TRUE(w.embeddedBrowserAvailable()); // the web engine is installed with the program
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(w.htmlMasks().masks, "*.html;*.htm;*.shtml;*.shtm;*.asp");

    auto *left = control<QTabWidget>("PageControlLeft");
    EXPECT_EQ(left->tabText(left->currentIndex()), "Web Site");
    auto *tags = control<QTabWidget>("PageControlTags");
    QStringList tagTabs;
    for (int i = 0; i < tags->count(); ++i)
        tagTabs << tags->tabText(i);
    EXPECT_EQ(tagTabs, QStringList({"Common", "Font", "List", "Table", "Frames", "Custom"}));
    EXPECT_EQ(tags->currentIndex(), 0);
}

TEST_F(TForm1Test, PreviewModeLetterComparesExactly)
{
    const std::pair<const char *, const char *> cases[] = {
        {"auto", "S"}, {"nosave", "N"}, {"temp", "T"}, {"AUTO", "T"}, {"whatever", "T"}};
    for (const auto &[option, letter] : cases) {
        IniFile(folder.file("DEFAULT.INI")).writeString("Location", "PreviewOption", option);
        start();
        EXPECT_EQ(control<QLabel>("LabelBrowserMode")->text(), QLatin1String(letter)) << option;
        TearDown();
    }
}

TEST_F(TForm1Test, SettingsFilesDriveTheStartUp)
{
    IniFile defaults(folder.file("DEFAULT.INI"));
    defaults.writeString("Tags", "Colored", "1");
    defaults.writeString("Format", "Wrap", "0");
    defaults.writeString("Files", "Location", "/somewhere/else/");
    defaults.writeString("Files", "Selected", "/preferred/");
    defaults.writeString("Files", "UseSel", "1");
    IniFile(folder.file("OPTIONS.INI")).writeString("Recent", "File2", "/p/site.out");
    QByteArray twenty;
    for (int i = 1; i <= 20; ++i)
        twenty += "x" + QByteArray::number(i) + "\r\n";
    folder.write("htmlext.dat", twenty);

    TForm1 &w = start();
    EXPECT_TRUE(control<QCheckBox>("CheckBoxColoredTags")->isChecked());
    EXPECT_FALSE(w.editor().wordWrap());
    EXPECT_EQ(w.filesLocation(), "/preferred/");
    EXPECT_EQ(defaults.readString("Files", "Location", ""), "/somewhere/else/"); // in memory only
    EXPECT_EQ(action("Recent1")->text(), "1: ");
    EXPECT_EQ(action("Recent2")->text(), "2: /p/site.out");
    EXPECT_EQ(w.htmlMasks().masks.count(';'), 14);
    EXPECT_TRUE(w.htmlMasks().masks.endsWith("*.x15"));
}

TEST_F(TForm1Test, LargeFileSettingRaisesTheTextLimitOnActivation)
{
    IniFile(folder.file("DEFAULT.INI")).writeString("Fix", "EditProblem", "1");
    TForm1 &w = start();
    w.FormActivate();
    EXPECT_EQ(w.editorTextLimit(), 2147482623);
}

TEST_F(TForm1Test, SplitterDragStopsAt203Pixels)
{
    TForm1 &w = start();
    w.show();
    w.applySplitterPosition(203);
    EXPECT_EQ(w.projectPanelWidth(), 200);
    w.applySplitterPosition(150);
    EXPECT_EQ(w.projectPanelWidth(), 200);
    w.applySplitterPosition(405);
    EXPECT_EQ(w.projectPanelWidth(), 400);
    w.PanelSplitterEndDrag(); // 400 is within 95% of the window: kept
    EXPECT_EQ(w.projectPanelWidth(), 400);
    w.applySplitterPosition(w.width() + 50);
    w.PanelSplitterEndDrag();
    EXPECT_EQ(w.projectPanelWidth(), w.width() * 95 / 100);
}

TEST_F(TForm1Test, EditingWindowLeavesRoomForTheViewPanelsAndTheToolStrip)
{
    TForm1 &w = start();
    w.show();
    QWidget *panel = control<QWidget>("PanelHTMLWindow");
    QCoreApplication::processEvents();
    EXPECT_EQ(w.editor().width(), panel->width() - 21);
    EXPECT_EQ(w.editor().height(), panel->height() - 32);
}

TEST_F(TForm1Test, KeyAndMousePressesMarkTheDocumentModified)
{
    TForm1 &w = start();
    w.show();
    EXPECT_FALSE(w.document().isModified());
    QTest::keyClick(&w.editor(), Qt::Key_Right); // even a key that changes nothing
    EXPECT_TRUE(w.document().isModified());
    w.document().setModified(false);
    QTest::mouseClick(w.editor().viewport(), Qt::LeftButton);
    EXPECT_TRUE(w.document().isModified());
}

TEST_F(TForm1Test, CancelOnCloseKeepsTheProgramRunning)
{
    TForm1 &w = start();
    w.show();
    typeText("<P>");
    for (const char *how : {"window", "exit"}) {
        prompts.expectQuestion(Answer::Cancel);
        if (QLatin1String(how) == QLatin1String("exit"))
            trigger("Quit1");
        else
            w.close();
        EXPECT_TRUE(w.isVisible()) << how;
        EXPECT_EQ(prompts.last().text, "Save changes to open HTML file before closing?");
        EXPECT_TRUE(w.document().isModified());
        EXPECT_EQ(w.editorAccess().plainText(), "<P>");
    }
    prompts.expectQuestion(Answer::No);
    EXPECT_TRUE(w.close());
}

TEST_F(TForm1Test, AfterNewClosingAsksTheQuestion)
{
    TForm1 &w = start();
    w.show();
    trigger("NewHTMLFile1");
    EXPECT_TRUE(w.document().isModified());
    prompts.expectQuestion(Answer::Cancel);
    EXPECT_FALSE(w.close());
}

TEST_F(TForm1Test, UnmodifiedDocumentClosesWithoutAQuestion)
{
    TForm1 &w = start();
    w.show();
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(TForm1Test, MenuItemsCarryTheirCaptionsAndShortcuts)
{
    start();
    const std::tuple<const char *, const char *, QKeySequence> items[] = {
        {"NewHTMLFile1", "New HTML File", QKeySequence(Qt::ALT | Qt::Key_N)},
        {"OpenHTMLFile1", "Open HTML File", QKeySequence(Qt::ALT | Qt::Key_O)},
        {"OpenHTMLTemplate1", "Open HTML Template", QKeySequence()},
        {"SaveHTMLFile1", "Save &HTML File", QKeySequence(Qt::ALT | Qt::Key_S)},
        {"SaveHTMLFileAs1", "Save HT&ML File As", QKeySequence()},
        {"CloseHTMLFile1", "Close HTML File", QKeySequence()},
        {"Quit1", "E&xit", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"Undo1", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"Cut1", "Cu&t", QKeySequence()},
        {"Copy1", "&Copy", QKeySequence()},
        {"Paste1", "&Paste", QKeySequence()},
        {"SelectAll1", "Se&lect All", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"New2", "New", QKeySequence()},
        {"Open2", "Open", QKeySequence()},
        {"Save2", "Save", QKeySequence()},
        {"SaveAs2", "Save As..", QKeySequence()},
        {"Undo2", "Undo", QKeySequence()},
        {"Cut2", "Cut", QKeySequence()},
        {"Copy2", "Copy", QKeySequence()},
        {"Paste2", "Paste", QKeySequence()},
        {"SelectAll2", "Select All", QKeySequence()},
    };
    for (const auto &[name, caption, shortcut] : items) {
        QAction *a = action(QLatin1String(name));
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), QLatin1String(caption)) << name;
        EXPECT_EQ(a->shortcut(), shortcut) << name;
    }
    const std::pair<const char *, const char *> buttons[] = {
        {"BitBtnNewHTML", "New HTML file"},
        {"BitBtnOpenHTMLFile", "Open HTML file"},
        {"BitBtnLoadFromTemplate", "Load HTML Template"},
        {"BitBtnSaveHTML", "Save HTML File"},
        {"BitBtnUndo", "Undo"},
        {"BitBtnCut", "Cut"},
        {"BitBtnCopy", "Copy"},
        {"BitBtnPaste", "Paste"},
    };
    for (const auto &[name, hint] : buttons)
        EXPECT_EQ(button(QLatin1String(name))->toolTip(), QLatin1String(hint)) << name;
    EXPECT_EQ(control<QCheckBox>("CheckWrap")->text(), "Wrap");
}

TEST_F(TForm1Test, ButtonsAndMenuItemsShareOneHandler)
{
    TForm1 &w = start();
    w.show();
    for (const char *newCommand : {"BitBtnNewHTML"}) {
        click(QLatin1String(newCommand));
        EXPECT_TRUE(w.editorAccess().plainText().contains("<HTML>")) << newCommand;
    }
    w.document().setModified(false);
    action("New2")->trigger();
    EXPECT_TRUE(w.document().isModified());
    prompts.expectSaveFile(QString()); // untitled: Save asks for a name
    click("BitBtnSaveHTML");
}

TEST_F(TForm1Test, WrapBoxAppliesAtOnceAndIsWritten)
{
    TForm1 &w = start();
    control<QCheckBox>("CheckWrap")->click();
    EXPECT_FALSE(w.editor().wordWrap());
    EXPECT_EQ(IniFile(folder.file("DEFAULT.INI")).readString("Format", "Wrap", "?"), "0");
    control<QCheckBox>("CheckWrap")->click();
    EXPECT_TRUE(w.editor().wordWrap());
    EXPECT_EQ(IniFile(folder.file("DEFAULT.INI")).readString("Format", "Wrap", "?"), "1");
}

TEST_F(TForm1Test, ClipboardCommands)
{
    TForm1 &w = start();
    w.show();
    w.editorAccess().setPlainText("hello world");
    w.editorAccess().setSelection(0, 5);
    trigger("Copy1");
    EXPECT_EQ(clipboard.text(), "hello");
    EXPECT_FALSE(w.document().isModified()); // copying changes nothing

    w.editorAccess().setSelection(6, 5);
    trigger("Cut1");
    EXPECT_EQ(clipboard.text(), "world");
    EXPECT_EQ(w.editorAccess().plainText(), "hello ");
    // A change made from a menu is never lost: it marks the document modified.
    EXPECT_TRUE(w.document().isModified());

    w.document().setModified(false);
    trigger("Paste1");
    EXPECT_EQ(w.editorAccess().plainText(), "hello world");
    EXPECT_TRUE(w.document().isModified());

    w.document().setModified(false);
    trigger("Undo1");
    EXPECT_EQ(w.editorAccess().plainText(), "hello ");
    EXPECT_TRUE(w.document().isModified());

    trigger("SelectAll1");
    EXPECT_EQ(w.editorAccess().selStart(), 0);
    EXPECT_EQ(w.editorAccess().selLength(), 6);
}
