// The Power dialogs from the main window: every entry point, and what the main window does
// with each dialog's result.
#include "imaging/TestPictures.h"

#include "dialogs/TFormImageView.h"
#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "project/FilesTab.h"
#include "testsupport/DialogControls.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

namespace {

const QString kDefaultBody =
    QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=\"#000000\" LINK=#0000FF ALINK=#0000A0 VLINK=#800080>");

class PowerWindowTest : public MainWindowFixture {
protected:
    // Text "abc def" with "def" selected and the document unmodified.
    TForm1 &startWithSelection()
    {
        TForm1 &w = start();
        w.editorAccess().setPlainText("abc def");
        w.editorAccess().setSelection(4, 3);
        w.document().setModified(false);
        return w;
    }
    QString ini(const char *file, const char *section, const char *key)
    {
        return IniFile(folder.file(QLatin1String(file)))
            .readString(QLatin1String(section), QLatin1String(key), "<none>");
    }
};

TEST_F(PowerWindowTest, EveryEntryPointOpensItsDialog)
{
    TForm1 &w = start();
    struct Entry {
        const char *name;
        bool isButton;
        const char *caption; // of a menu item, or the hint of a button
        const char *shortcut;
        const char *title;
    };
    const Entry entries[] = {
        {"PowerBODY1", false, "Power <&BODY>", "Ctrl+B", "Power Body Tag"},
        {"PowerBODY2", false, "<BODY>", "", "Power Body Tag"},
        {"BitBtnPowerBody", true, "Power Body Tag", "", "Power Body Tag"},
        {"PowerAHREF1", false, "Power <&A HREF>", "Ctrl+H", "Power Anchor Tag"},
        {"PowerAHREF2", false, "<A HREF>", "", "Power Anchor Tag"},
        {"BitBtnPowerAnchor", true, "Power Anchor Tag", "", "Power Anchor Tag"},
        {"MailTo1", false, "Mail To:", "Ctrl+Shift+M", "MailTo: Tag"},
        {"MailTo2", false, "Mail To:", "", "MailTo: Tag"},
        {"BitBtnEmail", true, "Insert <Mailto:> Tag", "", "MailTo: Tag"},
        {"PowerIMG1", false, "Power <&IMG>", "Ctrl+I", "Power Image Tag / Preview Screen"},
        {"PowerIMG2", false, "<IMG>", "", "Power Image Tag / Preview Screen"},
        {"BitBtnPowerImage", true, "Power Image Tag/Preview", "", "Power Image Tag / Preview Screen"},
        {"PowerTABLE1", false, "Power <&TABLE>", "Ctrl+T", "POWER Table Tag"},
        {"PowerTABLE2", false, "<TABLE>", "", "POWER Table Tag"},
        {"BitBtnPowerTable", true, "Power Table Tag", "", "POWER Table Tag"},
        {"BitBtn3", true, "POWER Table Tag", "", "POWER Table Tag"},
    };
    for (const Entry &e : entries) {
        QString title;
        whenModal([&title](QDialog *dialog) {
            title = dialog->windowTitle();
            dialog->reject();
        });
        if (e.isButton) {
            EXPECT_EQ(button(QLatin1String(e.name))->toolTip(), QLatin1String(e.caption)) << e.name;
            click(QLatin1String(e.name));
        } else {
            QAction *item = action(QLatin1String(e.name));
            ASSERT_NE(item, nullptr) << e.name;
            EXPECT_EQ(item->text(), QLatin1String(e.caption)) << e.name;
            EXPECT_EQ(item->shortcut(), QKeySequence(QLatin1String(e.shortcut))) << e.name;
            item->trigger();
        }
        EXPECT_EQ(title, QLatin1String(e.title)) << e.name;
    }
    // The context menu's items sit in its "Power..." sub-menu; the tag bar button on the Table tab.
    EXPECT_EQ(qobject_cast<QMenu *>(action("PowerBODY2")->parent())->title(), "Power...");
    EXPECT_NE(w.findChild<QWidget *>("TabSheetTable")->findChild<QToolButton *>("BitBtn3"), nullptr);
    EXPECT_EQ(w.editorAccess().plainText(), ""); // nothing inserted by closed dialogs
}

