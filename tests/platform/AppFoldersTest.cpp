#include "platform/AppFolders.h"
#include "platform/CommandLine.h"

#include "testsupport/TempProgramFolder.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {
// XDG_DATA_HOME points into a temporary folder for the test's lifetime.
class ScopedDataHome final {
public:
    explicit ScopedDataHome(const QString &folder) : m_old(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    }
    ~ScopedDataHome() { qputenv("XDG_DATA_HOME", m_old); }

private:
    QByteArray m_old;
};
} // namespace

TEST(AppFolders, InPlaceOrInstalledByWhatLiesBesideTheExecutable)
{
    struct Case {
        const char *name;
        bool shareFolder; // <prefix>/share/tovarel exists
        bool installed;
    };
    const Case cases[] = {
        {"build folder: data beside the executable", false, false},
        {"installed: bin beside share/tovarel", true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder prefix;
        TempProgramFolder dataHome;
        const ScopedDataHome home(dataHome.path());
        QDir().mkpath(prefix.file(QStringLiteral("bin")));
        if (c.shareFolder)
            QDir().mkpath(prefix.file(QStringLiteral("share/tovarel/help")));

        const AppFolders folders = AppFolders::forExecutable(prefix.file(QStringLiteral("bin")));
        EXPECT_EQ(folders.isInstalled(), c.installed);
        if (c.installed) {
            EXPECT_EQ(folders.shipped(), prefix.file(QStringLiteral("share/tovarel/")));
            EXPECT_EQ(folders.writable(), dataHome.file(QStringLiteral("tovarel/")));
        } else {
            EXPECT_EQ(folders.shipped(), prefix.file(QStringLiteral("bin/")));
            EXPECT_EQ(folders.writable(), folders.shipped());
        }
    }
}

// The user's folder starts as a copy of the shipped defaults; what the user already has,
// and files the program does not ship, are left alone, also by a newer version.
TEST(AppFolders, SeedingCopiesOnlyWhatTheUserLacks)
{
    TempProgramFolder shipped;
    TempProgramFolder home;
    const QString writable = home.file(QStringLiteral("data/tovarel/"));
    shipped.write(QStringLiteral("htmlext.dat"), "html\r\nhtm\r\n");
    shipped.write(QStringLiteral("spell/spell.cfg"), "[default]\r\nID=1\r\n");
    shipped.write(QStringLiteral("custom.dat"), "shipped tags\r\n");
    home.write(QStringLiteral("data/tovarel/custom.dat"), "the user's tags\r\n");
    for (const char *name : {"htmlext.dat", "spell/spell.cfg"})
        QFile::setPermissions(shipped.file(QLatin1String(name)), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const QStringList defaults = {QStringLiteral("htmlext.dat"), QStringLiteral("spell/spell.cfg"),
                                  QStringLiteral("custom.dat"), QStringLiteral("OPTIONS.INI")};
    const AppFolders folders = AppFolders::installed(shipped.path(), writable);

    QString error;
    ASSERT_TRUE(folders.prepareWritable(defaults, &error)) << error.toStdString();
    EXPECT_EQ(home.read(QStringLiteral("data/tovarel/htmlext.dat")), QByteArray("html\r\nhtm\r\n"));
    EXPECT_EQ(home.read(QStringLiteral("data/tovarel/spell/spell.cfg")), QByteArray("[default]\r\nID=1\r\n"));
    EXPECT_TRUE(QFileInfo(writable + QStringLiteral("spell/spell.cfg")).permissions() & QFileDevice::WriteOwner);
    EXPECT_EQ(home.read(QStringLiteral("data/tovarel/custom.dat")), QByteArray("the user's tags\r\n"));
    EXPECT_FALSE(home.exists(QStringLiteral("data/tovarel/OPTIONS.INI")));

    // A newer version ships other defaults: the user's copies stay as they are.
    QFile::setPermissions(shipped.file(QStringLiteral("htmlext.dat")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    shipped.write(QStringLiteral("htmlext.dat"), "php\r\n");
    home.write(QStringLiteral("data/tovarel/htmlext.dat"), "html\r\nxhtml\r\n");
    ASSERT_TRUE(folders.prepareWritable(defaults, &error));
    EXPECT_EQ(home.read(QStringLiteral("data/tovarel/htmlext.dat")), QByteArray("html\r\nxhtml\r\n"));
}

TEST(AppFolders, SeedingReportsAFolderThatCannotBeMade)
{
    TempProgramFolder shipped;
    TempProgramFolder home;
    home.write(QStringLiteral("blocker"), "a file where the folder should be");
    const AppFolders folders = AppFolders::installed(shipped.path(), home.file(QStringLiteral("blocker/tovarel")));
    QString error;
    EXPECT_FALSE(folders.prepareWritable({QStringLiteral("htmlext.dat")}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("blocker/tovarel"))) << error.toStdString();
}

TEST(CommandLine, HelpAndVersionAreAnsweredEvenAmongQtOptions)
{
    struct Case {
        QStringList arguments;
        CommandLine::Request request;
    };
    const Case cases[] = {
        {{"--version"}, CommandLine::Request::Version},
        {{"-v"}, CommandLine::Request::Version},
        {{"--help"}, CommandLine::Request::Help},
        {{"-h"}, CommandLine::Request::Help},
        {{"--help-all"}, CommandLine::Request::HelpAll},
        {{"-platform", "offscreen", "--version"}, CommandLine::Request::Version},
        {{"page.html"}, CommandLine::Request::Start},
        {{"-platform", "offscreen", "page.html"}, CommandLine::Request::Start},
        {{}, CommandLine::Request::Start},
        {{"--", "--version"}, CommandLine::Request::Start}, // a file of that name
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        QCommandLineParser parser;
        CommandLine::configure(parser);
        EXPECT_EQ(CommandLine::request(parser, QStringList{QStringLiteral("tovarel")} + c.arguments), c.request);
    }
}

TEST(CommandLine, FilesAreTakenFromTheCurrentFolder)
{
    const QStringList given = {"index.html", "site/about.htm", "../up.html", "/abs/page.html", "./site/../x.out"};
    const QStringList expected = {"/home/u/index.html", "/home/u/site/about.htm", "/home/up.html", "/abs/page.html",
                                  "/home/u/x.out"};
    EXPECT_EQ(CommandLine::files(given, QStringLiteral("/home/u")), expected);
}

TEST(CommandLine, OnlyOutFilesOpenAsProjects)
{
    for (const char *project : {"site.out", "/p/SITE.OUT", "a.Out"})
        EXPECT_TRUE(CommandLine::isProjectFile(QLatin1String(project))) << project;
    for (const char *page : {"index.html", "out", "site.outline", "site.out.html", "site.fil"})
        EXPECT_FALSE(CommandLine::isProjectFile(QLatin1String(page))) << page;
}
