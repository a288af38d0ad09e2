// The Power dialogs on their own: controls, rebuilds, the buttons' results.
#include "imaging/TestPictures.h"

#include "config/Settings.h"
#include "dialogs/PowerHandOver.h"
#include "dialogs/TFormAnchor.h"
#include "dialogs/TFormBody.h"
#include "dialogs/TFormEmail.h"
#include "dialogs/TFormImageView.h"
#include "dialogs/TFormTable.h"
#include "imaging/TPictureView.h"
#include "platform/Clipboard.h"
#include "platform/IniFile.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

template <typename T> T *find(QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The preview panel as the user sees it: its right and bottom edges drawn like its left and
// top ones, and the whole panel inside the dialog at its opening size.
void expectWholePanel(QWidget &dialog, const char *name)
{
    dialog.show();
    QWidget *panel = find<QWidget>(dialog, name);
    ASSERT_NE(panel, nullptr);
    const QRect inDialog(panel->mapTo(&dialog, QPoint(0, 0)), panel->size());
    EXPECT_TRUE(dialog.rect().contains(inDialog)) << name;
    const QImage shown = panel->grab().toImage();
    const int midX = shown.width() / 2, midY = shown.height() / 2;
    EXPECT_EQ(shown.pixel(shown.width() - 1, midY), shown.pixel(0, midY)) << name << ": right edge";
    EXPECT_EQ(shown.pixel(midX, shown.height() - 1), shown.pixel(midX, 0)) << name << ": bottom edge";
    EXPECT_NE(shown.pixel(shown.width() - 1, midY), shown.pixel(midX, midY)) << name << ": edge drawn";
}

void clickButton(QWidget &dialog, const char *name)
{
    if (auto *button = find<QAbstractButton>(dialog, name))
        button->click();
}

// Caption (or text) and the checked and enabled states of one control.
struct ControlState {
    const char *name;
    const char *text;
    bool checked;
    bool enabled;
};

void expectStates(QWidget &dialog, std::initializer_list<ControlState> states)
{
    for (const ControlState &s : states) {
        QWidget *w = find<QWidget>(dialog, s.name);
        if (!w)
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(s.text)) << s.name;
            EXPECT_EQ(button->isChecked(), s.checked) << s.name;
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            EXPECT_EQ(edit->text(), QString::fromUtf8(s.text)) << s.name;
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(s.text)) << s.name;
        }
        EXPECT_EQ(w->isEnabled(), s.enabled) << s.name;
    }
}

bool hasLabel(QWidget &dialog, const QString &text)
{
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        if (label->text() == text)
            return true;
    for (const QWidget *w : dialog.findChildren<QWidget *>())
        if (w->property("title").toString() == text)
            return true;
    return false;
}

const QString kDefaultBody =
    QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=\"#000000\" LINK=#0000FF ALINK=#0000A0 VLINK=#800080>");

class PowerDialogsTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    Settings settings{folder.path()};
    ScriptedPrompts prompts;
    MemoryClipboard clipboard;
    PowerResult result{true, 99}; // left over from an earlier dialog
};

// ----------------------------------------------------------------------------------------
// Power BODY