TEST_F(PowerWindowTest, BodyInsertGoesInFrontOfTheSelection)
{
    TForm1 &w = startWithSelection();
    whenModal([](QDialog *d) { press(d, "BitBtnInsert"); });
    trigger("PowerBODY1");
    EXPECT_EQ(w.editorAccess().plainText(), "abc " + kDefaultBody + "\ndef");
    EXPECT_EQ(w.editorAccess().selStart(), 4);
    EXPECT_EQ(w.editorAccess().selectedText(), kDefaultBody + "\r\n");
    EXPECT_EQ(clipboard.text().replace("\r\n", "\n"), kDefaultBody + "\n");
    EXPECT_TRUE(w.document().isModified());
    EXPECT_EQ(ini("OPTIONS.INI", "Colors", "BG"), "16777215");
    EXPECT_EQ(ini("OPTIONS.INI", "Colors", "ALink"), "10485760");
    EXPECT_EQ(ini("DEFAULT.INI", "Location", "RelImage"), "example:  data/images/");
}

TEST_F(PowerWindowTest, BodyCopyLeavesTheEditorAndFrameCloseSavesNoColours)
{
    TForm1 &w = startWithSelection();
    whenModal([](QDialog *d) {
        in<QCheckBox>(d, "CheckHTML")->setChecked(true);
        press(d, "BitBtnClipboard");
    });
    trigger("PowerBODY2");
    EXPECT_EQ(w.editorAccess().plainText(), "abc def");
    EXPECT_EQ(w.editorAccess().selectedText(), "def");
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(clipboard.text().replace("\r\n", "\n"), "<HTML>\n" + kDefaultBody + "\n</BODY>\n</HTML>\n");

    QFile::remove(folder.file("OPTIONS.INI"));
    prompts.expectColor(QColor(0, 0, 0));
    whenModal([](QDialog *d) {
        press(d, "ButtonSelectColor");
        in<QLineEdit>(d, "EditPath")->setText("art/");
        d->close();
    });
    click("BitBtnPowerBody");
    EXPECT_FALSE(folder.exists("OPTIONS.INI"));
    EXPECT_EQ(ini("DEFAULT.INI", "Location", "RelImage"), "art/"); // whatever closed it
    EXPECT_EQ(w.editorAccess().plainText(), "abc def");
}

TEST_F(PowerWindowTest, AnchorReplacesTheSelectionAndWritesThePathOnlyOnInsert)
{
    TForm1 &w = start();
    w.editorAccess().setPlainText("go Top now");
    w.editorAccess().setSelection(3, 3);
    w.document().setModified(false);
    QString description;
    whenModal([&description](QDialog *d) {
        description = in<QLineEdit>(d, "EditDesc")->text();
        in<QRadioButton>(d, "RadioNAME")->click();
        in<QLineEdit>(d, "EditHREF")->setText("top");
        in<QRadioButton>(d, "RadioRelative")->click();
        in<QLineEdit>(d, "EditRelative")->setText("pages/");
        press(d, "BitBtnClipboard");
    });
    trigger("PowerAHREF1");
    EXPECT_EQ(description, "Top");
    EXPECT_EQ(clipboard.text(), "<A HREF=#pages/top>Top</A>  <A NAME=pages/top>");
    EXPECT_EQ(w.editorAccess().plainText(), "go Top now");
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(ini("DEFAULT.INI", "Path", "AnchorPath"), "<none>");
    EXPECT_EQ(ini("DEFAULT.INI", "Path", "UseAnchor"), "<none>");

    // Remembered for the next opening in this run; written with the insertion.
    bool relative = false;
    QString prefix;
    whenModal([&](QDialog *d) {
        relative = in<QRadioButton>(d, "RadioRelative")->isChecked();
        prefix = in<QLineEdit>(d, "EditRelative")->text();
        in<QLineEdit>(d, "EditHREF")->setText("a.htm");
        press(d, "BitBtnInsert");
    });
    click("BitBtnPowerAnchor");
    EXPECT_TRUE(relative);
    EXPECT_EQ(prefix, "pages/");
    EXPECT_EQ(w.editorAccess().plainText(), "go <A HREF=\"pages/a.htm\">Top</A> now");
    EXPECT_EQ(w.editorAccess().selectedText(), "<A HREF=\"pages/a.htm\">Top</A>");
    EXPECT_TRUE(w.document().isModified());
    EXPECT_EQ(ini("DEFAULT.INI", "Path", "UseAnchor"), "1");
    EXPECT_EQ(ini("DEFAULT.INI", "Path", "AnchorPath"), "pages/");
}

