#include "PreviewDoubles.h"

#include "config/Settings.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "preview/PreviewFile.h"
#include "preview/ProgramLauncher.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace {
// Waits for a file written by a started program; the program runs on its own.
QByteArray waitForFile(const QString &path)
{
    QDeadlineTimer deadline(20000);
    while (!QFile::exists(path) && !deadline.hasExpired())
        QThread::msleep(20);
    QThread::msleep(50); // let the writer finish its one line
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

QString writeScript(const TempProgramFolder &folder, const QString &relative, const QByteArray &body)
{
    const QString path = folder.write(relative, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.setInMemory(SettingKey::StartLocation, folder.file("opened/"));
        folder.write("opened/.keep", "");
        host.document.untitledName = folder.file("new.html");
        host.document.openFileName = host.document.untitledName;
    }

    void openSavedPage(const QByteArray &saved, const QString &edited)
    {
        host.document.openFileName = folder.write("site/page.html", saved);
        host.document.text = edited;
        host.document.modified = true;
    }

    PreviewController controller() { return PreviewController(settings, prompts, host, link, launcher, &pane); }

    QString iniValue(SettingsFile file, const char *section, const char *key)
    {
        return IniFile(settings.iniPath(file)).readString(QLatin1String(section), QLatin1String(key), "<none>");
    }

    TempProgramFolder folder;
    Settings settings{folder.path()};
    ScriptedPrompts prompts;
    FakePreviewHost host;
    FakeBrowserLink link;
    FakeLauncher launcher;
    FakePane pane;
};
} // namespace

TEST_F(PreviewTest, UntitledModifiedDocumentIsShownFromTheCopyInTheLastOpenFolderWhateverTheMode)
{
    for (const QString mode : {"auto", "temp", "nosave", "preview"}) {
        SCOPED_TRACE(mode.toStdString());
        settings.setInMemory(SettingKey::PreviewOption, mode);
        host.document.text = "<P>" + mode + "</P>";
        host.document.modified = true;
        const PreviewChoice choice = choosePreviewFile(host.document, settings);
        EXPECT_EQ(choice.path, folder.file("opened/$$temp.htm"));
        EXPECT_FALSE(choice.saveDocumentFirst);
        EXPECT_TRUE(choice.isCopy);
        EXPECT_FALSE(choice.writeError);
        EXPECT_EQ(folder.read("opened/$$temp.htm"), ("<P>" + mode + "</P>").toUtf8());
        EXPECT_FALSE(folder.exists("new.html"));
    }
}