TEST_F(PowerDialogsTest, BodyOpensWithItsControls)
{
    TFormBody dialog(settings, prompts, clipboard, result);
    EXPECT_EQ(dialog.windowTitle(), "Power Body Tag");
    EXPECT_FALSE(result.insert);
    EXPECT_EQ(result.length, 0);
    expectStates(dialog, {
                             {"RadioButton1", "Use Solid Color", true, true},
                             {"RadioButton2", "Use Tiled Image", false, true},
                             {"ButtonSelectColor", "Select Color", false, true},
                             {"ButtonSelectImage", "Select Image", false, false},
                             {"CheckPath", "Insert this relative path to image file:", false, true},
                             {"EditPath", "example:  data/images/", false, true},
                             {"LabelImage", "", false, false},
                             {"CheckEndBodyTag", "Include </BODY> Tag?", false, true},
                             {"CheckHTML", "Include <HTML> Tag?", false, true},
                             {"CheckHead", "Include <HEAD> Tag?", false, true},
                             {"CheckTitle", "Include <TITLE> Tag?", false, true},
                             {"CheckMeta", "Include <META> Tags?", false, true},
                             {"EditTitle", "Enter Page Title (appears at top of browser window)", false, true},
                             {"EditDesc", "Enter your page DESCRIPTION here...", false, true},
                             {"EditKey", "Enter your page's KEYWORDS here... ", false, true},
                             {"EditBodyTag", "Your <BODY> tag will be created here for you. Just make your selections.",
                              false, true},
                             {"BitBtnInsert", "Insert Tag into HTML file", false, true},
                             {"BitBtnClipboard", "Copy Tag to Clipboard", false, true},
                             {"BitBtn1", "&Close", false, true},
                         });
    EXPECT_TRUE(find<QPushButton>(dialog, "BitBtnInsert")->isDefault());
    EXPECT_EQ(find<QPushButton>(dialog, "BitBtnInsert")->toolTip(), "Insert this tag into the open HTML file");
    for (const char *text :
         {"<BODY> Tag", "Background Style:  ", "Additional Body Tags (not required if just changing <BODY> tag)",
          "Note: ending </BODY> tag will be inserted automatically if any of these options are selected.",
          "Double-click the background color or one of the link colors to select a new color. It will "
          "be previewed for you in the preview panel. The BODY tag will then be created for you.",
          "Preview Panel", "Text Color", "Link Color", "VLink Color", "ALink Color"})
        EXPECT_TRUE(hasLabel(dialog, QString::fromUtf8(text))) << text;
    auto *panel = find<QFrame>(dialog, "PanelPreview");
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(find<QLabel>(dialog, "LabelLink")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_FALSE(find<TPictureView>(dialog, "ImagePreview")->isVisibleTo(panel));
}

TEST_F(PowerDialogsTest, BodyColoursComeFromOptionsAndPathFromTheSetting)
{
    // Link: the button face system colour, written signed.
    folder.write("OPTIONS.INI", "[Colors]\r\nBG=0x0000FF\r\nText=65280\r\nLink=-16777201\r\n");
    settings.setInMemory(SettingKey::RelImage, "pics/");
    TFormBody dialog(settings, prompts, clipboard, result);
    EXPECT_EQ(find<QLineEdit>(dialog, "EditPath")->text(), "pics/");
    EXPECT_EQ(find<QFrame>(dialog, "PanelPreview")->palette().color(QPalette::Window), QColor(255, 0, 0));
    find<QCheckBox>(dialog, "CheckEndBodyTag")->setChecked(true);
    EXPECT_EQ(find<QLineEdit>(dialog, "EditBodyTag")->text(),
              "<BODY BGCOLOR=#FF0000 TEXT=\"#00FF00\" LINK=#C0C0C0 ALINK=#0000A0 VLINK=#800080>");
    EXPECT_EQ(find<QLabel>(dialog, "LabelLink")->palette().color(QPalette::WindowText), QColor(192, 192, 192));
    EXPECT_EQ(find<QLineEdit>(dialog, "EditBodyTag")->selectedText(), find<QLineEdit>(dialog, "EditBodyTag")->text());
}

TEST_F(PowerDialogsTest, BodyColourChoicesRebuildAndCancelChangesNothing)
{
    TFormBody dialog(settings, prompts, clipboard, result);
    dialog.show();
    prompts.expectColor(QColor(0x11, 0x22, 0x33)); // the Text Color label
    QTest::mouseDClick(find<QLabel>(dialog, "LabelText"), Qt::LeftButton);
    prompts.expectColor(std::nullopt); // cancelled: nothing changes
    QTest::mouseDClick(find<QLabel>(dialog, "LabelLink"), Qt::LeftButton);
    prompts.expectColor(QColor(0, 0, 0)); // the panel: background
    QTest::mouseDClick(find<QFrame>(dialog, "PanelPreview"), Qt::LeftButton, {}, QPoint(3, 3));
    prompts.expectColor(QColor(0xAB, 0xCD, 0xEF)); // Select Color: background too
    clickButton(dialog, "ButtonSelectColor");
    prompts.expectColor(QColor(1, 2, 3));
    QTest::mouseDClick(find<QLabel>(dialog, "LabelALink"), Qt::LeftButton);
    prompts.expectColor(QColor(4, 5, 6));
    QTest::mouseDClick(find<QLabel>(dialog, "LabelVLink"), Qt::LeftButton);
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_EQ(find<QLineEdit>(dialog, "EditBodyTag")->text(),
              "<BODY BGCOLOR=#ABCDEF TEXT=\"#112233\" LINK=#0000FF ALINK=#010203 VLINK=#040506>");
    EXPECT_EQ(find<QLabel>(dialog, "LabelText")->palette().color(QPalette::WindowText), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(find<QFrame>(dialog, "PanelPreview")->palette().color(QPalette::Window), QColor(0xAB, 0xCD, 0xEF));

    clickButton(dialog, "BitBtn1"); // Close saves the colours
    const IniFile ini(folder.file("OPTIONS.INI"));
    EXPECT_EQ(ini.readString("Colors", "BG", ""), QString::number(0xEFCDAB));
    EXPECT_EQ(ini.readString("Colors", "Text", ""), QString::number(0x332211));
    EXPECT_EQ(ini.readString("Colors", "Link", ""), "16711680");
    EXPECT_FALSE(result.insert);
    EXPECT_EQ(clipboard.text(), "");
}

TEST_F(PowerDialogsTest, BodyClosedThroughTheFrameSavesNoColours)
{
    TFormBody dialog(settings, prompts, clipboard, result);
    dialog.show();
    prompts.expectColor(QColor(0, 0, 0));
    clickButton(dialog, "ButtonSelectColor");
    find<QLineEdit>(dialog, "EditPath")->setText("img/");
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(folder.exists("OPTIONS.INI"));
    EXPECT_EQ(dialog.relativeImagePath(), "img/");

    TFormBody escaped(settings, prompts, clipboard, result);
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape); // Escape is the Close button: colours saved
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_TRUE(folder.exists("OPTIONS.INI"));
}

TEST_F(PowerDialogsTest, BodyTiledImageAndSkeleton)
{
    const QString picture =
        folder.write("pics/Tile.gif", TestPictures::encodeGif(TestPictures::indexedPattern(8, 6, 4)));
    const QString broken = folder.write("pics/broken.gif", "GIF89a nonsense");
    settings.setInMemory(SettingKey::StartLocation, folder.file("pics/"));
    TFormBody dialog(settings, prompts, clipboard, result);
    dialog.show();
    find<QRadioButton>(dialog, "RadioButton2")->click();
    EXPECT_FALSE(find<QPushButton>(dialog, "ButtonSelectColor")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(dialog, "ButtonSelectImage")->isEnabled());
    EXPECT_TRUE(find<QLabel>(dialog, "LabelImage")->isEnabled());
    EXPECT_TRUE(find<TPictureView>(dialog, "ImagePreview")->isVisible());
    EXPECT_TRUE(find<QLineEdit>(dialog, "EditBodyTag")->text().startsWith("<BODY BACKGROUND=\"\" TEXT=\""));

    prompts.expectOpenFile(picture);
    clickButton(dialog, "ButtonSelectImage");
    EXPECT_EQ(prompts.last().request.folder, folder.file("pics/"));
    EXPECT_EQ(prompts.last().request.filter, "");
    EXPECT_EQ(find<QLabel>(dialog, "LabelImage")->text(), "Tile.gif");
    EXPECT_TRUE(find<TPictureView>(dialog, "ImagePreview")->component().hasPicture());
    find<QCheckBox>(dialog, "CheckPath")->setChecked(true);
    find<QLineEdit>(dialog, "EditPath")->setText("images");
    EXPECT_EQ(find<QLineEdit>(dialog, "EditBodyTag")->text(),
              "<BODY BACKGROUND=\"imagesTile.gif\" TEXT=\"#000000\" LINK=#0000FF ALINK=#0000A0 VLINK=#800080>");

    prompts.expectOpenFile(broken); // fails quietly: the image stays
    clickButton(dialog, "ButtonSelectImage");
    EXPECT_EQ(find<QLabel>(dialog, "LabelImage")->text(), "Tile.gif");
    EXPECT_TRUE(find<TPictureView>(dialog, "ImagePreview")->component().hasPicture());

    find<QCheckBox>(dialog, "CheckTitle")->setChecked(true);
    find<QLineEdit>(dialog, "EditTitle")->setText("Home");
    clickButton(dialog, "BitBtnClipboard");
    EXPECT_FALSE(dialog.isVisible());
    const QString expected =
        "    <TITLE>Home</TITLE>\r\n<BODY BACKGROUND=\"imagesTile.gif\" TEXT=\"#000000\" LINK=#0000FF "
        "ALINK=#0000A0 VLINK=#800080>\r\n</BODY>\r\n";
    EXPECT_EQ(clipboard.text(), expected);
    EXPECT_EQ(result.length, expected.size());
    EXPECT_FALSE(result.insert);
    EXPECT_TRUE(folder.exists("OPTIONS.INI")); // Copy saves the colours too

    find<QRadioButton>(dialog, "RadioButton1")->click();
    EXPECT_FALSE(find<TPictureView>(dialog, "ImagePreview")->isVisibleTo(&dialog));
}

// ----------------------------------------------------------------------------------------
// Power A HREF and Mail To

TEST_F(PowerDialogsTest, AnchorOpensWithItsControls)
{
    TFormAnchor dialog(prompts, clipboard, result, "sel", false, "", "*.html;*.htm", "/start/");
    EXPECT_EQ(dialog.windowTitle(), "Power Anchor Tag");
    EXPECT_FALSE(result.insert);
    expectStates(dialog, {
                             {"RadioHREF", "<A HREF> Tag", true, true},
                             {"RadioNAME", "<A NAME> Tag", false, true},
                             {"EditHREF", "http://", false, true},
                             {"EditDesc", "sel", false, true},
                             {"RadioFilename", "Filename only", true, true},
                             {"RadioRelative", "Relative File Path:", false, true},
                             {"EditRelative", "Ex:  --    /webdata/pages/", false, true},
                             {"BitBtnInsert", "Insert Tag into HTML file", false, true},
                             {"BitBtnClipboard", "Copy Tag to Clipboard", false, true},
                         });
    for (const char *text : {"HREF Link", "(no \" \" marks required)", "(or select a local file)", "Description",
                             "HTML Tag Insertion Data  ", "HREF File Link, Use: ", "Define Anchor Tag:", "<A> Tag",
                             "(if the link is to a file on your site, use Filename if in the same default directory, "
                             "otherwise use Relative Path)"})
        EXPECT_TRUE(hasLabel(dialog, QString::fromUtf8(text))) << text;
    EXPECT_TRUE(find<QPushButton>(dialog, "BitBtnInsert")->isDefault());

    // The prompt comes back each time the dialog is shown, over a tag built before.
    find<QLineEdit>(dialog, "EditHREF")->setText("x");
    dialog.show();
    EXPECT_EQ(find<QLineEdit>(dialog, "EditDummy")->text(),
              "Enter your data above... your anchor tag will be created here automatically");
    find<QRadioButton>(dialog, "RadioNAME")->click();
    EXPECT_EQ(find<QLineEdit>(dialog, "EditDummy")->text(), "<A HREF=#x>sel</A>  <A NAME=x>");
}

TEST_F(PowerDialogsTest, AnchorRelativeFileAndStoredChoice)
{
    TFormAnchor dialog(prompts, clipboard, result, "", true, "pages/", "*.html;*.htm", "/start/");
    dialog.show();
    EXPECT_TRUE(find<QRadioButton>(dialog, "RadioRelative")->isChecked());
    EXPECT_EQ(find<QLineEdit>(dialog, "EditRelative")->text(), "pages/");
    prompts.expectOpenFile("c:\\site\\a.htm");
    find<QToolButton>(dialog, "BitBtnHREF")->click();
    EXPECT_EQ(prompts.last().request.filter, "HTML Files|*.html;*.htm|All Files|*.*");
    EXPECT_EQ(prompts.last().request.filterIndex, 1);
    EXPECT_EQ(prompts.last().request.folder, "/start/");
    EXPECT_EQ(find<QLineEdit>(dialog, "EditHREF")->text(), "a.htm");
    EXPECT_EQ(find<QLineEdit>(dialog, "EditDummy")->text(), "<A HREF=\"pages/a.htm\"></A>");
    prompts.expectOpenFile(""); // cancelled: nothing changes
    find<QToolButton>(dialog, "BitBtnHREF")->click();
    EXPECT_EQ(find<QLineEdit>(dialog, "EditHREF")->text(), "a.htm");

    clickButton(dialog, "BitBtnInsert");
    EXPECT_TRUE(result.insert);
    EXPECT_EQ(clipboard.text(), "<A HREF=\"pages/a.htm\"></A>");
    EXPECT_EQ(result.length, 26);
    EXPECT_TRUE(dialog.useRelativePath());
    EXPECT_EQ(dialog.relativePrefix(), "pages/");

    TFormAnchor cancelled(prompts, clipboard, result, "", false, "", "*.htm", "/");
    cancelled.show();
    find<QRadioButton>(cancelled, "RadioRelative")->click();
    clickButton(cancelled, "BitBtn1");
    EXPECT_FALSE(result.insert);
    EXPECT_EQ(result.length, 0);
    EXPECT_EQ(clipboard.text(), "<A HREF=\"pages/a.htm\"></A>"); // untouched by Cancel
    EXPECT_TRUE(cancelled.useRelativePath());
}

TEST_F(PowerDialogsTest, MailToAnswers)
{
    struct Case {
        const char *how;
        std::function<void(TFormEmail &)> close;
        bool confirmed;
    };
    const Case cases[] = {
        {"OK", [](TFormEmail &d) { clickButton(d, "Button1"); }, true},
        {"Enter", [](TFormEmail &d) { QTest::keyClick(find<QLineEdit>(d, "EditAddress"), Qt::Key_Return); }, true},
        {"Cancel", [](TFormEmail &d) { clickButton(d, "Button2"); }, false},
        {"Escape", [](TFormEmail &d) { QTest::keyClick(&d, Qt::Key_Escape); }, false},
        {"frame", [](TFormEmail &d) { d.close(); }, false},
    };
    for (const Case &c : cases) {
        TFormEmail dialog("me@x.org");
        EXPECT_EQ(dialog.windowTitle(), "MailTo: Tag");
        EXPECT_EQ(find<QPushButton>(dialog, "Button1")->text(), "&OK");
        EXPECT_EQ(find<QPushButton>(dialog, "Button2")->text(), "&Cancel");
        EXPECT_TRUE(hasLabel(dialog, "Enter E-Mail Address  "));
        dialog.show();
        find<QLineEdit>(dialog, "EditAddress")->setText("you@y.org");
        c.close(dialog);
        EXPECT_FALSE(dialog.isVisible()) << c.how;
        EXPECT_EQ(dialog.confirmed(), c.confirmed) << c.how;
        EXPECT_EQ(dialog.address(), "you@y.org");
    }
}

// ----------------------------------------------------------------------------------------
// Power IMG

class PowerImageTest : public PowerDialogsTest {
protected:
    PowerImageTest()
    {
        folder.write("site/LOGO.GIF", TestPictures::encodeGif(TestPictures::indexedPattern(120, 60, 4)));
        folder.write("site/b.gif", TestPictures::encodeGif(TestPictures::indexedPattern(3, 2, 2)));
        folder.write("site/c.png", "x");
        folder.write("site/page.html", "x");
        folder.write("site/bad.gif", "not a picture");
    }
    std::unique_ptr<TFormImageView> open(const QString &picture = {}, const QString &relative = {})
    {
        auto dialog =
            std::make_unique<TFormImageView>(prompts, clipboard, result, relative, folder.file("site"), picture);
        dialog->show();
        return dialog;
    }
    QLineEdit *edit(TFormImageView &d, const char *name) { return find<QLineEdit>(d, name); }
};

TEST_F(PowerImageTest, OpensWithItsControlsOnTheStartFolder)
{
    auto d = open(QString(), "rel/");
    EXPECT_EQ(d->windowTitle(), "Power Image Tag / Preview Screen");
    EXPECT_FALSE(result.insert);
    expectStates(*d, {
                         {"Label1", "Dim:", false, true},
                         {"Label2", "Size:", false, true},
                         {"Label3", "File Path:", false, true},
                         {"EditIMGSource", "", false, true},
                         {"EditIMGAlt", "", false, true},
                         {"EditIMGWidth", "", false, true},
                         {"EditIMGHeight", "", false, true},
                         {"CheckISMAP", "ISMAP", false, true},
                         {"CheckRelative", "Insert this relative path to images", false, true},
                         {"EditRelativePath", "rel/", false, true},
                         {"EditDummy", "The <IMG> tag will be created for you after you select an image file above....",
                          false, true},
                         {"BitBtnInsert", "Insert Tag into HTML file", false, true},
                         {"BitBtnClipboard", "Copy Tag to Clipboard", false, true},
                         {"Button1", "&Close", false, true},
                     });
    EXPECT_TRUE(find<QPushButton>(*d, "Button1")->isDefault());
    for (const char *text : {"Select Image File:", "Image Preview Window:", "<IMAGE>Tag Data  ", "Source", "Alt Text",
                             "Width", "Height", "Align", "Border", "<IMG> Tag", "(no \" \" marks required)",
                             "Use this when your images are stored in a location different from your HTML file:   "
                             "Example:    /data/images/"})
        EXPECT_TRUE(hasLabel(*d, QString::fromUtf8(text))) << text;
    auto *align = find<QComboBox>(*d, "ComboBoxAlign");
    EXPECT_TRUE(align->isEditable());
    EXPECT_EQ(align->currentText(), "");
    QStringList items;
    for (int i = 0; i < align->count(); ++i)
        items << align->itemText(i);
    EXPECT_EQ(items, QStringList({"RIGHT", "LEFT", "TOP", "MIDDLE", "BOTTOM", "BASELINE", "TEXTTOP"}));
    auto *border = find<QSpinBox>(*d, "SpinBorder");
    EXPECT_EQ(border->value(), 0);
    EXPECT_EQ(border->minimum(), 0);
    EXPECT_EQ(border->maximum(), 10);

    EXPECT_EQ(QDir(d->currentFolder()), QDir(folder.file("site")));
    auto *files = find<QListWidget>(*d, "FileListBox1");
    QStringList names;
    for (int i = 0; i < files->count(); ++i)
        names << files->item(i)->text();
    EXPECT_EQ(names, QStringList({"b.gif", "bad.gif", "c.png", "LOGO.GIF"}));
}

TEST_F(PowerImageTest, ClickingAFileFillsTheFieldsAndTheTag)
{
    auto d = open();
    auto *files = find<QListWidget>(*d, "FileListBox1");
    QListWidgetItem *logo = files->findItems("LOGO.GIF", Qt::MatchExactly).value(0);
    ASSERT_NE(logo, nullptr);
    files->setCurrentItem(logo);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(logo).center());
    EXPECT_EQ(edit(*d, "EditIMGSource")->text(), "LOGO.GIF");
    EXPECT_EQ(edit(*d, "EditIMGWidth")->text(), "120");
    EXPECT_EQ(edit(*d, "EditIMGHeight")->text(), "60");
    EXPECT_EQ(find<QLabel>(*d, "Label1")->text(), "Dim: 120 X 60 pixels");
    const qint64 bytes = QFileInfo(folder.file("site/LOGO.GIF")).size();
    EXPECT_EQ(find<QLabel>(*d, "Label2")->text(), QStringLiteral("Size: %1KB").arg(bytes / 1000));
    EXPECT_EQ(find<QLabel>(*d, "Label3")->text(), folder.file("site/LOGO.GIF")); // as on disk
    EXPECT_TRUE(find<TPictureView>(*d, "ImagePreview")->StretchRatio());
    EXPECT_EQ(edit(*d, "EditDummy")->text(), "<IMG BORDER=0 HEIGHT=60 WIDTH=120 SRC=\"LOGO.GIF\">");

    // Edits rebuild: no width, an ALIGN typed freely, the relative prefix keeps its case.
    edit(*d, "EditIMGWidth")->clear();
    find<QComboBox>(*d, "ComboBoxAlign")->setEditText("Centerish");
    find<QSpinBox>(*d, "SpinBorder")->setValue(2);
    edit(*d, "EditIMGAlt")->setText("Logo");
    find<QCheckBox>(*d, "CheckISMAP")->setChecked(true);
    edit(*d, "EditRelativePath")->setText("/Data/");
    find<QCheckBox>(*d, "CheckRelative")->setChecked(true);
    EXPECT_EQ(edit(*d, "EditDummy")->text(),
              "<IMG ALIGN=Centerish BORDER=2 HEIGHT=60 ALT=\"Logo\" SRC=\"/Data/LOGO.GIF\" ISMAP>");

    // Moving the selection names the file without loading it.
    files->setCurrentItem(files->findItems("b.gif", Qt::MatchExactly).value(0));
    EXPECT_EQ(edit(*d, "EditIMGSource")->text(), "b.gif");
    EXPECT_EQ(edit(*d, "EditIMGHeight")->text(), "60");

    clickButton(*d, "BitBtnClipboard");
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(result.insert);
    EXPECT_EQ(clipboard.text(), "<IMG ALIGN=Centerish BORDER=2 HEIGHT=60 ALT=\"Logo\" SRC=\"/Data/b.gif\" ISMAP>");
    EXPECT_EQ(result.length, clipboard.text().size());
    EXPECT_EQ(d->relativeImagePath(), "/Data/");
}

