#include "testsupport/TempProgramFolder.h"
#include "tools/PageScans.h"
#include "tools/SiteAnalysis.h"
#include "tools/SiteFiles.h"
#include "tools/SiteProjects.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {
std::optional<QByteArray> bytesOf(const char *text)
{
    return QByteArray(text);
}
} // namespace

TEST(PageScans, LinesEndAtCrLfLoneCrAndLoneLf)
{
    QStringList lines;
    PageScans::forEachLine("a\r\nb\rc\nd\r\n\r\ne", [&lines](QByteArrayView line, int number) {
        lines << QStringLiteral("%1:%2").arg(number).arg(QString::fromLatin1(line));
        return true;
    });
    EXPECT_EQ(lines, QStringList({"0:a", "1:b", "2:c", "3:d", "4:", "5:e"}));
}

TEST(PageScans, PicturesAreQuotedPictureValuesCutToTheirNamesAsWritten)
{
    const struct {
        const char *page;
        QStringList pictures;
    } cases[] = {
        {"<IMG SRC=\"pics/a.gif\">\r\n<BODY BACKGROUND=\"A.GIF\">", {"a.gif", "A.GIF"}},
        {"<A HREF=\"x\\y\\Photo.JPG\">\"loose.gif\"", {"Photo.JPG", "loose.gif"}},
        {"<IMG SRC=a.gif> <IMG SRC=\"b.png\"> <IMG SRC=\"c.JPEG\">", {"b.png", "c.JPEG"}},
        {"\"d.svg\" \"e.webp\" \"f.bmp\" \"g.gif.txt\" \"pics.gif/\" \"x.png?v=2\"", {"d.svg", "e.webp"}},
        {"<IMG SRC=\"split\r\n.gif\">", {}}, // a value over two lines
        {"<IMG ALT=\"x\" SRC=\"one.gif\" TITLE=\"two.jpg\">", {"one.gif", "two.jpg"}},
        {"\"a.gif\" \"unclosed.gif", {"a.gif"}},
        {"<A HREF=\"x\r<IMG SRC=\"b.gif\">\n\"c.jpg\"", {"b.gif", "c.jpg"}}, // an unpaired quote ends with its line
        {"<IMG SRC=\"\xC3\x89t\xC3\xA9.GIF\">", {QString::fromUtf8("\xC3\x89t\xC3\xA9.GIF")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PageScans::pictures(c.page), c.pictures) << c.page;
}

TEST(PageScans, LinksAreTheFirstQuotedValueOfATagWithHref)
{
    const struct {
        const char *line;
        QStringList links;
    } cases[] = {
        {"<A HREF=\"index.html\">Home</A>", {"index.html"}},
        {"<a href=\"One.html\">1</a> <a href=\"two.html\">2</a>", {"One.html", "two.html"}},
        {"<A HREF=index.html>Home</A>", {}},               // not in quotes
        {"<A NAME=\"top\" HREF=\"index.html\">", {"top"}}, // its first quoted value
        {"\"quoted\" <A HREF=\"x.html\">", {}},            // a quote earlier on the line
        {"a > b <A HREF=\"x.html\">", {}},                 // a stray ">" first
        {"<A Href=\"x.html\">", {}},                       // neither href nor HREF
        {"<A\r\nHREF=\"x.html\">", {}},                    // a tag over two lines
        {"<P>text</P>", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PageScans::links(c.line), c.links) << c.line;
}

TEST(PageScans, SearchIsCaseInsensitiveAndNumbersLinesFromZero)
{
    const struct {
        const char *text;
        const char *page;
        QList<int> lines;
    } cases[] = {
        {"Old Address", "old address here\r\nnothing\r\nOLD ADDRESS\r\n", {0, 2}},
        {"x", "", {}},
        {"ab", "a\r\nb", {}},                                   // never across a line end
        {"k", "\xE2\x84\xAA", {0}},                             // the Kelvin sign lower-cases to k
        {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89\r\nete", {0}}, // accented text, lower-cased
        {"caf\xC3\xA9", "CAF\xC9\n", {0}},                      // a Latin-1 page
        {"a", "a\ra\na\r\n", {0, 1, 2}},
        {"b", "a\rb\r\nb b\nb", {1, 2, 3}}, // a line with two matches counts once
        {"end", "a\r\n\r\nthe END", {2}},
        {"x", "x", {0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PageScans::TextSearch(QString::fromUtf8(c.text)).matchingLines(c.page), c.lines) << c.text;
    EXPECT_EQ(PageScans::TextSearch(QString()).matchingLines("anything"), QList<int>());
}

TEST(PageScans, SearchAgreesWithLowerCasedLinesOnLongPages)
{
    // Matches at every offset of long lines, in mixed case, near-misses and line ends of
    // every kind, checked against a plain lower-cased comparison of each line.
    const QByteArray variants[] = {"Old Address", "OLD ADDRESS",  "old addresS",
                                   "old adress",  "old  address", "ld address"};
    const char *breaks[] = {"\r\n", "\n", "\r"};
    for (const char *lineBreak : breaks) {
        QByteArray page;
        for (int line = 0; line < 120; ++line) {
            page += QByteArray(line % 37, 'x');
            if (line % 3 != 1)
                page += variants[line % 6];
            page += QByteArray(line % 5, ' ') + lineBreak;
        }
        QList<int> expected;
        const QStringList lines = QString::fromLatin1(page).split(QString::fromLatin1(lineBreak));
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].toLower().contains("old address"))
                expected << i;
        EXPECT_EQ(PageScans::TextSearch("old ADDRESS").matchingLines(page), expected) << lineBreak;
        EXPECT_FALSE(expected.isEmpty());
    }
}

TEST(SiteAnalysis, OneUniqueImageFromTwoSpellingsFoundAsSpelledOnDisk)
{
    TempProgramFolder folder;
    folder.write("images/Big.GIF", QByteArray(2500, 'x'));
    folder.write("images/small.png", QByteArray(1500, 'x'));
    SiteAnalysis::PictureSizes sizes;
    const SiteAnalysis::PageReport report = SiteAnalysis::analyzePage(
        "Home", "/Site/Index.html",
        bytesOf("<IMG SRC=\"pics/big.gif\">\r\n<BODY BACKGROUND=\"BIG.GIF\"><IMG SRC=\"Small.PNG\">\r\n"),
        folder.file("images/"), sizes);
    EXPECT_EQ(report.row.value(2), "2");
    EXPECT_EQ(report.row.value(3), "3KB");
    EXPECT_EQ(report.summary.mid(1, 1), QStringList("HTML File Location:  /Site/Index.html"));
    EXPECT_EQ(report.summary.mid(4, 2), QStringList({"2KB       " + folder.file("images/Big.GIF"),
                                                     "1KB       " + folder.file("images/small.png")}));
    EXPECT_FALSE(report.pictureError);

    EXPECT_EQ(SiteAnalysis::pageImageReport("Home", "/Site/Index.html", folder.file("images/"),
                                            {"small.PNG", "big.gif", "Gone.gif", "BIG.GIF"}, sizes),
              QStringList({"Image File Report For Page: Home", "HTML File Location:  /Site/Index.html",
                           "These are the images included on this web page:", "===================================",
                           folder.file("images/Big.GIF"), folder.file("images/Gone.gif"),
                           folder.file("images/small.png"), " "}));
}

TEST(SiteAnalysis, SizesAreWholeKilobytesPerFileBeforeAdding)
{
    TempProgramFolder folder;
    folder.write("img/one.gif", QByteArray(1999, 'x'));
    folder.write("img/two.jpg", QByteArray(2999, 'x'));
    QByteArray page = "<IMG SRC=\"one.gif\"><IMG SRC=\"two.jpg\">\r\n";
    page += QByteArray(5499 - page.size(), ' ');
    SiteAnalysis::PictureSizes sizes;
    const auto report = SiteAnalysis::analyzePage("Home", "/s/Index.html", page, folder.file("img/"), sizes);
    EXPECT_EQ(report.row, QStringList({"Home", "5KB", "2", "3KB", "2 sec", "4 sec"}));
    EXPECT_EQ(report.summary,
              QStringList({"Data For Page: Home", "HTML File Location:  /s/Index.html",
                           "===================================", "Embedded Images.....",
                           "1KB       " + folder.file("img/one.gif"), "2KB       " + folder.file("img/two.jpg"),
                           AnalysisTexts::starLine, "Unique Images: 2   Total File Size of Images: 3KB",
                           "HTML File Size: 5KB   Total Files to Load: 8KB", AnalysisTexts::starLine, " "}));
    const struct {
        qint64 kb, t28, t14;
    } times[] = {{100, 27, 52}, {0, 0, 0}, {3, 0, 1}, {8, 2, 4}, {20, 5, 10}};
    for (const auto &t : times) {
        EXPECT_EQ(SiteAnalysis::seconds28(t.kb), t.t28) << t.kb;
        EXPECT_EQ(SiteAnalysis::seconds14(t.kb), t.t14) << t.kb;
    }
}

TEST(SiteAnalysis, MissingPictureAndUnreadablePage)
{
    TempProgramFolder folder;
    SiteAnalysis::PictureSizes sizes;
    const auto missing =
        SiteAnalysis::analyzePage("P", "/p.html", bytesOf("<IMG SRC=\"gone.gif\">"), folder.file("i/"), sizes);
    EXPECT_TRUE(missing.pictureError);
    EXPECT_EQ(missing.row.value(3), "**0KB");
    EXPECT_TRUE(missing.summary.contains("**Cannot access file       " + folder.file("i/gone.gif")));
    EXPECT_TRUE(missing.summary.contains(AnalysisTexts::makeSureExists));

    const auto unreadable = SiteAnalysis::analyzePage("Lost", "/x/lost.html", std::nullopt, "/i/", sizes);
    EXPECT_EQ(unreadable.outcome, SiteAnalysis::PageReport::Outcome::Unreadable);
    EXPECT_EQ(unreadable.message, "Could not open file \"/x/lost.html\".");
    EXPECT_EQ(unreadable.row, QStringList({"Lost", "ERROR", "", "", "Cannot access file.", ""}));
    EXPECT_EQ(unreadable.summary.value(0), "Error For Page: Lost");

    const auto stopped =
        SiteAnalysis::analyzePage("P", "/p.html", bytesOf("\"a.gif\""), "/i/", sizes, [] { return true; });
    EXPECT_EQ(stopped.outcome, SiteAnalysis::PageReport::Outcome::Stopped);
    EXPECT_TRUE(stopped.row.isEmpty());
}

TEST(SiteAnalysis, ListingsSortWithoutCaseAndDropExactRepeats)
{
    EXPECT_EQ(SiteAnalysis::sortedUnique({"index.html", "b.html", "Index.html", "index.html", "Index.html"}),
              QStringList({"b.html", "Index.html", "index.html"}));
    const QStringList report = SiteAnalysis::linkReport("Home", "/s/a.html", {"z.html", "a.html", "z.html"});
    EXPECT_EQ(report, QStringList({"URL Link report for page: Home", "HTML File Location:  /s/a.html",
                                   "The following HREF links have been found on this page:",
                                   "======================================================", "a.html", "z.html"}));
    SiteAnalysis::PictureSizes sizes;
    EXPECT_EQ(SiteAnalysis::siteImageReport("site.out", "/img/", {"b.gif", "a.gif", "b.gif"}, sizes),
              QStringList({"Image File Report For Site: SITE.OUT",
                           "These are the images included on the pages within this site:",
                           "===================================", "/img/a.gif", "/img/b.gif", " "}));
}

TEST(SiteAnalysis, SearchReportLines)
{
    const QStringList header =
        SiteAnalysis::searchHeader(QDateTime(QDate(2026, 12, 8), QTime(14, 30, 5)), "MYSITE.OUT", "Old Address");
    EXPECT_EQ(header, QStringList({"Report generated by Tovarel Pro:  2:30:05 PM", " ",
                                   "SHOW ME WHERE report for Project: MYSITE", "Search for Text: Old Address",
                                   "This text was found on the following pages:",
                                   "======================================================"}));
    EXPECT_EQ(SiteAnalysis::foundLine("/site/Pages/a.html", {0, 4, 9}, false),
              "HTML File:  /site/Pages/a.html   Line#0, #4, #9");
    EXPECT_EQ(SiteAnalysis::foundLine("/site/Pages/a.html", {3}, true), "HTML File:  a.html   Line#3");
    EXPECT_EQ(SiteAnalysis::withSeparator("/img"), "/img/");
    EXPECT_EQ(SiteAnalysis::withSeparator("c:\\img\\"), "c:\\img\\");
}

TEST(SiteFiles, ReplacementFoldsOnlyAToZAndNeverOverlaps)
{
    const struct {
        const char *text, *search, *replacement;
        bool matchCase;
        const char *result;
        int count;
    } cases[] = {
        {"Foo fOO foo bar", "foo", "FOO", false, "FOO FOO FOO bar", 3},
        {"Foo fOO foo", "foo", "FOO", true, "Foo fOO FOO", 1},
        {"aaaa", "aa", "a", false, "aa", 2},
        {"aaa", "a", "aa", false, "aaaaaa", 3}, // the inserted text is not searched again
        {"\xC3\x89t\xC3\xA9 \xC3\xA9t\xC3\xA9", "\xC3\x89t\xC3\xA9", "x", false, "x \xC3\xA9t\xC3\xA9", 1},
        {"abc", "", "x", false, "abc", 0},
        {"line\r\nline\n", "LINE", "row", false, "row\r\nrow\n", 2},
    };
    for (const auto &c : cases) {
        int count = -1;
        EXPECT_EQ(SiteFiles::replaceBytes(QByteArray(c.text), QByteArray(c.search), QByteArray(c.replacement),
                                          c.matchCase, &count),
                  QByteArray(c.result))
            << c.text;
        EXPECT_EQ(count, c.count) << c.text;
        EXPECT_EQ(SiteFiles::replaceText(QString::fromUtf8(c.text), QString::fromUtf8(c.search),
                                         QString::fromUtf8(c.replacement), c.matchCase),
                  QString::fromUtf8(c.result))
            << c.text;
    }
}

TEST(SiteFiles, FilesAreReplacedWholeAndOnlyWhenTheyMatch)
{
    TempProgramFolder folder;
    const QByteArray latin1 = "caf\xE9 old\r\nOLD\n";
    const QString page = folder.write("a.html", latin1);
    const QString untouched = folder.write("b.html", "nothing \xFF here\r\n");
    EXPECT_EQ(SiteFiles::replaceInFile(page, "old", "new", false), SiteFiles::FileOutcome::Replaced);
    EXPECT_EQ(folder.read("a.html"), QByteArray("caf\xE9 new\r\nnew\n"));
    EXPECT_EQ(SiteFiles::replaceInFile(page, QString::fromUtf8("caf\xC3\xA9"), QString::fromUtf8("caf\xC3\xA8"), true),
              SiteFiles::FileOutcome::Replaced);
    EXPECT_EQ(folder.read("a.html"), QByteArray("caf\xE8 new\r\nnew\n")); // stays Latin-1
    EXPECT_EQ(SiteFiles::replaceInFile(untouched, "old", "new", false), SiteFiles::FileOutcome::Unchanged);
    EXPECT_EQ(folder.read("b.html"), QByteArray("nothing \xFF here\r\n"));
    EXPECT_EQ(SiteFiles::replaceInFile(folder.file("missing.html"), "a", "b", false),
              SiteFiles::FileOutcome::Unreadable);
    EXPECT_FALSE(folder.exists("missing.html"));

    // A replacement Latin-1 cannot hold turns the page into UTF-8 rather than losing it.
    EXPECT_EQ(SiteFiles::replaceInFile(page, "new", QString::fromUtf8("\xE2\x82\xAC"), false),
              SiteFiles::FileOutcome::Replaced);
    EXPECT_EQ(folder.read("a.html"), QByteArray("caf\xC3\xA8 \xE2\x82\xAC\r\n\xE2\x82\xAC\n"));

    // A name so long that no temporary file can be made beside it: read, but never written.
    const QString longName = QString(250, 'p') + ".htm";
    const QString stuck = folder.write(longName, "old text\r\n");
    EXPECT_EQ(SiteFiles::replaceInFile(stuck, "old", "new", false), SiteFiles::FileOutcome::WriteFailed);
    EXPECT_EQ(folder.read(longName), QByteArray("old text\r\n"));
}

TEST(SiteFiles, ReplacedFilesKeepTheirPermissionsAndLinks)
{
    TempProgramFolder folder;
    const QString page = folder.write("site/a.html", "old");
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(page, mode);
    ASSERT_TRUE(QFile::link(page, folder.file("site/link.html")));
    EXPECT_EQ(SiteFiles::replaceInFile(folder.file("site/link.html"), "old", "new", false),
              SiteFiles::FileOutcome::Replaced);
    EXPECT_TRUE(QFileInfo(folder.file("site/link.html")).isSymLink());
    EXPECT_EQ(folder.read("site/a.html"), QByteArray("new"));
    const int ownerGroupOther = 0x7077;
    EXPECT_EQ(int(QFile::permissions(page)) & ownerGroupOther, int(mode) & ownerGroupOther);
    // No temporary file is left beside the page.
    EXPECT_EQ(QDir(folder.file("site")).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
    EXPECT_FALSE(SiteFiles::readWhole(folder.file("site")).has_value()); // a folder is no page
}

TEST(SiteFiles, DateFolderAndSafeNames)
{
    EXPECT_EQ(SiteFiles::dateFolderName(QDate(2026, 12, 7)), "12_7_2026");
    EXPECT_EQ(SiteFiles::dateFolderName(QDate(2027, 1, 15)), "1_15_2027");
    for (const char *bad : {"", ".", "..", "a/b", "..\\x", "/tmp", "c:x"})
        EXPECT_FALSE(SiteFiles::isPlainFolderName(bad)) << bad;
    for (const char *good : {"12_8_2026", "mysite_12_8_2026", "a..b", "my backup"})
        EXPECT_TRUE(SiteFiles::isPlainFolderName(good)) << good;
}

TEST(SiteFiles, SameNamedFilesFromOtherFoldersGoIntoSubFolders)
{
    const QList<SiteFiles::Copy> plan =
        SiteFiles::planCopies({"/site/index.html", "/site/b/index.html", "/other/b/INDEX.html", "/site/b/index.html",
                               "/site/b", "/x/site.fil"},
                              {"site.fil", "site.out"});
    QStringList targets;
    for (const SiteFiles::Copy &copy : plan)
        targets << copy.target;
    EXPECT_EQ(targets, QStringList({"index.html", "b/index.html", "b_2/INDEX.html", "site/b", "x/site.fil"}));
}

TEST(SiteFiles, CopiesAreByteExactInsideTheFolder)
{
    TempProgramFolder folder;
    const QByteArray bytes("\xFF\xFE<P>\r\n\x00x", 9);
    const QString source = folder.write("site/b/index.html", bytes);
    QDir().mkpath(folder.file("backup/run"));
    EXPECT_TRUE(SiteFiles::copyInto(source, folder.file("backup/run/"), "b/index.html"));
    EXPECT_EQ(folder.read("backup/run/b/index.html"), bytes);
    folder.write("backup/run/index.html", "old");
    EXPECT_TRUE(SiteFiles::copyInto(source, folder.file("backup/run/"), "index.html"));
    EXPECT_EQ(folder.read("backup/run/index.html"), bytes);
    EXPECT_FALSE(SiteFiles::copyInto(folder.file("site/none.html"), folder.file("backup/run/"), "none.html"));
    EXPECT_FALSE(folder.exists("backup/run/none.html"));
}

TEST(SiteProjects, ShownNamesMapBackToTheRealFiles)
{
    TempProgramFolder folder;
    folder.write("projects/MySite.out", "Home\r\n\tAbout\r\n");
    folder.write("projects/MySite.fil", "/s/index.html\r\n/s/about.html\r\n");
    folder.write("projects/other.OUT", "");
    folder.write("projects/notes.txt", "");
    const QString projects = folder.file("projects/");
    EXPECT_EQ(SiteProjects::list(projects), QStringList({"MYSITE.OUT", "OTHER.OUT"}));
    const std::optional<ProjectModel> site = SiteProjects::read(projects, "MYSITE.OUT");
    ASSERT_TRUE(site.has_value());
    EXPECT_EQ(site->pageCount(), 2);
    EXPECT_EQ(site->pathOf(1), "/s/about.html");
    EXPECT_FALSE(SiteProjects::read(projects, "OTHER.OUT").has_value()); // its path file is missing
    EXPECT_FALSE(SiteProjects::readPaths(projects, "TYPED.OUT").has_value());
    EXPECT_EQ(SiteProjects::indexOf(SiteProjects::list(projects), "mysite.out"), 0);
}