TEST_F(PreviewTest, EachModeChoosesItsFile)
{
    struct Case {
        const char *mode;
        QString shown;
        bool savesFirst;
        bool isCopy;
    };
    const Case cases[] = {
        {"nosave", "site/page.html", false, false},
        {"auto", "site/page.html", true, false},
        {"temp", "site/$$temp.htm", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        openSavedPage("<P>saved</P>", "<P>edited</P>\n");
        settings.setInMemory(SettingKey::PreviewOption, c.mode);
        const PreviewChoice choice = choosePreviewFile(host.document, settings);
        EXPECT_EQ(choice.path, folder.file(c.shown));
        EXPECT_EQ(choice.saveDocumentFirst, c.savesFirst);
        EXPECT_EQ(choice.isCopy, c.isCopy);
        // The document's own file is written only by the document's save.
        EXPECT_EQ(folder.read("site/page.html"), "<P>saved</P>");
    }
    EXPECT_EQ(folder.read("site/$$temp.htm"), "<P>edited</P>\r\n");
}

TEST_F(PreviewTest, UnknownModeHasNoFileToShowAndWritesNothing)
{
    openSavedPage("<P>saved</P>", "<P>edited</P>");
    settings.setInMemory(SettingKey::PreviewOption, "Temp");
    const PreviewChoice choice = choosePreviewFile(host.document, settings);
    EXPECT_TRUE(choice.path.isEmpty());
    EXPECT_FALSE(folder.exists("site/$$temp.htm"));
    EXPECT_EQ(folder.read("site/page.html"), "<P>saved</P>");
}

TEST_F(PreviewTest, CopyThatCannotBeWrittenEndsThePreviewWithAnError)
{
    settings.setInMemory(SettingKey::StartLocation, folder.file("missing/folder/"));
    host.document.text = "x";
    host.document.modified = true;
    settings.setInMemory(SettingKey::NetscapeProgram, "/usr/bin/netscape");
    prompts.expectError();
    controller().BitBtnNSClick();
    EXPECT_TRUE(link.log.isEmpty());
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(PreviewTest, AutoModePreviewSavesFirstAndStopsWhenTheSaveFails)
{
    openSavedPage("<P>saved</P>", "<P>edited</P>");
    settings.setInMemory(SettingKey::PreviewOption, "auto");
    settings.setInMemory(SettingKey::MsieProgram, "/opt/msie");
    host.saveWorks = false; // the document told the user why
    controller().BitBtnIEClick();
    controller().PanelIEClick();
    EXPECT_EQ(host.saves, 2);
    EXPECT_TRUE(host.document.modified);
    EXPECT_TRUE(link.log.isEmpty());
    EXPECT_TRUE(pane.navigated.isEmpty());
    EXPECT_TRUE(prompts.shown().empty());

    host.saveWorks = true;
    controller().BitBtnIEClick();
    EXPECT_EQ(host.saves, 3);
    EXPECT_FALSE(host.document.modified);
    EXPECT_TRUE(link.log.join('\n').contains(host.document.openFileName)) << link.log.join('\n').toStdString();
}

TEST_F(PreviewTest, RemovesTheCopiesItWroteAndNothingElse)
{
    PreviewController preview = controller();
    folder.write("site/elsewhere/$$temp.htm", "a file of the user's own");
    openSavedPage("<P>saved</P>", "<P>edited</P>");
    settings.setInMemory(SettingKey::PreviewOption, "temp");
    settings.setInMemory(SettingKey::NetscapeProgram, "/usr/bin/netscape");
    preview.BitBtnNSClick();
    host.document.openFileName = folder.write("help/page.kvn", "help");
    host.helpPage = true;
    pane.showing = true;
    preview.showPageInPane(host.document.openFileName);
    EXPECT_TRUE(folder.exists("site/$$temp.htm"));
    EXPECT_TRUE(folder.exists("help/$$temp.html"));

    preview.removePreviewCopies();
    EXPECT_FALSE(folder.exists("site/$$temp.htm"));
    EXPECT_FALSE(folder.exists("help/$$temp.html"));
    EXPECT_EQ(folder.read("site/page.html"), "<P>saved</P>");
    EXPECT_EQ(folder.read("help/page.kvn"), "help");
    EXPECT_EQ(folder.read("site/elsewhere/$$temp.htm"), "a file of the user's own");
}

TEST_F(PreviewTest, ModeLetterCyclesAndWritesTheModeEachTime)
{
    host.letter = "T";
    PreviewController c = controller();
    const std::pair<const char *, const char *> expected[] = {{"N", "nosave"}, {"S", "auto"}, {"T", "temp"}};
    for (const auto &[letter, mode] : expected) {
        c.LabelBrowserModeDblClick();
        EXPECT_EQ(host.letter, letter);
        EXPECT_EQ(settings.text(SettingKey::PreviewOption), mode);
        EXPECT_EQ(iniValue(SettingsFile::Default, "Location", "PreviewOption"), mode);
    }
}

TEST_F(PreviewTest, NetscapeConversationSendsTheItemsAndRetriesOnce)
{
    openSavedPage("<P>saved</P>", "<P>x</P>");
    settings.setInMemory(SettingKey::PreviewOption, "nosave");
    settings.setInMemory(SettingKey::NetscapeProgram, "/opt/nets cape/netscape");
    link.requestAnswers = {false, true, true};
    controller().BitBtnNSClick();
    const QString start = "[/opt/nets cape/netscape -h ]";
    const QString item = "request \"" + host.document.openFileName + "\",,0xFFFFFFFF,,,,,";
    EXPECT_EQ(
        link.log,
        QStringList({"connect NETSCAPE WWW_OpenURL " + start, item, "connect NETSCAPE WWW_OpenURL " + start, item,
                     "disconnect", "connect NETSCAPE WWW_Activate " + start, "request 0xffffffff,0x0", "disconnect"}));
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(PreviewTest, BrowserFailuresAreReportedOnlyWhenTheFrontRequestFails)
{
    struct Case {
        const char *name;
        std::deque<bool> connects;
        std::deque<bool> requests;
        bool message;
    };
    const Case cases[] = {
        {"open unanswered twice, front answered", {}, {false, false, true}, false},
        {"service never answers", {false, false}, {}, true},
        {"front request unanswered", {}, {true, false}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        link.connectAnswers = c.connects;
        link.requestAnswers = c.requests;
        openSavedPage("<P>a</P>", "<P>a</P>");
        settings.setInMemory(SettingKey::PreviewOption, "nosave");
        settings.setInMemory(SettingKey::MsieProgram, "/opt/msie");
        if (c.message)
            prompts.expectInformation();
        controller().BitBtnIEClick();
        EXPECT_TRUE(prompts.allAnswered());
        if (c.message)
            EXPECT_EQ(prompts.last().text, PreviewTexts::msieFailed);
        else
            EXPECT_TRUE(prompts.shown().empty());
    }
}

TEST_F(PreviewTest, MissingBrowserSendsToTheWebBrowsersPageAndPreviewsWithWhatWasChosen)
{
    openSavedPage("<P>a</P>", "<P>a</P>");
    settings.setInMemory(SettingKey::PreviewOption, "nosave");
    host.onSettings = [this](int) { settings.setInMemory(SettingKey::NetscapeProgram, "/opt/chosen"); };
    prompts.expectInformation();
    controller().BitBtnNSClick();
    EXPECT_EQ(prompts.shown().at(0).text, PreviewTexts::locateNetscape);
    EXPECT_EQ(host.settingsPages, QList<int>({kSettingsPageWebBrowsers}));
    EXPECT_EQ(link.log.value(0), "connect NETSCAPE WWW_OpenURL [/opt/chosen -h ]");
}

TEST_F(PreviewTest, RealBrowserLinkStartsTheConfiguredProgramWithTheFileUrl)
{
    const QString marker = folder.file("browser ran.txt");
    const QString browser =
        writeScript(folder, "bin dir/my browser;$(x)", "printf '%s' \"$1\" > '" + marker.toUtf8() + "'");
    openSavedPage("<P>a</P>", "<P>a</P>");
    host.document.openFileName = folder.write("site/my page #1.html", "<P>a</P>");
    settings.setInMemory(SettingKey::PreviewOption, "nosave");
    settings.setInMemory(SettingKey::NetscapeProgram, browser);
    ProcessBrowserLink real;
    PreviewController(settings, prompts, host, real, launcher, &pane).BitBtnNSClick();
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(QString::fromUtf8(waitForFile(marker)),
              QUrl::fromLocalFile(host.document.openFileName).toString(QUrl::FullyEncoded));
    ASSERT_GE(real.calls().size(), 2);
    EXPECT_EQ(real.calls()[1], (ProcessBrowserLink::Call{"NETSCAPE", "WWW_OpenURL",
                                                         "\"" + host.document.openFileName + "\",,0xFFFFFFFF,,,,,"}));
}

TEST_F(PreviewTest, RealBrowserLinkWithAMissingProgramReportsTheFailure)
{
    openSavedPage("<P>a</P>", "<P>a</P>");
    settings.setInMemory(SettingKey::PreviewOption, "nosave");
    settings.setInMemory(SettingKey::MsieProgram, folder.file("no such browser"));
    ProcessBrowserLink real;
    prompts.expectInformation();
    PreviewController(settings, prompts, host, real, launcher, &pane).BitBtnIEClick();
    EXPECT_EQ(prompts.last().text, PreviewTexts::msieFailed);
}

// The embedded pane

TEST_F(PreviewTest, PaneOnAnEmptyNewDocumentSaysSoAndStaysOverTheEditor)
{
    host.document.text.clear();
    host.document.modified = false;
    prompts.expectInformation();
    controller().PanelIEClick();
    EXPECT_EQ(prompts.last().text, PreviewTexts::nothingToPreview);
    EXPECT_TRUE(pane.showing);
    EXPECT_TRUE(pane.navigated.isEmpty());
    EXPECT_EQ(pane.active, PreviewPanel::Edit);
}

TEST_F(PreviewTest, PaneShowsTheDocumentsFileUrlAndTheControlPanelOnlyWhenSet)
{
    for (const bool showControls : {true, false}) {
        SCOPED_TRACE(showControls);
        pane = FakePane();
        settings.setInMemory(SettingKey::MsieControl, showControls ? "1" : "0");
        settings.setInMemory(SettingKey::PreviewOption, "nosave");
        openSavedPage("<P>a</P>", "<P>a</P>");
        host.document.openFileName = folder.write("My Site/a b.html", "<P>a</P>");
        controller().PanelIEClick();
        ASSERT_EQ(pane.navigated.size(), 1);
        EXPECT_EQ(pane.navigated[0], QUrl::fromLocalFile(folder.file("My Site/a b.html")));
        EXPECT_EQ(pane.navigated[0].scheme(), "file");
        EXPECT_EQ(pane.active, PreviewPanel::Pane);
        EXPECT_EQ(pane.controlPanelVisible, showControls);
        EXPECT_TRUE(prompts.shown().empty());

        controller().PanelEClick();
        EXPECT_FALSE(pane.showing);
        EXPECT_FALSE(pane.controlPanelVisible);
        EXPECT_EQ(pane.active, PreviewPanel::Edit);
    }
}

TEST_F(PreviewTest, HelpPagesAreShownFromTheHtmlCopyInTheHelpFolder)
{
    folder.write("help/welcome.kvn", "<P>help</P>");
    host.document.openFileName = folder.file("help/welcome.kvn");
    host.document.text = "<P>help</P>";
    host.document.modified = false;
    settings.setInMemory(SettingKey::PreviewOption, "nosave");
    controller().PanelIEClick();
    ASSERT_EQ(pane.navigated.size(), 1);
    EXPECT_EQ(pane.navigated[0], QUrl::fromLocalFile(folder.file("help/$$temp.html")));
    EXPECT_EQ(folder.read("help/$$temp.html"), "<P>help</P>");

    // A project page opened while the pane shows follows it there.
    host.helpPage = true;
    folder.write("help/other.kvn", "<P>other</P>");
    host.document.text = "<P>other</P>";
    controller().showPageInPane(folder.file("help/other.kvn"));
    EXPECT_EQ(pane.navigated.last(), QUrl::fromLocalFile(folder.file("help/$$temp.html")));
    EXPECT_EQ(folder.read("help/$$temp.html"), "<P>other</P>");
}

TEST_F(PreviewTest, PaneFailuresShowTheirMessages)
{
    struct Case {
        const char *name;
        std::function<void(PreviewController &)> act;
        QString message;
    };
    openSavedPage("<P>a</P>", "<P>a</P>");
    settings.setInMemory(SettingKey::PreviewOption, "nosave");
    const Case cases[] = {
        {"unavailable",
         [this](PreviewController &c) {
             pane.available = false;
             c.PanelIEClick();
         },
         PreviewTexts::paneUnavailable},
        {"navigate fails",
         [this](PreviewController &c) {
             pane.navigateWorks = false;
             c.PanelIEClick();
         },
         PreviewTexts::cannotLoadFileInPane},
        {"page while showing",
         [this](PreviewController &c) {
             pane.showing = true;
             pane.navigateWorks = false;
             c.showPageInPane(host.document.openFileName);
         },
         PreviewTexts::cannotShowPage},
        {"back at first page", [](PreviewController &c) { c.BitBtn6Click(); }, PreviewTexts::atFirstPage},
        {"next at last page", [](PreviewController &c) { c.BitBtn7Click(); }, PreviewTexts::atLastPage},
        {"typed text is no address", [](PreviewController &c) { c.Button3Click(); }, PreviewTexts::badAddress},
        {"empty address",
         [this](PreviewController &c) {
             pane.address.clear();
             c.Button3Click();
         },
         PreviewTexts::badAddress},
        {"copy cannot be written",
         [this](PreviewController &c) {
             settings.setInMemory(SettingKey::PreviewOption, "temp");
             host.document.openFileName = folder.file("gone/page.html");
             c.PanelIEClick();
         },
         PreviewTexts::cannotLoadPane},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        pane = FakePane();
        prompts.clear();
        prompts.expectInformation();
        PreviewController controllerUnderTest = controller();
        c.act(controllerUnderTest);
        EXPECT_TRUE(prompts.allAnswered());
        EXPECT_EQ(prompts.last().text, c.message);
    }
}

TEST_F(PreviewTest, PaneWithoutAWebViewLeavesOnlyTheEditWindow)
{
    PreviewController c(settings, prompts, host, link, launcher, nullptr);
    prompts.expectInformation();
    c.PanelIEClick();
    EXPECT_EQ(prompts.last().text, PreviewTexts::paneUnavailable);
    EXPECT_FALSE(c.paneShowing());
    c.PanelEClick();
    c.BitBtn6Click();
    c.Button3Click();
    EXPECT_EQ(prompts.shown().size(), 1u);
}

TEST_F(PreviewTest, GoNavigatesToTheTypedAddress)
{
    pane.address = "http://example.com/a page";
    controller().Button3Click();
    ASSERT_EQ(pane.navigated.size(), 1);
    EXPECT_EQ(pane.navigated[0].host(), "example.com");
    EXPECT_TRUE(prompts.shown().empty());
}

// Helper programs

TEST_F(PreviewTest, EmptyHelperOpensTheHelperAppsPageAndStartsNothing)
{
    using Handler = void (PreviewController::*)();
    for (Handler handler : {&PreviewController::LauchImageEditor1Click, &PreviewController::LaunchFTPProgram1Click,
                            &PreviewController::LaunchImageMapEditor1Click}) {
        prompts.clear();
        host.settingsPages.clear();
        host.onSettings = [this](int) { settings.setInMemory(SettingKey::ImageEditor, "/opt/chosen"); };
        settings.setInMemory(SettingKey::ImageEditor, "");
        prompts.expectInformation();
        PreviewController c = controller();
        (c.*handler)();
        EXPECT_EQ(prompts.last().text, PreviewTexts::noHelperApp);
        EXPECT_EQ(host.settingsPages, QList<int>({kSettingsPageHelperApps}));
        EXPECT_TRUE(launcher.launched.isEmpty());
    }
}

TEST_F(PreviewTest, EachHelperStartsItsOwnProgram)
{
    settings.setInMemory(SettingKey::ImageEditor, "/opt/paint");
    settings.setInMemory(SettingKey::FtpPath, "/opt/ftp");
    settings.setInMemory(SettingKey::ImagemapEditor, "/opt/map");
    PreviewController c = controller();
    c.LauchImageEditor1Click();
    c.LaunchFTPProgram1Click();
    c.LaunchImageMapEditor1Click();
    EXPECT_EQ(launcher.launched, QStringList({"/opt/paint", "/opt/ftp", "/opt/map"}));
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(host.busyChanges, 6);
}

TEST_F(PreviewTest, LaunchResultsAndTheirMessages)
{
    struct Case {
        ProgramLauncher::Result result;
        QString message; // empty: none
    };
    const QString program = "/opt/x y/paint";
    const Case cases[] = {
        {{false, 2}, "File was not found.(/opt/x y/paint)"},
        {{false, 3}, "Path was not found."},
        {{false, 31}, "Unknown Error."},
        {{false, 0}, "System was out of memory, executable file was corrupt, or relocations were invalid."},
        {{false, 32}, "Unknown Error."},
        {{false, 33}, ""},
        {{true, 0},
         "Sorry, could not launch the program: \"/opt/x y/paint\".  To connect this menu to a valid "
         "application, go to the OPTIONS screen and select a new Helper App."},
    };
    settings.setInMemory(SettingKey::FtpPath, program);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        prompts.clear();
        launcher.next = c.result;
        if (!c.message.isEmpty())
            prompts.expectError();
        controller().LaunchFTPProgram1Click();
        EXPECT_TRUE(prompts.allAnswered());
        if (!c.message.isEmpty())
            EXPECT_EQ(prompts.last().text, c.message);
        else
            EXPECT_TRUE(prompts.shown().empty());
    }
}

TEST_F(PreviewTest, DesktopLauncherResults)
{
    QList<QUrl> opened;
    DesktopProgramLauncher desktop([&opened](const QUrl &url) {
        opened << url;
        return true;
    });
    const QString document = folder.write("docs/readme.txt", "text");
    EXPECT_EQ(desktop.launch(folder.file("docs/missing.exe")).code, ProgramLauncher::kFileNotFound);
    EXPECT_EQ(desktop.launch(folder.file("nowhere/missing.exe")).code, ProgramLauncher::kPathNotFound);
    EXPECT_TRUE(desktop.launch(folder.file("docs")).raised);
    const ProgramLauncher::Result doc = desktop.launch(document);
    EXPECT_EQ(doc.code, ProgramLauncher::kStarted);
    EXPECT_EQ(opened, QList<QUrl>({QUrl::fromLocalFile(document)}));

    DesktopProgramLauncher refusing([](const QUrl &) { return false; });
    EXPECT_EQ(refusing.launch(document).code, ProgramLauncher::kCannotStart);
}

TEST_F(PreviewTest, MissingHelperGivesResultTwoAndItsMessage)
{
    DesktopProgramLauncher desktop([](const QUrl &) { return true; });
    const QString missing = folder.file("tools/paint.exe");
    folder.write("tools/.keep", "");
    settings.setInMemory(SettingKey::ImageEditor, missing);
    prompts.expectError();
    PreviewController(settings, prompts, host, link, desktop, &pane).LauchImageEditor1Click();
    EXPECT_EQ(prompts.last().text, "File was not found.(" + missing + ")");
}

TEST_F(PreviewTest, DesktopLauncherStartsExactlyThatProgramInItsOwnFolder)
{
    const QString marker = folder.file("helper ran.txt");
    const QString helper = writeScript(folder, "odd 'dir' $HOME;&/helper $(id)", "pwd > '" + marker.toUtf8() + "'");
    DesktopProgramLauncher desktop([](const QUrl &) { return false; });
    EXPECT_EQ(desktop.launch(helper).code, ProgramLauncher::kStarted);
    EXPECT_EQ(QString::fromUtf8(waitForFile(marker)) + "/", folderPart(helper));
}

TEST_F(PreviewTest, FileTransferAndFeedbackOnlyInform)
{
    prompts.expectInformation().expectInformation();
    PreviewController c = controller();
    c.FTP1Click();
    c.BugsSuggestionsFeedback1Click();
    EXPECT_EQ(prompts.shownTexts(), QStringList({PreviewTexts::ftpNotYet, PreviewTexts::feedback}));
    EXPECT_TRUE(PreviewTexts::feedback.contains(PreviewTexts::feedbackAddress));
}