TEST_F(PowerWindowTest, AnchorWithNothingSelectedInsertsTheInitialLink)
{
    TForm1 &w = start();
    whenModal([](QDialog *d) { press(d, "BitBtnInsert"); });
    trigger("PowerAHREF2");
    EXPECT_EQ(w.editorAccess().plainText(), "<A HREF=\"http://\"></A>");
    EXPECT_EQ(w.editorAccess().selectedText(), "<A HREF=\"http://\"></A>");
    EXPECT_EQ(ini("DEFAULT.INI", "Path", "UseAnchor"), "0");
    EXPECT_EQ(ini("DEFAULT.INI", "Path", "AnchorPath"), "Ex:  --    /webdata/pages/");
}

TEST_F(PowerWindowTest, MailToWrapsTheSelection)
{
    TForm1 &w = start();
    struct Case {
        const char *entry;
        bool isButton;
        const char *text;
        int start, length;
        const char *expected;
        int caret, selected; // after
    };
    const Case cases[] = {
        {"MailTo1", false, "write me here", 6, 2, "write <A HREF=\"mailto:a@b.c\">me</A> here", 6 + 25, 0},
        {"BitBtnEmail", true, "me", 0, 2, "<A HREF=\"mailto:a@b.c\">me</A>", 25, 0},
        {"MailTo2", false, "me", 0, 2, "<A HREF=\"mailto:a@b.c\">me</A>", 0, 29},
        {"MailTo1", false, "", 0, 0, "<A HREF=\"mailto:a@b.c\"></A>", 23, 0}, // caret inside the empty link
    };
    for (const Case &c : cases) {
        w.editorAccess().setPlainText(QLatin1String(c.text));
        w.editorAccess().setSelection(c.start, c.length);
        QString shown;
        whenModal([&shown](QDialog *d) {
            shown = in<QLineEdit>(d, "EditAddress")->text();
            in<QLineEdit>(d, "EditAddress")->setText("a@b.c");
            press(d, "Button1");
        });
        if (c.isButton)
            click(QLatin1String(c.entry));
        else
            trigger(QLatin1String(c.entry));
        EXPECT_EQ(w.editorAccess().plainText(), QLatin1String(c.expected)) << c.entry;
        EXPECT_EQ(w.editorAccess().selStart(), c.caret) << c.entry;
        EXPECT_EQ(w.editorAccess().selLength(), c.selected) << c.entry;
        EXPECT_EQ(ini("OPTIONS.INI", "Defaults", "EMAIL"), "a@b.c");
        if (&c == &cases[0])
            EXPECT_EQ(shown, "xxxxxx@xxxxxxxx.xxx"); // the placeholder until one is stored
        else
            EXPECT_EQ(shown, "a@b.c");
    }
}

TEST_F(PowerWindowTest, MailToCancelledOrClosedChangesNothing)
{
    TForm1 &w = start();
    w.editorAccess().setPlainText("me");
    w.editorAccess().setSelection(0, 2);
    w.document().setModified(false);
    for (const bool throughFrame : {false, true}) {
        whenModal([throughFrame](QDialog *d) {
            in<QLineEdit>(d, "EditAddress")->setText("z@z.z");
            if (throughFrame)
                d->close();
            else
                press(d, "Button2");
        });
        trigger("MailTo1");
        EXPECT_EQ(w.editorAccess().plainText(), "me");
        EXPECT_FALSE(w.document().isModified());
        EXPECT_EQ(ini("OPTIONS.INI", "Defaults", "EMAIL"), "<none>");
    }
}

