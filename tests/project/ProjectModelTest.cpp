#include "project/ProjectModel.h"

#include <gtest/gtest.h>

using namespace ProjectFiles;

namespace {
QList<ProjectPage> levels(std::initializer_list<int> ls)
{
    QList<ProjectPage> pages;
    int n = 0;
    for (int l : ls)
        pages.append({QStringLiteral("p%1").arg(n++), l});
    return pages;
}

QList<int> levelsOf(const QList<ProjectPage> &pages)
{
    QList<int> out;
    for (const ProjectPage &p : pages)
        out << p.level;
    return out;
}
} // namespace

TEST(OutlineFile, LevelsRoundTripWithTabs)
{
    const QList<ProjectPage> pages = levels({1, 2, 3, 2, 1});
    const QByteArray bytes = writeOutline(pages);
    EXPECT_EQ(bytes, QByteArray("p0\r\n\tp1\r\n\t\tp2\r\n\tp3\r\np4\r\n"));
    const OutlineRead read = parseOutline(bytes);
    EXPECT_FALSE(read.error);
    EXPECT_EQ(read.pages, pages);
    EXPECT_EQ(writeOutline({}), QByteArray());
}

// Every title the add-page dialog takes comes back from the file as it went in, at every
// level: blanks before and after, TABs inside, the move dialog's old markers, quotes that
// look like the writer's own, letters Latin-1 has and has not, nothing at all.
TEST(OutlineFile, EveryTitleRoundTrips)
{
    const QStringList titles = {
        " Home",     "  two blanks", "\tTab first", "trailing  ", " both ", "in\tside", "a>>b",     "&&&x",
        "News>>&&&", "Caf\u00e9",    "\u03a9mega",  "\U0001F600", "",       " ",        "\t",       "\" x\"",
        "\"x\"",     "\"\"",         "\"\"\"",      "\"\"x\"",    "\" \"",  "\"",       "quote\" ", "x\"",
    };
    QList<ProjectPage> pages;
    int level = 1;
    for (const QString &title : titles) {
        pages.append({title, level});
        level = level % 3 + 1; // 1, 2, 3, 1, ...
    }
    const OutlineRead read = parseOutline(writeOutline(pages));
    EXPECT_FALSE(read.error);
    ASSERT_EQ(read.pages.size(), pages.size());
    for (qsizetype i = 0; i < pages.size(); ++i)
        EXPECT_EQ(read.pages[i], pages[i]) << i << ": [" << pages[i].title.toStdString() << "]";
    // Titles that need no quotes are written as they are, as before.
    EXPECT_EQ(writeOutline({{"Home", 1}, {"\"x\"", 2}}), QByteArray("Home\r\n\t\"x\"\r\n"));
    EXPECT_EQ(writeOutline({{" Home", 1}}), QByteArray("\" Home\"\r\n"));
}

TEST(OutlineFile, ReaderRules)
{
    struct Case {
        QByteArray file;
        QList<int> levels;
        bool error;
        const char *firstTitle;
    };
    const Case cases[] = {
        {"a\r\n\t\tb\r\n", {1, 2}, false, "a"},    // two steps deeper: still one level deeper
        {"a\r\n\t\t\tb\r\nc\r\n", {1}, true, "a"}, // three steps deeper: error, earlier pages stay
        {"\ta\r\n", {1}, false, "a"},              // the first line may start one step in
        {"\t\ta\r\nb\r\n", {}, true, ""},          // but not two
        {"a\n b\r  c\r\n", {1, 2, 3}, false, "a"}, // LF, CR, CR LF; spaces count as steps
        {"  title\r\n", {}, true, ""},             // leading blanks of a title are indentation
        {"a\r\n\tb\r\n\t\tc\r\nd\r\n\te\r\n", {1, 2, 3, 1, 2}, false, "a"},
        {QByteArray("a\r\nb\0\tc\r\n", 10), {1, 1}, false, "a"}, // NUL ends the text
        {"", {}, false, ""},
        {"\r\n\r\n", {1, 1}, false, ""},       // empty titles are pages too
        {"a\r\n\t \tb\r\n", {1}, true, "a"},   // TAB and space mixed count alike: three steps deeper
        {"a\r\n \tb\r\n", {1, 2}, false, "a"}, // two mixed steps deeper: one level deeper
    };
    for (const Case &c : cases) {
        const OutlineRead read = parseOutline(c.file);
        EXPECT_EQ(levelsOf(read.pages), c.levels) << c.file.toStdString();
        EXPECT_EQ(read.error.has_value(), c.error) << c.file.toStdString();
        if (c.error) {
            EXPECT_EQ(*read.error, "File load error");
        }
        if (!read.pages.isEmpty()) {
            EXPECT_EQ(read.pages[0].title, QLatin1String(c.firstTitle));
        }
    }
}

