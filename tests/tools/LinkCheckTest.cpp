#include "tools/LinkCheck.h"
#include "testsupport/TempProgramFolder.h"
#include "tools/PageScans.h"

#include <QDir>

#include <gtest/gtest.h>

using LinkCheck::Finding;
using LinkCheck::Problem;

namespace {
QStringList referencesOf(const char *page)
{
    QStringList found;
    PageScans::forEachReference(page, [&found](QByteArrayView value, int line) {
        found << QStringLiteral("%1:%2").arg(line).arg(QString::fromUtf8(value));
    });
    return found;
}
} // namespace

TEST(PageScans, ReferencesAreTheFileValuesOfTheirTagsWithTheLineTheyStartOn)
{
    const struct {
        const char *page;
        QStringList references;
    } cases[] = {
        {"<A HREF=\"a.html\"><IMG SRC=\"p.gif\"></A>", {"0:a.html", "0:p.gif"}},
        {"<link rel=stylesheet href=s.css><script src='j.js'></script>", {"0:s.css", "0:j.js"}},
        {"<FRAME SRC=\"f.html\"><iframe src=\"i.html\"><area href=\"m.html\">", {"0:f.html", "0:i.html", "0:m.html"}},
        {"<BODY BACKGROUND=\"b.gif\"><td background=\"c.gif\"><Table BackGround=d.gif>",
         {"0:b.gif", "0:c.gif", "0:d.gif"}},
        {"<A\r\nNAME=\"top\"\r\nHREF\r\n=\r\n\"x.html\">", {"4:x.html"}}, // a tag over lines
        {"<a href=\"one\ntwo\">", {"0:one\ntwo"}},                        // a value over lines
        {"a\rb\r<a href=x>", {"2:x"}},                                    // lone CR line ends
        {"<!-- <A HREF=\"gone.html\"> -->\n<A HREF=\"here.html\">", {"1:here.html"}},
        {"<script>document.write('<a href=\"js.html\">')</SCRIPT><a href=y>", {"0:y"}},
        {"<style>p { background: url(<img src=z.gif>) }</style>", {}},
        {"<P HREF=\"p.html\"><BASE HREF=\"b/\"><IMG HREF=\"i.gif\"><A SRC=\"s.html\">", {}}, // other pairs
        {"<ABBR href=\"x\"> <Anchor href=\"y\">", {}},                                       // longer names
        {"<A HREF=\"\" NAME=\"n\">", {"0:"}},
        {"<a href=\"unclosed.html>text", {"0:unclosed.html>text"}},
        {"1 < 2 and <a href=ok.html", {"0:ok.html"}},
        {"<img alt=\"a > b\" src=\"after.gif\">", {"0:after.gif"}}, // a ">" inside quotes
    };
    for (const auto &c : cases)
        EXPECT_EQ(referencesOf(c.page), c.references) << c.page;
}

TEST(LinkCheck, SiteFolderIsTheDeepestFolderHoldingEveryPage)
{
    const struct {
        QStringList pages;
        QString folder;
    } cases[] = {
        {{"/w/site/index.html", "/w/site/sub/a.html"}, "/w/site/"},
        {{"/w/site/sub/a.html", "/w/site/index.html"}, "/w/site/"},
        {{"/w/bc/x.html", "/w/bd/y.html"}, "/w/"}, // whole folder names only
        {{"/w/site/../site/x.html"}, "/w/site/"},
        {{"/x.html", "/y/z.html"}, "/"},
        {{}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LinkCheck::siteFolderOf(c.pages), c.folder) << c.pages.join(' ').toStdString();
    EXPECT_FALSE(LinkCheck::holdsOrphans("/"));
    EXPECT_FALSE(LinkCheck::holdsOrphans(QDir::homePath() + "/"));
    EXPECT_FALSE(LinkCheck::holdsOrphans(""));
    EXPECT_TRUE(LinkCheck::holdsOrphans("/w/site/"));
}

namespace {
class LinkCheckerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *file : {"site/index.html", "site/about.html", "site/pics/a.gif", "site/pics/Logo.GIF",
                                 "site/sub/index.html", "site/a b.html", "site/x&y.html", "site/unused.png",
                                 "site/old/notes.txt", "site/.git/config", "outside/x.gif"})
            folder.write(file, "x");
        site = folder.file("site/");
    }

    QString page(const char *name) const { return site + QLatin1String(name); }

    TempProgramFolder folder;
    QString site;
};
} // namespace