TEST_F(PowerWindowTest, FilesTabPictureOpensPowerImgAndTheRelativePathIsShared)
{
    folder.write("site/LOGO.GIF", TestPictures::encodeGif(TestPictures::indexedPattern(120, 60, 4)));
    folder.write("site/page.html", "<P>x</P>");
    TForm1 &w = start();
    w.editorAccess().setPlainText("pic: X");
    w.editorAccess().setSelection(5, 1);
    auto *tab = control<FilesTab>("FilesTab");
    ASSERT_TRUE(tab->goToFolder(folder.file("site")));
    auto *list = tab->findChild<QListWidget *>("ListBox2");
    list->setCurrentItem(list->findItems("LOGO.GIF", Qt::MatchExactly).value(0));
    ASSERT_EQ(tab->selectedFileName(), "LOGO.GIF");

    QString source, dim, treeFolder;
    whenModal([&](QDialog *d) {
        source = in<QLineEdit>(d, "EditIMGSource")->text();
        dim = in<QLabel>(d, "Label1")->text();
        treeFolder = static_cast<TFormImageView *>(d)->currentFolder();
        in<QLineEdit>(d, "EditRelativePath")->setText("Img/");
        in<QCheckBox>(d, "CheckRelative")->setChecked(true);
        press(d, "BitBtnInsert");
    });
    tab->ListBox2DblClick();
    EXPECT_EQ(source, "LOGO.GIF");
    EXPECT_EQ(dim, "File Dim: 120 X 60 pixels");
    EXPECT_EQ(QDir(treeFolder), QDir(folder.file("site"))); // the tree opens where the picture lies
    const QString tag = "<IMG BORDER=0 HEIGHT=60 WIDTH=120 SRC=\"Img/LOGO.GIF\">";
    EXPECT_EQ(w.editorAccess().plainText(), "pic: " + tag);
    EXPECT_EQ(w.editorAccess().selectedText(), tag);
    EXPECT_EQ(clipboard.text(), tag);
    EXPECT_EQ(ini("DEFAULT.INI", "Location", "RelImage"), "Img/");

    // Power BODY shows the path typed in Power IMG, and the reverse.
    QString bodyPath;
    whenModal([&](QDialog *d) {
        bodyPath = in<QLineEdit>(d, "EditPath")->text();
        in<QLineEdit>(d, "EditPath")->setText("bg/");
        press(d, "BitBtn1");
    });
    trigger("PowerBODY1");
    EXPECT_EQ(bodyPath, "Img/");
    QString imgPath, menuSource;
    whenModal([&](QDialog *d) {
        imgPath = in<QLineEdit>(d, "EditRelativePath")->text();
        menuSource = in<QLineEdit>(d, "EditIMGSource")->text();
        press(d, "BitBtnClipboard");
    });
    trigger("PowerIMG2"); // from the menu it takes the Files tab's selected file too
    EXPECT_EQ(imgPath, "bg/");
    EXPECT_EQ(menuSource, "LOGO.GIF");
    EXPECT_EQ(clipboard.text(), "<IMG BORDER=0 HEIGHT=60 WIDTH=120 SRC=\"LOGO.GIF\">");
    EXPECT_EQ(w.editorAccess().plainText(), "pic: " + tag); // Copy only
    EXPECT_EQ(ini("DEFAULT.INI", "Location", "RelImage"), "bg/");

    // An HTML page selected there is not taken for a broken picture.
    list->setCurrentItem(list->findItems("page.html", Qt::MatchExactly).value(0));
    ASSERT_EQ(tab->selectedFileName(), "page.html");
    QString htmlSource = "unset";
    whenModal([&](QDialog *d) {
        htmlSource = in<QLineEdit>(d, "EditIMGSource")->text();
        press(d, "Button1");
    });
    click("BitBtnPowerImage");
    EXPECT_EQ(htmlSource, "");
}

TEST_F(PowerWindowTest, TableGoesInFrontOfTheSelection)
{
    TForm1 &w = startWithSelection();
    whenModal([](QDialog *d) {
        in<QSpinBox>(d, "SpinRows")->setValue(1);
        in<QSpinBox>(d, "SpinCols")->setValue(1);
        in<QTableWidget>(d, "Grid1")->setItem(0, 0, new QTableWidgetItem("x"));
        press(d, "BitBtn1");
    });
    click("BitBtn3");
    const QString table = "<TABLE >\n<TR>\n    <TD>x</TD>\n</TR>\n</TABLE>\n";
    EXPECT_EQ(w.editorAccess().plainText(), "abc " + table + "def");
    EXPECT_EQ(w.editorAccess().selStart(), 4);
    EXPECT_EQ(w.editorAccess().selectedText(), QString(table).replace("\n", "\r\n"));
    EXPECT_EQ(clipboard.text().replace("\r\n", "\n"), table);
    EXPECT_TRUE(w.document().isModified());

    w.document().setModified(false);
    whenModal([](QDialog *d) { press(d, "BitBtn2"); });
    trigger("PowerTABLE1");
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(w.editorAccess().plainText(), "abc " + table + "def");
}

} // namespace