TEST(OutlineFile, HostileBytesNeverCrash)
{
    QByteArray noise;
    for (int i = 0; i < 5000; ++i)
        noise.append(char((i * 7919) % 256));
    const OutlineRead read = parseOutline(noise);
    EXPECT_LE(read.pages.size(), 5000);
    const QByteArray deep = QByteArray("a\r\n") + QByteArray(100000, '\t') + "b";
    EXPECT_TRUE(parseOutline(deep).error.has_value());
}

TEST(PathFile, LinesAreKeptAsWritten)
{
    EXPECT_EQ(parseLines("c:\\web\\a.html\r\n /b.html \r\n"), QStringList({"c:\\web\\a.html", " /b.html "}));
    EXPECT_EQ(writePaths({"/x/a.html", "/x/b.html"}), QByteArray("/x/a.html\r\n/x/b.html\r\n"));
    EXPECT_EQ(parseLines("/x/caf\xe9.html\r\n"), QStringList({"/x/caf\u00e9.html"}));
    EXPECT_EQ(writePaths({"/x/caf\u00e9.html"}), QByteArray("/x/caf\xe9.html\r\n"));
}

TEST(ProjectNames, SaveNamesAndCompanions)
{
    const std::pair<const char *, const char *> names[] = {
        {"/p/site", "site.out"},     {"/p/site.htm", "site.out"},
        {"/p/site.out", "site.out"}, {"c:\\p\\My.Site.OUT", "My.Site.out"},
        {"site", "site.out"},
    };
    for (const auto &[chosen, name] : names)
        EXPECT_EQ(projectNameForSave(QLatin1String(chosen)), QLatin1String(name)) << chosen;
    EXPECT_EQ(companionPathFile("/p/projects/mysite.out"), "/p/projects/mysite.fil");
    EXPECT_EQ(companionPathFile("/p/projects/MYSITE.OUT"), "/p/projects/MYSITE.fil");
    EXPECT_EQ(fileNameOnly("c:\\web\\contact.html"), "contact.html");
    EXPECT_EQ(fileNameOnly("c:contact.html"), "contact.html");
    EXPECT_EQ(fileNameOnly("/web/contact.html"), "contact.html");
}

TEST(RecentProjects, SwapAndShiftRules)
{
    const QStringList four{"a", "b", "c", "d"};
    EXPECT_EQ(RecentProjects::promote(four, "a"), four);
    EXPECT_EQ(RecentProjects::promote(four, "c"), QStringList({"c", "b", "a", "d"}));
    EXPECT_EQ(RecentProjects::promote(four, "e"), QStringList({"e", "a", "b", "c"}));
    EXPECT_EQ(RecentProjects::promote(four, "A"), QStringList({"A", "a", "b", "c"})); // case-sensitive
    EXPECT_EQ(RecentProjects::promote({}, "x"), QStringList({"x", "", "", ""}));
    EXPECT_EQ(RecentProjects::promote({"x", "", "", ""}, "x"), QStringList({"x", "", "", ""}));
}

TEST(ProjectModel, OperationsKeepPagesAndPathsInStep)
{
    ProjectModel model;
    model.addTopLevel("Home", "/s/home.html");
    model.addTopLevel("About", "/s/about.html");
    const int a1 = model.addChild(0, "A1", "/s/a1.html");
    const int a2 = model.addChild(0, "A2", "/s/a2.html");
    const int a1x = model.addChild(a1, "A1x", "/s/a1x.html");
    // A sub-page of a page whose last child has children goes after all of them.
    const int a3 = model.addChild(0, "A3", "/s/a3.html");
    EXPECT_EQ(a1, 1);
    EXPECT_EQ(a2, 2);
    EXPECT_EQ(a1x, 2);
    EXPECT_EQ(a3, 4);
    QStringList titles;
    for (const ProjectPage &p : model.pages())
        titles << p.title;
    EXPECT_EQ(titles, QStringList({"Home", "A1", "A1x", "A2", "A3", "About"}));
    EXPECT_EQ(model.paths(),
              QStringList({"/s/home.html", "/s/a1.html", "/s/a1x.html", "/s/a2.html", "/s/a3.html", "/s/about.html"}));
    EXPECT_EQ(model.descendantCount(0), 4);
    EXPECT_EQ(model.parentOf(2), 1);
    EXPECT_EQ(model.parentOf(5), -1);

    EXPECT_EQ(model.remove(0), 5); // two levels of sub-pages
    EXPECT_EQ(model.pageCount(), 1);
    EXPECT_EQ(model.paths(), QStringList({"/s/about.html"}));

    model.change(0, "About us", "/s/us.html");
    EXPECT_EQ(model.pages()[0].title, "About us");
    EXPECT_EQ(model.paths(), QStringList({"/s/us.html"}));
    EXPECT_EQ(model.remove(3), 0);
    EXPECT_EQ(model.addChild(7, "x", "y"), -1);
}

TEST(ProjectModel, ChangeAppendsWhenThePathListIsShort)
{
    ProjectModel model;
    model.assign(levels({1, 1}), {"/only.html"});
    model.change(1, "t", "/new.html");
    EXPECT_EQ(model.paths(), QStringList({"/only.html", "/new.html"}));
}