TEST_F(PowerImageTest, EmptySourceStaysOpenAndBadPictureKeepsTheFields)
{
    auto d = open();
    prompts.expectInformation();
    clickButton(*d, "BitBtnInsert");
    EXPECT_EQ(prompts.last().text, "You must supply the SOURCE file name.");
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(result.insert);
    EXPECT_EQ(clipboard.text(), "");

    edit(*d, "EditIMGSource")->setText("kept.gif");
    auto *files = find<QListWidget>(*d, "FileListBox1");
    QListWidgetItem *bad = files->findItems("bad.gif", Qt::MatchExactly).value(0);
    ASSERT_NE(bad, nullptr);
    {
        const QSignalBlocker quiet(files); // only the click loads
        files->setCurrentItem(bad);
    }
    // The picture component reports first, then the dialog.
    prompts.expectError().expectInformation().expectError().expectInformation();
    d->FileListBox1Click();
    EXPECT_EQ(prompts.last().text, "Error opening file. File is corrupt or cannot handle this file type.");
    EXPECT_EQ(edit(*d, "EditIMGSource")->text(), "kept.gif");
    EXPECT_EQ(find<QLabel>(*d, "Label1")->text(), "Dim:");

    clickButton(*d, "BitBtnInsert");
    EXPECT_TRUE(result.insert);
    EXPECT_EQ(clipboard.text(), "<IMG BORDER=0 SRC=\"kept.gif\">");

    auto closed = open();
    clickButton(*closed, "Button1");
    EXPECT_FALSE(closed->isVisible());
    EXPECT_FALSE(result.insert);
}