TEST_F(LinkCheckerTest, EachReferenceIsFoundOrReportedWithItsProblem)
{
    const struct {
        const char *value;
        std::optional<Problem> problem;
        QString detail;
    } cases[] = {
        {"about.html", {}, {}},
        {"pics/a.gif?size=2#top", {}, {}}, // query and fragment are no part of the file
        {"a%20b.html", {}, {}},            // %-escapes decoded
        {"x&amp;y.html", {}, {}},
        {"/about.html", {}, {}}, // from the top of the site
        {"./sub/../about.html", {}, {}},
        {"sub/", {}, {}},
        {"#top", {}, {}},
        {"", {}, {}},
        {"javascript:history.back()", {}, {}},
        {"About.html", Problem::LetterCase, "about.html"},
        {"pics/logo.gif", Problem::LetterCase, "pics/Logo.GIF"},
        {"PICS/a.gif", Problem::LetterCase, "pics/a.gif"}, // a folder in another case
        {"missing.html", Problem::Missing, {}},
        {"pics\\a.gif", Problem::Missing, LinkCheckTexts::backslash},
        {"../outside/x.gif", Problem::OutsideSite, {}},
        {"../outside/none.gif", Problem::OutsideSite, LinkCheckTexts::missing},
        {"http://example.com/a.html", Problem::External, {}},
        {"HTTPS://example.com/", Problem::External, {}},
        {"mailto:me@example.com", Problem::External, {}},
        {"//cdn.example.com/x.js", Problem::External, {}},
    };
    QByteArray bytes;
    for (const auto &c : cases)
        bytes += "<A HREF=\"" + QByteArray(c.value) + "\">x</A>\r\n";
    LinkCheck::Checker checker(site);
    const QList<Finding> findings = checker.checkPage(page("index.html"), QByteArrayView(bytes));
    QList<Finding> expected;
    for (int i = 0; i < int(std::size(cases)); ++i)
        if (cases[i].problem)
            expected.append(
                {page("index.html"), i + 1, QString::fromUtf8(cases[i].value), *cases[i].problem, cases[i].detail});
    ASSERT_EQ(findings.size(), expected.size());
    for (qsizetype i = 0; i < findings.size(); ++i) {
        EXPECT_EQ(findings[i].line, expected[i].line) << expected[i].target.toStdString();
        EXPECT_EQ(findings[i].target, expected[i].target);
        EXPECT_EQ(findings[i].problem, expected[i].problem) << expected[i].target.toStdString();
        EXPECT_EQ(findings[i].detail, expected[i].detail) << expected[i].target.toStdString();
    }
}

TEST_F(LinkCheckerTest, OrphansAreTheFilesNoPageReferredTo)
{
    LinkCheck::Checker checker(site);
    checker.checkPage(page("index.html"),
                      QByteArrayView("<a href=About.html><img src=pics/a.gif><img src=pics/logo.gif><a href=sub/>"));
    checker.checkPage(page("sub/index.html"), QByteArrayView("<a href=\"../a b.html\">"));
    const std::optional<QList<Finding>> orphans = checker.orphans();
    ASSERT_TRUE(orphans);
    QStringList paths;
    for (const Finding &orphan : *orphans) {
        EXPECT_EQ(orphan.problem, Problem::Orphan);
        EXPECT_TRUE(orphan.page.isEmpty());
        paths << orphan.target;
    }
    // Not orphans: the start page at the top, files reached in another letter case, a
    // folder's start page reached by the folder, and what lies in hidden folders.
    EXPECT_EQ(paths, QStringList({"old/notes.txt", "unused.png", "x&y.html"}));
}

TEST_F(LinkCheckerTest, UnreadableAndRepeatedPages)
{
    LinkCheck::Checker checker(site);
    const QList<Finding> lost = checker.checkPage(page("lost.html"), std::nullopt);
    ASSERT_EQ(lost.size(), 1);
    EXPECT_EQ(lost[0].problem, Problem::Unreadable);
    EXPECT_EQ(lost[0].page, page("lost.html"));
    EXPECT_EQ(LinkCheck::problemText(lost[0]), LinkCheckTexts::unreadable);

    EXPECT_EQ(checker.checkPage(page("index.html"), QByteArrayView("<a href=gone.html>")).size(), 1);
    EXPECT_TRUE(checker.checkPage(page("index.html"), QByteArrayView("<a href=gone.html>")).isEmpty())
        << "a page listed twice in the project is checked once";
}

TEST(LinkCheck, ReportHasAHeadingAndOneTabSeparatedLinePerFinding)
{
    const QList<Finding> findings{{"/s/a.html", 3, "b.html", Problem::Missing, {}},
                                  {"/s/a.html", 4, "B.html", Problem::LetterCase, "b.HTML"},
                                  {"/s/a.html", 5, "http://x/", Problem::External, {}},
                                  {{}, 0, "old.gif", Problem::Orphan, {}}};
    EXPECT_EQ(
        LinkCheck::reportLines("site.out", "/s/", findings),
        QStringList({"Check Links report for project: site.out", "Site folder: /s/",
                     "Problems: 2   External links: 1   Orphans: 1", "", "Page\tLine\tTarget\tProblem",
                     "/s/a.html\t3\tb.html\tmissing", "/s/a.html\t4\tB.html\tonly in another letter case: b.HTML",
                     "/s/a.html\t5\thttp://x/\texternal, not checked", "\t\told.gif\torphan: no page refers to it"}));
}
