#include "FakeFilesHost.h"
#include "imaging/TestPictures.h"

#include "config/HtmlExtensions.h"
#include "config/MainLayout.h"
#include "config/Settings.h"
#include "imaging/TPictureView.h"
#include "platform/IniFile.h"
#include "project/FilesTab.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FilesTabTest : public ::testing::Test {
protected:
    FilesTabTest()
    {
        program.write("site/index.html", "<P>index</P>");
        program.write("site/page.shtml", "<P>s</P>");
        program.write("site/notes.txt", "notes");
        program.write("site/page.asp", "<P>asp</P>");
        program.write("site/LOGO.GIF", TestPictures::encodeGif(TestPictures::indexedPattern(120, 60, 4)));
        program.write("site/images/pic.gif", "x");
        program.write("fixed/only.html", "x");
        program.write("DEFAULT.INI", "[Files]\r\nLocation=" + program.file("site").toUtf8() + "\r\n");
        settings.readDefaultIni();
    }

    FilesTab &tab()
    {
        if (!m_tab) {
            m_tab = std::make_unique<FilesTab>(settings, prompts, masks, host);
            m_tab->resize(220, 500);
            m_tab->show(); // showing the tab goes to the start folder
        }
        return *m_tab;
    }
    template <typename T> T *control(const char *name)
    {
        T *found = tab().findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QStringList visible() { return itemsOf(control<QListWidget>("ListBox2")); }
    static QStringList itemsOf(const QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    void chooseFilter(const QString &caption)
    {
        auto *box = control<QComboBox>("FilterComboBox1");
        box->setCurrentIndex(box->findText(caption));
    }
    void pressOn(const QString &name, Qt::MouseButton button)
    {
        auto *list = control<QListWidget>("ListBox2");
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mousePress(list->viewport(), button, {}, list->visualItemRect(found.first()).center());
        QTest::mouseRelease(list->viewport(), button, {}, list->visualItemRect(found.first()).center());
    }

    TempProgramFolder program;
    Settings settings{program.path()};
    HtmlFileMasks masks = buildHtmlFileMasks(defaultHtmlExtensions());
    ScriptedPrompts prompts;
    FakeFilesHost host;
    std::unique_ptr<FilesTab> m_tab;
};

} // namespace

TEST_F(FilesTabTest, ShowingTheTabListsTheRememberedFolder)
{
    FilesTab &t = tab();
    EXPECT_EQ(t.currentFolder(), QDir::cleanPath(program.file("site")));
    EXPECT_EQ(control<QComboBox>("FilterComboBox1")->currentText(), "All Files");
    EXPECT_EQ(visible(), QStringList({"index.html", "LOGO.GIF", "notes.txt", "page.asp", "page.shtml"}));
    EXPECT_FALSE(control<QListWidget>("FileListBox1")->isVisible());
    EXPECT_GE(control<QComboBox>("DriveComboBox1")->count(), 1);
    EXPECT_FALSE(control<TPictureView>("ImageDummy")->isVisible());
    auto *button = control<QPushButton>("BitBtnInsertLinkImage");
    EXPECT_EQ(button->text(), "Insert Link/Image");
    EXPECT_EQ(button->toolTip(), "Insert selected graphic or HTML file as link");

    // The file list ends 38 pixels above the bottom of the tab.
    EXPECT_EQ(control<QListWidget>("ListBox2")->geometry().bottom() + 1, t.height() - MainLayout::kFileListBottomGap);
}

TEST_F(FilesTabTest, FilterSetsTheMaskAndRepeatsAreListedOnce)
{
    tab();
    chooseFilter("All Web Files");
    EXPECT_EQ(itemsOf(control<QListWidget>("FileListBox1")).count("index.html"), 2);
    EXPECT_EQ(visible(), QStringList({"index.html", "LOGO.GIF", "page.asp", "page.shtml"}));
    chooseFilter("Image Files");
    EXPECT_EQ(visible(), QStringList({"LOGO.GIF"}));
}

TEST_F(FilesTabTest, FolderTreeAndStartFolderSetting)
{
    FilesTab &t = tab();
    auto *tree = control<DirectoryListBox>("DirectoryListBox1");
    const auto sub = tree->findItems("images", Qt::MatchEndsWith);
    ASSERT_EQ(sub.size(), 1);
    Q_EMIT tree->itemActivated(sub.first());
    EXPECT_EQ(t.currentFolder(), QDir::cleanPath(program.file("site/images")));
    EXPECT_EQ(visible(), QStringList({"pic.gif"}));

    // UseSel makes every visit of the tab start in the fixed folder.
    settings.setInMemory(SettingKey::FilesSelected, program.file("fixed"));
    settings.setInMemory(SettingKey::FilesUseSel, "1");
    t.hide();
    t.show();
    EXPECT_EQ(t.currentFolder(), QDir::cleanPath(program.file("fixed")));
    EXPECT_EQ(visible(), QStringList({"only.html"}));

    // A start folder that has gone leaves the tab where it was.
    settings.setInMemory(SettingKey::FilesSelected, program.file("removed"));
    t.PageControl1Change();
    EXPECT_EQ(t.currentFolder(), QDir::cleanPath(program.file("fixed")));
}

