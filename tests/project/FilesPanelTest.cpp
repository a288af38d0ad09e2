#include "FakeFilesHost.h"
#include "imaging/TestPictures.h"

#include "config/HtmlExtensions.h"
#include "config/Settings.h"
#include "imaging/PictureComponent.h"
#include "platform/IniFile.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace FilesPanel;

namespace {
const HtmlFileMasks kMasks = buildHtmlFileMasks(defaultHtmlExtensions());

QString maskOf(const QString &caption)
{
    for (const FilterEntry &entry : parseFilter(kMasks.filesTabFilter))
        if (entry.caption == caption)
            return entry.mask;
    return {};
}
} // namespace

TEST(FilesPanel, FilterBoxEntriesComeFromTheStartupFilter)
{
    const QList<FilterEntry> entries = parseFilter(kMasks.filesTabFilter);
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0].caption, "All Files");
    EXPECT_EQ(entries[0].mask, "*.*");
    EXPECT_EQ(entries[1].mask, "*.png;*.jpeg;*.jpg;*.gif;*.svg;*.webp");
    EXPECT_EQ(entries[2].mask, "*.html;*.htm;*.shtml;*.shtm;*.asp");
    EXPECT_EQ(entries[3].caption, "All Web Files");
    EXPECT_EQ(entries[3].mask, "*.png;*.jpeg;*.jpg;*.gif;*.svg;*.webp;*.html;*.htm;*.shtml;*.shtm;*.asp");
}