TEST_F(PowerImageTest, OpensOnThePictureOfTheFilesTab)
{
    auto d = open(folder.file("site/LOGO.GIF"));
    EXPECT_EQ(edit(*d, "EditIMGSource")->text(), "LOGO.GIF");
    EXPECT_EQ(find<QLabel>(*d, "Label1")->text(), "File Dim: 120 X 60 pixels");
    EXPECT_TRUE(find<QLabel>(*d, "Label2")->text().startsWith("File Size: "));
    EXPECT_EQ(edit(*d, "EditDummy")->text(), "<IMG BORDER=0 HEIGHT=60 WIDTH=120 SRC=\"LOGO.GIF\">");

    prompts.expectInformation(); // an HTML file selected there is no picture
    auto html = open(folder.file("site/page.html"));
    EXPECT_EQ(prompts.last().text, "Error opening file. File is corrupt or cannot handle this file type.");
    EXPECT_EQ(edit(*html, "EditIMGSource")->text(), "");
}

// ----------------------------------------------------------------------------------------
// Power TABLE

TEST_F(PowerDialogsTest, TableOpensWithItsControls)
{
    TFormTable dialog(clipboard, result);
    EXPECT_EQ(dialog.windowTitle(), "POWER Table Tag");
    EXPECT_FALSE(result.insert);
    struct Spin {
        const char *name;
        int value, minimum, maximum, step;
    };
    const Spin spins[] = {
        {"SpinPixels", 0, 0, 1024, 10},
        {"SpinPercent", 90, 0, 100, 5},
        {"SpinBorder", 0, 0, 8, 1},
    };
    for (const Spin &s : spins) {
        auto *box = find<QSpinBox>(dialog, s.name);
        EXPECT_EQ(box->value(), s.value) << s.name;
        EXPECT_EQ(box->minimum(), s.minimum) << s.name;
        EXPECT_EQ(box->maximum(), s.maximum) << s.name;
        EXPECT_EQ(box->singleStep(), s.step) << s.name;
    }
    for (const char *name : {"SpinRows", "SpinCols", "SpinPad", "SpinSpace"})
        EXPECT_EQ(find<QSpinBox>(dialog, name)->maximum(), std::numeric_limits<int>::max()) << name;
    EXPECT_EQ(find<QSpinBox>(dialog, "SpinRows")->value(), 2);
    EXPECT_EQ(find<QSpinBox>(dialog, "SpinCols")->value(), 2);
    expectStates(dialog, {
                             {"RadioPixels", "# of pixels", true, true},
                             {"RadioPercent", "% of screen", false, true},
                             {"RadioCapTop", "Top", true, true},
                             {"RadioCapBot", "Bottom", false, true},
                             {"EditCaption", "", false, true},
                             {"BitBtn1", "OK -  Insert Table", false, true},
                             {"LabelCell1", "Cell 1", false, true},
                             {"LabelCell2", "Cell 2", false, true},
                             {"LabelCell3", "Cell 3", false, true},
                         });
    for (const char *text :
         {"# Rows", "# Col", "%", "Border Thickness", "Cell Padding", "Cell Spacing", "Table Alignment", "V Align",
          "Table Caption (optional)", "Table Dimensions", "Width", "Table Basics", "Caption", "Effect Sampler",
          "Select the # of rows and columns, then enter any data for your table in the grid below.",
          "Try changing the border, padding, or spacing values and see what happens."})
        EXPECT_TRUE(hasLabel(dialog, QString::fromUtf8(text))) << text;
    auto *grid = find<QTableWidget>(dialog, "Grid1");
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(find<QComboBox>(dialog, "ComboAlignTable")->count(), 9);
    EXPECT_EQ(find<QComboBox>(dialog, "ComboVAlign")->count(), 3);
    EXPECT_EQ(find<QComboBox>(dialog, "ComboVAlign")->currentText(), "");
}