TEST_F(FilesTabTest, StartsInTheProjectFolderAndKeepsTheFolderTheUserChose)
{
    host.openProjectFolder = program.file("fixed/");
    host.openPageFolder = program.file("site/images/");
    FilesTab &t = tab();
    const QString fixed = QDir::cleanPath(program.file("fixed"));
    const QString images = QDir::cleanPath(program.file("site/images"));
    EXPECT_EQ(t.currentFolder(), fixed);
    auto *path = control<QLineEdit>("EditFolderPath");
    EXPECT_EQ(path->text(), QDir::toNativeSeparators(fixed));

    // A folder typed or pasted into the path field is taken; one that is not there is not.
    path->setText(program.file("site/images"));
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_EQ(t.currentFolder(), images);
    EXPECT_EQ(visible(), QStringList({"pic.gif"}));
    path->setText(program.file("nowhere"));
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_EQ(t.currentFolder(), images);
    EXPECT_EQ(path->text(), QDir::toNativeSeparators(images));

    // Back from the other tab, the folder the user went to stays.
    host.openProjectFolder = program.file("site/");
    t.hide();
    t.show();
    EXPECT_EQ(t.currentFolder(), images);
}

TEST_F(FilesTabTest, WithoutAProjectThePagesFolderComesBeforeTheRememberedOne)
{
    host.openPageFolder = program.file("fixed/");
    EXPECT_EQ(tab().currentFolder(), QDir::cleanPath(program.file("fixed")));
}

TEST_F(FilesTabTest, MouseDownSelectsAndDecidesAnalyzeWebPage)
{
    FilesTab &t = tab();
    auto *analyze = control<QMenu>("PopupMenuFileInsert")->findChild<QAction *>("AnalyzeWebPage1");
    ASSERT_NE(analyze, nullptr);
    EXPECT_FALSE(analyze->isEnabled());
    pressOn("page.shtml", Qt::RightButton);
    EXPECT_EQ(t.selectedFileName(), "page.shtml");
    EXPECT_TRUE(analyze->isEnabled());
    pressOn("notes.txt", Qt::RightButton);
    EXPECT_EQ(t.selectedFileName(), "notes.txt");
    EXPECT_FALSE(analyze->isEnabled());

    pressOn("index.html", Qt::LeftButton);
    EXPECT_EQ(host.status.value(0), "File Size: 0KB");
    EXPECT_EQ(host.status.value(1), "Page Location:  ");
    QSignalSpy spy(&t, &FilesTab::analyzeWebPageRequested);
    analyze->trigger();
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.first().first().toString(), QDir::cleanPath(program.file("site")) + "/index.html");
}

TEST_F(FilesTabTest, DoubleClickOpensHtmlAndRemembersTheFolder)
{
    FilesTab &t = tab();
    auto *list = control<QListWidget>("ListBox2");
    const QString folder = t.currentFolder();
    list->setCurrentItem(list->findItems("page.asp", Qt::MatchExactly).first());
    Q_EMIT list->itemDoubleClicked(list->currentItem());
    EXPECT_EQ(host.loaded, QStringList(folder + "/page.asp"));
    EXPECT_EQ(host.editor.plainText(), "<P>asp</P>");
    EXPECT_EQ(IniFile(program.file("DEFAULT.INI")).readString("Files", "Location", ""), folder);
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(FilesTabTest, ButtonAndBothMenuItemsInsertByExtension)
{
    FilesTab &t = tab();
    auto *list = control<QListWidget>("ListBox2");
    auto *menu = control<QMenu>("PopupMenuFileInsert");
    host.editor.setPlainText("");

    control<QPushButton>("BitBtnInsertLinkImage")->click(); // nothing selected: nothing happens
    EXPECT_EQ(host.editor.plainText(), "");

    list->setCurrentItem(list->findItems("LOGO.GIF", Qt::MatchExactly).first());
    menu->findChild<QAction *>("InsertLinktoHTMLfile1")->trigger(); // the extension decides, not the item
    EXPECT_EQ(host.editor.plainText(), "<IMG WIDTH=120 HEIGHT=60 SRC=\"LOGO.GIF\">");

    host.editor.setPlainText("");
    list->setCurrentItem(list->findItems("index.html", Qt::MatchExactly).first());
    menu->findChild<QAction *>("InsertImage1")->trigger();
    EXPECT_EQ(host.editor.plainText(), "<A HREF=\"index.html\"></A>");
    EXPECT_TRUE(host.modified);
    EXPECT_TRUE(prompts.shown().empty());
    (void)t;
}

TEST(TPictureView, DrawsWithTheAspectKeptAndAutoSizes)
{
    TempProgramFolder program;
    ScriptedPrompts prompts;
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    TestPictures::writeWithQt(program.file("red.png"), red, "png");

    TPictureView view(prompts);
    view.resize(100, 100);
    view.setStretchRatio(true);
    view.setImageName(program.file("red.png"));
    EXPECT_EQ(view.ImageName(), program.file("red.png").toUpper());
    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.pixel(50, 50), qRgb(255, 0, 0)); // centre: picture
    EXPECT_NE(shot.pixel(50, 10), qRgb(255, 0, 0)); // above the 100 x 50 band
    EXPECT_EQ(shot.pixel(2, 30), qRgb(255, 0, 0));  // the band runs the full width

    view.setAutoSize(true);
    view.setStretchRatio(false);
    view.Reset();
    view.setImageName(program.file("red.png"));
    EXPECT_EQ(view.size(), QSize(40, 20));
    EXPECT_TRUE(prompts.shown().empty());
}