TEST(FilesPanel, MasksMatchAsTheWindowsFileSearchDoes)
{
    struct Case {
        const char *name;
        const char *mask;
        bool matches;
    };
    const Case cases[] = {
        {"LOGO.GIF", "*.gif", true},     {"logo.gif", "*.GIF", true},    {"index.html", "*.htm", true},
        {"index.htm", "*.html", false},  {"photo.jpeg", "*.jpg", false}, {"shop.aspx", "*.asp", true},
        {"README", "*.*", true},         {"a.b.c", "*.*", true},         {"archive.tar.gz", "*.gz", true},
        {"page.shtml", "*.shtm", false}, {"x.gif.txt", "*.gif", false},  {"gif", "*.gif", false},
        {"a1.txt", "a?.txt", true},      {"a12.txt", "a?.txt", false},   {"Notes.TXT", "n*.txt", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(matchesMask(c.name, c.mask), c.matches) << c.name << " against " << c.mask;
}

TEST(FilesPanel, VisibleListDropsRepeatsOfTheHiddenList)
{
    const QStringList folder = {"zeta.gif",   "index.html", "Logo.GIF", "notes.txt", "page.shtml",
                                "Index.HTML", "photo.jpeg", "a.htm",    "anim.webp", "vector.SVG"};
    const QStringList hidden = hiddenListNames(folder, maskOf("All Web Files"));
    // index.html matches *.html and (by its short name) *.htm: twice in the hidden list.
    EXPECT_EQ(hidden.count("index.html"), 2);
    const QStringList visible = withoutRepeats(hidden);
    EXPECT_EQ(visible, QStringList({"a.htm", "anim.webp", "Index.HTML", "index.html", "Logo.GIF", "page.shtml",
                                    "photo.jpeg", "vector.SVG", "zeta.gif"}));

    EXPECT_EQ(withoutRepeats(hiddenListNames(folder, maskOf("Image Files"))),
              QStringList({"anim.webp", "Logo.GIF", "photo.jpeg", "vector.SVG", "zeta.gif"}));
    EXPECT_EQ(hiddenListNames(folder, maskOf("All Files")).size(), folder.size());
    EXPECT_EQ(withoutRepeats({"a", "b", "a", "a"}), QStringList({"a", "b", "a"}));
}

TEST(FilesPanel, ListingAFolderTakesFilesOnly)
{
    TempProgramFolder folder;
    folder.write("site/index.html", "x");
    folder.write("site/pic.gif", "x");
    folder.write("site/.hidden.html", "x");
    QDir().mkpath(folder.file("site/images.gif")); // a folder, even with a picture's name
    EXPECT_EQ(listFolder(folder.file("site"), "*.*"), QStringList({"index.html", "pic.gif"}));
    EXPECT_TRUE(listFolder(folder.file("no-such-folder"), "*.*").isEmpty());
}

TEST(FilesPanel, ExtensionDecidesOpeningAndTag)
{
    struct Case {
        const char *path;
        Opening opening;
        const char *tag;
    };
    const Case cases[] = {
        {"/site/LOGO.GIF", Opening::PowerImg, "<IMG WIDTH=120 HEIGHT=60 SRC=\"LOGO.GIF\">"},
        {"/site/photo.JPG", Opening::PowerImg, "<IMG WIDTH=120 HEIGHT=60 SRC=\"photo.JPG\">"},
        {"/site/photo.jpeg", Opening::PowerImg, "<IMG WIDTH=120 HEIGHT=60 SRC=\"photo.jpeg\">"},
        {"/site/pic.png", Opening::PowerImg, "<IMG WIDTH=120 HEIGHT=60 SRC=\"pic.png\">"},
        {"/site/Drawing.SVG", Opening::PowerImg, "<IMG WIDTH=120 HEIGHT=60 SRC=\"Drawing.SVG\">"},
        {"/site/anim.webp", Opening::PowerImg, "<IMG WIDTH=120 HEIGHT=60 SRC=\"anim.webp\">"},
        {"/site/old.bmp", Opening::AskFirst, "<A HREF=\"old.bmp\"></A>"},
        {"/site/x.gif.txt", Opening::AskFirst, "<A HREF=\"x.gif.txt\"></A>"},
        {"/pics.gif/notes", Opening::AskFirst, "<A HREF=\"notes\"></A>"},
        {"/deep/folder/index.html", Opening::HtmlDocument, "<A HREF=\"index.html\"></A>"},
        {"C:\\web\\page.asp", Opening::HtmlDocument, "<A HREF=\"page.asp\"></A>"},
        {"/site/page.cgi", Opening::AskFirst, "<A HREF=\"page.cgi\"></A>"},
        {"/site/PAGE.SHTM", Opening::HtmlDocument, "<A HREF=\"PAGE.SHTM\"></A>"},
        {"/site.d/README", Opening::AskFirst, "<A HREF=\"README\"></A>"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(openingFor(c.path), c.opening) << c.path;
        const QString name = bareName(c.path);
        EXPECT_EQ(takesImgTag(c.path) ? imgTag(name, 120, 60) : linkTag(name), c.tag) << c.path;
    }
    EXPECT_EQ(extensionOf("/site.d/README"), "");
}

TEST(FilesPanel, AnalyzeWebPageNeedsAnExtensionFromTheMasks)
{
    const std::pair<const char *, bool> cases[] = {
        {"notes.txt", false}, {"page.shtml", true}, {"PAGE.HTM", true}, {"index.html", true},
        {"Makefile", false},  {"logo.gif", false},  {"shop.asp", true}, {"page.cgi", false},
    };
    for (const auto &[name, enabled] : cases)
        EXPECT_EQ(analyzeEnabled(name, kMasks.masks), enabled) << name;
    // The masks text follows the HTML-extension list.
    EXPECT_TRUE(analyzeEnabled("page.cgi", buildHtmlFileMasks({"html", "cgi"}).masks));
}

TEST(FilesPanel, StatusAndStartFolder)
{
    EXPECT_EQ(fileSizeStatus(999), "File Size: 0KB");
    EXPECT_EQ(fileSizeStatus(1000), "File Size: 1KB");
    EXPECT_EQ(fileSizeStatus(123456), "File Size: 123KB");

    TempProgramFolder program;
    Settings settings(program.path());
    settings.setInMemory(SettingKey::FilesLocation, "/remembered");
    settings.setInMemory(SettingKey::FilesSelected, "/fixed");
    settings.setInMemory(SettingKey::FilesUseSel, "0");
    EXPECT_EQ(fixedStartFolder(settings), "");
    settings.setInMemory(SettingKey::FilesUseSel, "1");
    EXPECT_EQ(fixedStartFolder(settings), "/fixed");
    // Without a fixed folder: the project's, then the page's, then the remembered one.
    EXPECT_EQ(startFolderChoices(settings, "/site/", "/site/sub/"),
              QStringList({"/site/", "/site/sub/", "/remembered"}));
    EXPECT_EQ(startFolderChoices(settings, "", "/page/"), QStringList({"/page/", "/remembered"}));
    settings.setInMemory(SettingKey::FilesLocation, "");
    EXPECT_TRUE(startFolderChoices(settings, "", "").isEmpty());

    EXPECT_EQ(driveOf("/home/user", {"/"}), "/");
    EXPECT_EQ(driveOf("d:/web/site", {"C:/", "D:/"}), "D:/");
    EXPECT_EQ(driveOf("/mnt/x", {}), "");
}

namespace {

class FilesActionsTest : public ::testing::Test {
protected:
    FilesActionsTest()
    {
        settings.setInMemory(SettingKey::FilesLocation, program.path());
        measurer.setMeasureOnly(true);
    }

    QString site() const { return program.file("site"); }

    TempProgramFolder program;
    Settings settings{program.path()};
    ScriptedPrompts prompts;
    FakeFilesHost host;
    PictureComponent measurer{prompts};
    FilesPanelActions actions{settings, prompts, host, measurer};
};

} // namespace

TEST_F(FilesActionsTest, InsertPutsTheTagBeforeTheSelectionAndSelectsIt)
{
    const QImage logo = TestPictures::indexedPattern(120, 60, 4);
    program.write("site/LOGO.GIF", TestPictures::encodeGif(logo));
    program.write("site/sub/index.html", "<P>");

    host.editor.setPlainText("Hello world\nline two");
    host.editor.setSelection(6, 5); // "world"
    ASSERT_TRUE(actions.insertLinkOrImage(site() + "/LOGO.GIF"));
    const QString img = "<IMG WIDTH=120 HEIGHT=60 SRC=\"LOGO.GIF\">";
    EXPECT_EQ(host.editor.plainText(), "Hello " + img + "world\nline two");
    EXPECT_EQ(host.editor.selStart(), 6);
    EXPECT_EQ(host.editor.selectedText(), img);
    EXPECT_TRUE(host.modified);

    host.editor.setSelection(0, 0);
    ASSERT_TRUE(actions.insertLinkOrImage(site() + "/sub/index.html"));
    EXPECT_EQ(host.editor.selectedText(), "<A HREF=\"index.html\"></A>");
    EXPECT_TRUE(prompts.shown().empty());

    EXPECT_FALSE(actions.insertLinkOrImage(QString())); // nothing selected
}

TEST_F(FilesActionsTest, PictureIsNamedAsTheOpenPageSeesIt)
{
    const QByteArray gif = TestPictures::encodeGif(TestPictures::indexedPattern(8, 4, 2));
    program.write("site/images/Logo.gif", gif);
    program.write("site/Top.GIF", gif);
    QDir().mkpath(program.file("pics"));
    ASSERT_FALSE(TestPictures::writeWithQt(program.file("pics/dot.png"), TestPictures::pattern(3, 2), "png").isEmpty());
    const struct {
        QString page, picture, tag;
    } cases[] = {
        {site() + "/", site() + "/images/Logo.gif", "<IMG WIDTH=8 HEIGHT=4 SRC=\"images/Logo.gif\">"},
        {site() + "/", site() + "/Top.GIF", "<IMG WIDTH=8 HEIGHT=4 SRC=\"Top.GIF\">"},
        {site() + "/images/", site() + "/Top.GIF", "<IMG WIDTH=8 HEIGHT=4 SRC=\"../Top.GIF\">"},
        {site() + "/", program.file("pics/dot.png"), "<IMG WIDTH=3 HEIGHT=2 SRC=\"../pics/dot.png\">"},
        {QString(), site() + "/images/Logo.gif", "<IMG WIDTH=8 HEIGHT=4 SRC=\"Logo.gif\">"}, // never saved
    };
    for (const auto &c : cases) {
        host.openPageFolder = c.page;
        host.editor.setPlainText(QString());
        ASSERT_TRUE(actions.insertLinkOrImage(c.picture)) << c.picture.toStdString();
        EXPECT_EQ(host.editor.plainText(), c.tag) << c.page.toStdString();
    }
    // A link to a page keeps the bare name.
    host.openPageFolder = site() + "/";
    program.write("site/sub/index.html", "<P>");
    ASSERT_TRUE(actions.insertLinkOrImage(site() + "/sub/index.html"));
    EXPECT_EQ(host.editor.selectedText(), "<A HREF=\"index.html\"></A>");
}

TEST_F(FilesActionsTest, PictureThatCannotBeMeasuredInsertsNothing)
{
    program.write("site/good.gif", TestPictures::encodeGif(TestPictures::indexedPattern(7, 5, 2)));
    program.write("site/broken.gif", QByteArray("GIF89a\0\0\0\0", 10)); // a 0 x 0 screen
    host.editor.setPlainText("text");
    host.editor.setSelection(0, 4);

    // The component's own boxes come first, then the tab's.
    prompts.expectError().expectInformation().expectError().expectInformation();
    EXPECT_FALSE(actions.insertLinkOrImage(site() + "/broken.gif"));
    EXPECT_EQ(prompts.shownTexts().mid(1, 1), QStringList("Reading gif file failed"));
    EXPECT_EQ(prompts.last().text, "Error opening file. File is corrupt or cannot handle this file type.");

    // A file gone since it was listed: the facts of the picture before must not be used.
    ASSERT_TRUE(actions.insertLinkOrImage(site() + "/good.gif"));
    host.editor.setPlainText("text");
    host.modified = false;
    prompts.clear();
    prompts.expectInformation();
    EXPECT_FALSE(actions.insertLinkOrImage(site() + "/vanished.gif"));
    EXPECT_EQ(prompts.shownTexts(),
              QStringList("Error opening file. File is corrupt or cannot handle this file type."));
    EXPECT_EQ(host.editor.plainText(), "text");
    EXPECT_FALSE(host.modified);
}

TEST_F(FilesActionsTest, DoubleClickOpensByExtensionAndRemembersTheFolder)
{
    program.write("DEFAULT.INI", "[Files]\r\nLocation=/elsewhere\r\n");
    program.write("site/page.asp", "<P>asp</P>");
    program.write("site/page.cgi", "#!/bin/sh");
    program.write("site/LOGO.GIF", "x");

    actions.open(site(), "page.asp");
    EXPECT_EQ(host.loaded, QStringList(site() + "/page.asp"));
    EXPECT_EQ(host.browserPane, QStringList(site() + "/page.asp"));
    EXPECT_EQ(host.editor.plainText(), "<P>asp</P>");
    EXPECT_EQ(IniFile(program.file("DEFAULT.INI")).readString("Files", "Location", ""), site());
    EXPECT_EQ(settings.text(SettingKey::FilesLocation), site());

    // Another type asks first; No leaves everything alone, Yes opens without the browser pane.
    prompts.expectConfirm(false).expectConfirm(true);
    actions.open(site(), "page.cgi");
    EXPECT_EQ(host.loaded.size(), 1);
    actions.open(site(), "page.cgi");
    EXPECT_EQ(host.loaded.last(), site() + "/page.cgi");
    EXPECT_EQ(host.browserPane.size(), 1);
    EXPECT_EQ(prompts.shownTexts(),
              QStringList(2, "This does not appear to be a valid HTML file type. Do you wish to open it in the editing "
                             "window anyways?"));

    actions.open(site(), "LOGO.GIF");
    EXPECT_EQ(host.powerImg, QStringList(site() + "/LOGO.GIF"));
    EXPECT_EQ(host.loaded.size(), 2);
}

TEST_F(FilesActionsTest, OpeningStopsOnCancelAndReportsAFileThatCannotBeRead)
{
    host.saveAnswer = Answer::Cancel;
    program.write("site/a.html", "x");
    actions.open(site(), "a.html");
    EXPECT_EQ(host.questions, 1);
    EXPECT_TRUE(host.loaded.isEmpty());

    host.saveAnswer = Answer::No;
    prompts.expectInformation();
    actions.open(site(), "gone.html");
    EXPECT_EQ(host.loaded, QStringList(site() + "/gone.html"));
    EXPECT_TRUE(host.browserPane.isEmpty());
    EXPECT_EQ(prompts.shownTexts(),
              QStringList("Cannot open this file. Has it been moved, renamed, or deleted? Please right-click it and "
                          "select \"Change file link\" to re-establish the file link.\n\nCannot read \"" +
                          site() + "/gone.html\": the file does not exist."));

    // A pipe is refused at once (it would block the window) and named with its reason.
    ASSERT_EQ(::mkfifo(QFile::encodeName(site() + "/pipe.html").constData(), 0600), 0);
    prompts.expectInformation();
    actions.open(site(), "pipe.html");
    EXPECT_TRUE(
        prompts.last().text.endsWith("Cannot read \"" + site() + "/pipe.html\": it is a pipe (FIFO), not a file."))
        << prompts.last().text.toStdString();
}

TEST_F(FilesActionsTest, SelectingShowsTheSizeInKilobytes)
{
    program.write("site/big.html", QByteArray(12345, 'x'));
    actions.showFileSize(site() + "/big.html");
    EXPECT_EQ(host.status.value(0), "File Size: 12KB");
    EXPECT_EQ(host.status.value(1), "Page Location:  ");
    host.status.clear();
    actions.showFileSize(site() + "/gone.html"); // errors are ignored
    EXPECT_TRUE(host.status.isEmpty());
}