TEST_F(PowerDialogsTest, TableGridFollowsTheSpinsAndNegativesGoBackToZero)
{
    TFormTable dialog(clipboard, result);
    dialog.show();
    auto *grid = find<QTableWidget>(dialog, "Grid1");
    find<QSpinBox>(dialog, "SpinRows")->setValue(3);
    find<QSpinBox>(dialog, "SpinCols")->setValue(1);
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->columnCount(), 1);
    find<QSpinBox>(dialog, "SpinCols")->setValue(-4);
    EXPECT_EQ(find<QSpinBox>(dialog, "SpinCols")->value(), 0);
    EXPECT_EQ(grid->columnCount(), 0);
    find<QSpinBox>(dialog, "SpinPad")->setValue(-2);
    EXPECT_EQ(find<QSpinBox>(dialog, "SpinPad")->value(), 0);
    EXPECT_FALSE(find<QLabel>(dialog, "LabelSamplerNote")->isVisible());
    clickButton(dialog, "BitBtn1");
    EXPECT_EQ(clipboard.text(), "<TABLE >\r\n<TR>\r\n</TR>\r\n<TR>\r\n</TR>\r\n<TR>\r\n</TR>\r\n</TABLE>\r\n");
}

TEST_F(PowerDialogsTest, TableSamplerAndResult)
{
    TFormTable dialog(clipboard, result);
    dialog.show();
    EXPECT_TRUE(find<QLabel>(dialog, "LabelSamplerNote")->isVisible());
    find<QSpinBox>(dialog, "SpinBorder")->setValue(2);
    find<QSpinBox>(dialog, "SpinPad")->setValue(3);
    find<QSpinBox>(dialog, "SpinSpace")->setValue(4);
    EXPECT_FALSE(find<QLabel>(dialog, "LabelSamplerNote")->isVisible());
    EXPECT_EQ(find<QFrame>(dialog, "PanelSampler")->lineWidth(), 2);
    EXPECT_EQ(find<QLabel>(dialog, "LabelCell1")->geometry(), QRect(8, 8, 41, 23));
    EXPECT_EQ(find<QLabel>(dialog, "LabelCell2")->geometry(), QRect(54, 8, 41, 23));
    EXPECT_EQ(find<QLabel>(dialog, "LabelCell3")->geometry(), QRect(8, 36, 41, 23));

    find<QSpinBox>(dialog, "SpinPixels")->setValue(200);
    find<QLineEdit>(dialog, "EditCaption")->setText("Prices");
    find<QRadioButton>(dialog, "RadioCapBot")->setChecked(true);
    find<QComboBox>(dialog, "ComboVAlign")->setEditText("MIDDLE");
    find<QSpinBox>(dialog, "SpinRows")->setValue(1);
    auto *grid = find<QTableWidget>(dialog, "Grid1");
    grid->setItem(0, 1, new QTableWidgetItem("a & <b>"));
    clickButton(dialog, "BitBtn1");
    EXPECT_FALSE(dialog.isVisible());
    const QString expected =
        "<TABLE CELLPADDING=3 CELLSPACING=4 WIDTH=200 BORDER=2 VALIGN=MIDDLE>\r\n"
        "   <CAPTION ALIGN=BOTTOM>Prices</CAPTION>\r\n<TR>\r\n    <TD></TD>\r\n    <TD>a & <b></TD>\r\n"
        "</TR>\r\n</TABLE>\r\n";
    EXPECT_EQ(clipboard.text(), expected);
    EXPECT_TRUE(result.insert);
    EXPECT_EQ(result.length, expected.size());

    TFormTable cancelled(clipboard, result);
    cancelled.show();
    clickButton(cancelled, "BitBtn2");
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_FALSE(result.insert);
}

} // namespace

TEST_F(PowerDialogsTest, PreviewPanelsShowWhole)
{
    TFormBody body(settings, prompts, clipboard, result);
    expectWholePanel(body, "PanelPreview");
    TFormImageView image(prompts, clipboard, result, QString(), folder.path(), QString());
    expectWholePanel(image, "PanelPreview");
}
