#include "config/Settings.h"
#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "project/ProjectModel.h"
#include "testsupport/MainWindowFixture.h"
#include "tools/BackupReminder.h"
#include "tools/HtmlTidy.h"
#include "tools/LinkCheck.h"
#include "tools/ReportList.h"
#include "tools/SiteAnalysis.h"
#include "tools/SiteFiles.h"
#include "tools/TFormBackup.h"
#include "tools/TFormBigReplace.h"
#include "tools/TFormCheckLinks.h"
#include "tools/TFormCheckPage.h"
#include "tools/TFormLoadSize.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTreeView>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {
QStringList itemsOf(const ReportList *list)
{
    return list->lines();
}

// The rows of a table as the user reads them, cells joined by "|".
QStringList rowsOf(const QAbstractItemModel *model)
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join('|');
    }
    return rows;
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// Presses a stop button the n-th time the loop lets events run.
class StoppingPump final : public EventPump {
public:
    std::function<void()> onCall;
    int stopAt = -1;
    int calls = 0;
    void processEvents() override
    {
        if (++calls == stopAt && onCall)
            onCall();
    }
};

class SiteToolsWindowTest : public MainWindowFixture {
protected:
    // No tip of the day: it would come up as the first modal window of a command.
    void SetUp() override { folder.write("OPTIONS.INI", "[Help]\r\nShowTips=0\r\n"); }

    // A project "site.out" whose pages are "title|file|content"; an empty content leaves the
    // page file missing.
    void writeSite(const QString &name, const QStringList &pages)
    {
        QByteArray outline, paths;
        for (const QString &page : pages) {
            const QStringList parts = page.split('|');
            outline += parts[0].toUtf8() + "\r\n";
            const QString path = folder.file("site/" + parts[1]);
            if (!parts[2].isEmpty())
                folder.write("site/" + parts[1], parts[2].toUtf8());
            paths += path.toUtf8() + "\r\n";
        }
        folder.write("projects/" + name, outline);
        folder.write("projects/" + name.chopped(3) + "fil", paths);
    }

    void openProject(const QString &name)
    {
        prompts.expectOpenFile(folder.file("projects/" + name));
        trigger("Open1");
    }

    template <typename T> static T *in(QWidget *parent, const QString &name)
    {
        T *found = parent->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
        return found;
    }

    std::unique_ptr<TFormLoadSize> analysis(const QString &projectName = {}, EventPump *withPump = nullptr)
    {
        settings = std::make_unique<Settings>(folder.path());
        settings->readDefaultIni();
        LoadSizeContext context;
        context.settings = settings.get();
        context.prompts = &prompts;
        context.clock = &clock;
        context.pump = withPump ? withPump : &pump;
        context.memory = &memory;
        context.projectsFolder = folder.file("projects/");
        context.projectName = projectName;
        if (!projectName.isEmpty()) {
            context.project.assign(
                {{"Home", 1}, {"About", 2}, {"Lost", 1}},
                {folder.file("site/index.html"), folder.file("site/about.html"), folder.file("site/lost.html")});
            context.selectedPage = 1;
        }
        return std::make_unique<TFormLoadSize>(std::move(context));
    }

    void writeStandardSite()
    {
        writeSite("site.out", {"Home|index.html|<IMG SRC=\"pics/a.gif\">\r\n<BODY BACKGROUND=\"A.GIF\">\r\n"
                               "<A HREF=\"About.html\">x</A>\r\n<p>Old Address</p>\r\n",
                               "About|about.html|<A HREF=\"index.html\">home</A> <A HREF=\"Index.html\">again</A>\r\n"
                               "<A HREF=\"index.html\">old address</A>\r\n",
                               "Lost|lost.html|"});
        folder.write("images/a.gif", QByteArray(1999, 'g'));
    }

    std::unique_ptr<Settings> settings;
    AnalysisMemory memory;
};
} // namespace

// ---------------------------------------------------------------------------------------
// Page and site analysis

TEST_F(SiteToolsWindowTest, AnalysisOpensFromEveryEntryWithTheOpenProjectChosen)
{
    writeStandardSite();
    writeSite("other.out", {"Other|other.html|x"});
    start();
    openProject("site.out");
    window().selectPage(1);
    QStringList seen;
    modalAnswer = [&seen](QDialog &dialog) {
        auto *combo = in<QComboBox>(&dialog, "ComboProjects");
        auto *links = in<QComboBox>(&dialog, "ComboLinks");
        seen << dialog.windowTitle() << combo->currentText() << links->currentText()
             << in<QLabel>(&dialog, "LabelSite")->text()
             << QString::number(in<QPushButton>(&dialog, "BitBtnFind")->isEnabled())
             << in<QTreeView>(&dialog, "Outline1")->currentIndex().data().toString()
             << in<QTreeView>(&dialog, "OutlineLinks")->currentIndex().data().toString();
        return int(QDialog::Accepted);
    };
    trigger("GetPageLoadingData1");
    EXPECT_EQ(seen, QStringList(
                        {"Web Page Analysis", "SITE.OUT", "SITE.OUT", "Site to search:  SITE", "1", "About", "About"}));
    seen.clear();
    click("BitBtnGetPageLoadingData");
    EXPECT_EQ(seen.value(1), "SITE.OUT");
    seen.clear();
    QAction *popup = control<QMenu>("PopupMenu1")->findChild<QAction *>("PageSiteAnalysis2");
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isEnabled());
    popup->trigger();
    EXPECT_EQ(seen.value(1), "SITE.OUT");
    EXPECT_EQ(action("GetPageLoadingData1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F2));
}

TEST_F(SiteToolsWindowTest, FilesTabAnalysisLoadsTheFileOrRefuses)
{
    writeStandardSite();
    start();
    QStringList summary;
    modalAnswer = [&summary](QDialog &dialog) {
        in<QPushButton>(&dialog, "BitBtnAnalyzePage")->click();
        summary = itemsOf(in<ReportList>(&dialog, "ListBox3"));
        return int(QDialog::Accepted);
    };
    prompts.expectInformation();
    window().AnalyzeWebPage1Click(folder.file("site/about.html"));
    EXPECT_EQ(prompts.shownTexts(), QStringList({LoadSizeTexts::alreadyLoaded}));
    EXPECT_EQ(summary.value(1), "HTML File Location:  " + folder.file("site/about.html"));

    prompts.clear();
    modalWindows.clear();
    prompts.expectInformation();
    window().AnalyzeWebPage1Click(QString());
    EXPECT_EQ(prompts.shownTexts(), QStringList({LoadSizeTexts::noPageSelected}));
    EXPECT_TRUE(modalWindows.isEmpty());
}

TEST_F(SiteToolsWindowTest, SiteAnalysisReportsAMissingPageAndGoesOn)
{
    writeStandardSite();
    auto form = analysis("site.out");
    in<QLineEdit>(form.get(), "EditImagePath")->setText(folder.file("images"));
    form->EditImagePathExit();
    EXPECT_EQ(in<QLineEdit>(form.get(), "EditImagePath")->text(), folder.file("images/"));
    prompts.expectInformation();
    form->BitBtnAnalyzeSiteClick();
    EXPECT_EQ(prompts.shownTexts(),
              QStringList({"Could not open file \"" + folder.file("site/lost.html") + "\".\nCannot read \"" +
                           folder.file("site/lost.html") + "\": the file does not exist."}));
    const QList<QStringList> rows = form->gridRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QStringList({"Home", "0KB", "1", "1KB", "0 sec", "0 sec"}));
    EXPECT_EQ(rows[2], QStringList({"Lost", "ERROR", "", "", "Cannot access file.", ""}));
    const QStringList summary = itemsOf(in<ReportList>(form.get(), "ListBox3"));
    EXPECT_TRUE(summary.contains("1KB       " + folder.file("images/a.gif")));
    EXPECT_TRUE(summary.contains("Error For Page: Lost"));
    EXPECT_TRUE(in<QLabel>(form.get(), "LabelErrorNote")->isHidden());

    // "Analyze Page" adds one row; "Clear Site Summary Grid" removes them all.
    form->Outline1Click(in<QTreeView>(form.get(), "Outline1")->model()->index(0, 0));
    form->BitBtnAnalyzePageClick();
    EXPECT_EQ(form->gridRows().size(), 4);
    EXPECT_EQ(itemsOf(in<ReportList>(form.get(), "ListBox3")).value(0), "Data For Page: Home");
    form->BitBtnClearGridClick();
    EXPECT_TRUE(form->gridRows().isEmpty());
}

TEST_F(SiteToolsWindowTest, MissingSecondPageGivesAnErrorRowAndTheThirdIsStillAnalyzed)
{
    writeSite("gap.out", {"One|one.html|<P>one</P>", "Two|two.html|", "Three|three.html|<P>three</P>"});
    auto form = analysis();
    form->ComboProjectsChange(in<QComboBox>(form.get(), "ComboProjects")->findText("GAP.OUT"));
    prompts.expectInformation();
    form->BitBtnAnalyzeSiteClick();
    EXPECT_EQ(prompts.shownTexts(),
              QStringList({"Could not open file \"" + folder.file("site/two.html") + "\".\nCannot read \"" +
                           folder.file("site/two.html") + "\": the file does not exist."}));
    const QList<QStringList> rows = form->gridRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1].value(1), "ERROR");
    EXPECT_EQ(rows[2], QStringList({"Three", "0KB", "0", "0KB", "0 sec", "0 sec"}));
    EXPECT_EQ(memory.pageTitle, "Three");
}

TEST_F(SiteToolsWindowTest, MissingPictureMarksTheRowAndShowsTheNote)
{
    writeStandardSite();
    auto form = analysis("site.out");
    in<QLineEdit>(form.get(), "EditImagePath")->setText(folder.file("nowhere/"));
    form->EditImagePathChange(folder.file("nowhere"));
    form->Outline1Click(in<QTreeView>(form.get(), "Outline1")->model()->index(0, 0));
    form->BitBtnAnalyzePageClick();
    EXPECT_EQ(form->gridRows().value(0).value(3), "**0KB");
    EXPECT_FALSE(in<QLabel>(form.get(), "LabelErrorNote")->isHidden());
}

TEST_F(SiteToolsWindowTest, StopButtonEndsTheSiteAnalysisKeepingWhatWasDone)
{
    writeStandardSite();
    StoppingPump stopping;
    auto form = analysis("site.out", &stopping);
    stopping.stopAt = 2;
    stopping.onCall = [&form] { Q_EMIT in<QPushButton>(form.get(), "BitBtnStop1")->pressed(); };
    form->BitBtnAnalyzeSiteClick();
    EXPECT_EQ(form->gridRows().size(), 1);
    EXPECT_TRUE(memory.stop);
    EXPECT_TRUE(in<QWidget>(form.get(), "ProgressBar1")->isHidden());

    // The stop of that run does not cut the next single page short.
    form->Outline1Click(in<QTreeView>(form.get(), "Outline1")->model()->index(0, 0));
    form->BitBtnAnalyzePageClick();
    EXPECT_EQ(form->gridRows().value(1).value(2), "1");
}

TEST_F(SiteToolsWindowTest, LinkAndImageListings)
{
    writeStandardSite();
    auto form = analysis("site.out");
    in<QLineEdit>(form.get(), "EditImagePath")->setText(folder.file("images/"));
    form->EditImagePathExit();
    auto *listing = in<ReportList>(form.get(), "ListBoxLinks");
    const QAbstractItemModel *outline = in<QTreeView>(form.get(), "OutlineLinks")->model();
    form->Outline1Click(outline->index(0, 0, outline->index(0, 0)));
    form->BitBtnLinksPageClick();
    EXPECT_EQ(itemsOf(listing),
              QStringList({"URL Link report for page: About", "HTML File Location:  " + folder.file("site/about.html"),
                           "The following HREF links have been found on this page:",
                           "======================================================", "Index.html", "index.html"}));
    EXPECT_EQ(form->status(), "Status:");

    in<QRadioButton>(form.get(), "RadioBoth")->setChecked(true);
    form->BitBtnLinksSiteClick();
    const QStringList both = itemsOf(listing);
    EXPECT_EQ(both.value(0), "URL Link report for page: Lost"); // the last page scanned
    EXPECT_EQ(both.mid(4, 3), QStringList({"About.html", "Index.html", "index.html"}));
    EXPECT_EQ(both.mid(7, 4), SiteAnalysis::bothSeparator());
    EXPECT_EQ(both.mid(11), QStringList({"Image File Report For Site: SITE.OUT",
                                         "These are the images included on the pages within this site:",
                                         "===================================", folder.file("images/a.gif"), " "}));
}

TEST_F(SiteToolsWindowTest, ShowMeWhereListsPagesWithTheirLineNumbers)
{
    writeStandardSite();
    auto form = analysis("site.out");
    auto *text = in<QLineEdit>(form.get(), "EditSearch");
    EXPECT_EQ(text->text(), "Enter text to search for here....");
    text->clear();
    prompts.expectInformation();
    form->BitBtnFindClick();
    EXPECT_EQ(prompts.shownTexts(), QStringList({LoadSizeTexts::mustEnterText}));

    text->setText("OLD address");
    form->BitBtnFindClick();
    const QStringList found = itemsOf(in<ReportList>(form.get(), "ListBoxFound"));
    EXPECT_EQ(found, QStringList({"Report generated by Tovarel Pro:  2:30:05 PM", " ",
                                  "SHOW ME WHERE report for Project: SITE", "Search for Text: OLD address",
                                  "This text was found on the following pages:",
                                  "======================================================",
                                  "HTML File:  " + folder.file("site/index.html") + "   Line#3",
                                  "HTML File:  " + folder.file("site/about.html") + "   Line#1",
                                  "Cannot read \"" + folder.file("site/lost.html") + "\": the file does not exist."}));
    EXPECT_EQ(form->status(), "Status: Finished.");

    text->setText("<A");
    in<QCheckBox>(form.get(), "CheckFileOnly")->setChecked(true);
    form->BitBtnFindClick();
    EXPECT_EQ(itemsOf(in<ReportList>(form.get(), "ListBoxFound")).mid(6),
              QStringList({"HTML File:  index.html   Line#2", "HTML File:  about.html   Line#0, #1",
                           "Cannot read \"" + folder.file("site/lost.html") + "\": the file does not exist."}));
}

TEST_F(SiteToolsWindowTest, ChoosingAProjectInEitherComboReadsItIntoBoth)
{
    writeStandardSite();
    writeSite("other.out", {"First|first.html|<P>", "Second|second.html|<P>"});
    auto form = analysis();
    auto *combo = in<QComboBox>(form.get(), "ComboProjects");
    auto *links = in<QComboBox>(form.get(), "ComboLinks");
    EXPECT_EQ(in<QLabel>(form.get(), "LabelSite")->text(), LoadSizeTexts::noSiteSelected);
    EXPECT_FALSE(in<QPushButton>(form.get(), "BitBtnFind")->isEnabled());
    form->ComboLinksChange(links->findText("OTHER.OUT"));
    EXPECT_EQ(combo->currentText(), "OTHER.OUT");
    EXPECT_EQ(in<QTreeView>(form.get(), "Outline1")->currentIndex().data().toString(), "First");
    EXPECT_EQ(memory.pagePath, folder.file("site/first.html"));
    EXPECT_TRUE(in<QPushButton>(form.get(), "BitBtnFind")->isEnabled());
    EXPECT_EQ(itemsOf(in<QListWidget>(form.get(), "ListBoxFiles")).size(), 2);
    form->ComboProjectsChange(combo->findText("SITE.OUT"));
    EXPECT_EQ(links->currentText(), "SITE.OUT");
    EXPECT_EQ(in<QLabel>(form.get(), "LabelSite")->text(), "Site to search:  SITE");
}

TEST_F(SiteToolsWindowTest, PrintingNeedsLinesAndPrintsToPdf)
{
    writeStandardSite();
    auto form = analysis("site.out");
    prompts.expectInformation().expectInformation();
    form->BitBtnPrintSiteClick();
    form->BitBtnPrintListingClick();
    EXPECT_EQ(prompts.shownTexts(), QStringList({"Nothing to print.", "Nothing to print."}));

    prompts.clear();
    prompts.expectInformation(); // the missing page
    form->BitBtnAnalyzeSiteClick();
    const QString gridPdf = folder.file("grid.pdf");
    const QString pagePdf = folder.file("page.pdf");
    prompts.expectPrinter(true, [gridPdf](QPrinter &p) { p.setOutputFileName(gridPdf); });
    form->BitBtnPrintSiteClick();
    prompts.expectPrinter(true, [pagePdf](QPrinter &p) { p.setOutputFileName(pagePdf); });
    form->BitBtnPrintPageClick();
    EXPECT_TRUE(folder.read("grid.pdf").startsWith("%PDF"));
    EXPECT_TRUE(folder.read("page.pdf").startsWith("%PDF"));
    prompts.expectPrinter(false);
    form->BitBtnPrintPageClick();
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(SiteToolsWindowTest, ImageFolderIsBrowsedAndWrittenOnClose)
{
    writeStandardSite();
    auto form = analysis();
    prompts.expectInformation().expectOpenFile(folder.file("Pics/Photo.GIF"));
    form->BitBtnImagePathClick();
    EXPECT_EQ(prompts.shownTexts().value(0), LoadSizeTexts::browseNote);
    EXPECT_EQ(in<QLineEdit>(form.get(), "EditImagePath")->text(), folder.file("Pics/"));
    EXPECT_FALSE(IniFile(folder.file("DEFAULT.INI")).hasKey("Location", "Images"));
    in<QPushButton>(form.get(), "BitBtnClose2")->click();
    EXPECT_EQ(IniFile(folder.file("DEFAULT.INI")).readString("Location", "Images", ""), folder.file("Pics/"));
}

// ---------------------------------------------------------------------------------------
// Extended replace

namespace {
class ReplaceTest : public SiteToolsWindowTest {
protected:
    // Runs the dialog from the main window's command with `act` inside it.
    void runReplace(const std::function<void(QDialog &)> &act)
    {
        modalAnswer = [act](QDialog &dialog) {
            act(dialog);
            return int(QDialog::Rejected);
        };
        trigger("ExtendedReplace1");
    }
    static void pick(QDialog &d, int files)
    {
        in<QRadioButton>(&d, "RadioFiles")->click();
        for (int i = 0; i < files; ++i)
            in<QPushButton>(&d, "ButtonAdd")->click();
        in<QPushButton>(&d, "BitBtnReplaceAll")->click();
    }
    static void fill(QDialog &d, const QString &text, const QString &with, bool backup, const QString &dir = {})
    {
        in<QLineEdit>(&d, "EditText")->setText(text);
        in<QLineEdit>(&d, "EditReplacement")->setText(with);
        in<QCheckBox>(&d, "CheckBackup")->setChecked(backup);
        if (!dir.isNull())
            in<QLineEdit>(&d, "EditBackupDir")->setText(dir);
    }
};
} // namespace

TEST_F(ReplaceTest, OpenDocumentIsClosedFirst)
{
    start();
    typeText("changed");
    prompts.expectInformation().expectQuestion(Answer::Cancel);
    trigger("ExtendedReplace1");
    EXPECT_EQ(prompts.shownTexts().value(0), BigReplaceTexts::closeFilesFirst);
    EXPECT_TRUE(modalWindows.isEmpty());

    prompts.clear();
    prompts.expectInformation().expectQuestion(Answer::No);
    QString backupField;
    runReplace([&backupField](QDialog &d) { backupField = in<QLineEdit>(&d, "EditBackupDir")->text(); });
    EXPECT_EQ(modalWindows, QStringList({"Extended Replace"}));
    EXPECT_EQ(backupField, "12_8_2026");
    EXPECT_TRUE(window().document().isUntitled());
    EXPECT_FALSE(window().document().isModified());
    EXPECT_EQ(window().statusPanelText(2), "Open HTML File:  " + window().document().untitledName());
    EXPECT_EQ(action("ExtendedReplace1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
}

TEST_F(ReplaceTest, RefusalsComeBeforeAnyFileIsTouched)
{
    writeSite("site.out", {"A|a.html|foo"});
    start();
    prompts.expectInformation().expectInformation().expectConfirm(false);
    runReplace([](QDialog &d) {
        fill(d, "foo", "bar", true);
        in<QPushButton>(&d, "BitBtnReplaceAll")->click(); // no project chosen
        in<QRadioButton>(&d, "RadioFiles")->click();
        in<QPushButton>(&d, "BitBtnReplaceAll")->click(); // no file picked
        in<QRadioButton>(&d, "RadioProj")->click();
        auto *combo = in<QComboBox>(&d, "ComboProjects");
        combo->setCurrentIndex(combo->findText("SITE.OUT"));
        in<QPushButton>(&d, "BitBtnReplaceAll")->click(); // answered No
    });
    EXPECT_EQ(prompts.shownTexts(), QStringList({BigReplaceTexts::selectProjectFirst, BigReplaceTexts::selectFileFirst,
                                                 BigReplaceTexts::areYouSure}));
    EXPECT_EQ(folder.read("site/a.html"), QByteArray("foo"));
    EXPECT_TRUE(QDir(folder.file("backup")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(ReplaceTest, ProjectModeBacksUpThePageFilesThenReplaces)
{
    writeSite("site.out",
              {"A|index.html|Foo fOO foo\r\naaaa", "B|b/index.html|FOO", "Gone|gone.html|", "C|c.html|nothing here"});
    folder.write("picked.html", "foo");
    start();
    openProject("site.out");
    prompts.expectConfirm(true).expectInformation();
    QString status;
    runReplace([&status](QDialog &d) {
        fill(d, "foo", "FOO", true);
        status = qobject_cast<TFormBigReplace *>(&d)->status();
        in<QPushButton>(&d, "BitBtnReplaceAll")->click();
        status = qobject_cast<TFormBigReplace *>(&d)->status();
    });
    EXPECT_EQ(status, "Finished.");
    // The missing page stops nothing (it cannot be replaced either) and the run's report names it.
    EXPECT_EQ(prompts.shownTexts().last(),
              BigReplaceTexts::filesLeft(
                  {"Cannot read \"" + folder.file("site/gone.html") + "\": the file does not exist."}));
    EXPECT_EQ(folder.read("site/index.html"), QByteArray("FOO FOO FOO\r\naaaa"));
    EXPECT_EQ(folder.read("site/b/index.html"), QByteArray("FOO"));
    EXPECT_EQ(folder.read("site/c.html"), QByteArray("nothing here"));
    EXPECT_FALSE(folder.exists("site/gone.html"));
    EXPECT_EQ(folder.read("picked.html"), QByteArray("foo"));
    // Both same-named pages survive in the backup, as they were before the replacement.
    EXPECT_EQ(folder.read("backup/12_8_2026/index.html"), QByteArray("Foo fOO foo\r\naaaa"));
    EXPECT_EQ(folder.read("backup/12_8_2026/b/index.html"), QByteArray("FOO"));
    EXPECT_TRUE(folder.exists("backup/12_8_2026/c.html"));
    EXPECT_FALSE(folder.exists("backup/12_8_2026/picked.html"));

    // The same day again: the folder exists, so nothing is changed.
    prompts.expectConfirm(true).expectInformation();
    runReplace([](QDialog &d) {
        fill(d, "aa", "a", true);
        in<QPushButton>(&d, "BitBtnReplaceAll")->click();
    });
    EXPECT_EQ(prompts.shownTexts().last(), SiteFiles::cannotCreateBackupFolder);
    EXPECT_EQ(folder.read("site/index.html"), QByteArray("FOO FOO FOO\r\naaaa"));

    // Without the backup, aa becomes a in aaaa twice, never overlapping.
    prompts.expectConfirm(true).expectInformation();
    runReplace([](QDialog &d) {
        fill(d, "aa", "a", false);
        in<QPushButton>(&d, "BitBtnReplaceAll")->click();
    });
    EXPECT_EQ(folder.read("site/index.html"), QByteArray("FOO FOO FOO\r\naa"));
}

TEST_F(ReplaceTest, BackupNameLeavingTheBackupFolderIsRefused)
{
    writeSite("site.out", {"A|a.html|foo"});
    start();
    openProject("site.out");
    for (const QString &name : QStringList{"../escaped", "x/y", folder.file("abs")}) {
        prompts.clear();
        prompts.expectConfirm(true).expectInformation();
        runReplace([name](QDialog &d) {
            fill(d, "foo", "bar", true, name);
            in<QPushButton>(&d, "BitBtnReplaceAll")->click();
        });
        EXPECT_EQ(prompts.shownTexts().last(), SiteFiles::cannotCreateBackupFolder) << name.toStdString();
    }
    EXPECT_FALSE(folder.exists("escaped"));
    EXPECT_FALSE(folder.exists("abs"));
    EXPECT_FALSE(folder.exists("backup/x"));
    EXPECT_EQ(folder.read("site/a.html"), QByteArray("foo"));
}

TEST_F(ReplaceTest, FileModeUsesThePickedFilesOnly)
{
    writeSite("site.out", {"A|a.html|foo"});
    folder.write("x/one.html", "foo");
    folder.write("y/two.html", "FOO");
    start();
    openProject("site.out");
    IniFile(folder.file("DEFAULT.INI")).writeString("Start", "Location", folder.file("x/"));
    window().settings().reload(SettingKey::StartLocation);
    prompts.expectOpenFile(folder.file("x/one.html")).expectOpenFile(folder.file("y/two.html")).expectOpenFile({});
    prompts.expectConfirm(true);
    QStringList working;
    runReplace([&working](QDialog &d) {
        fill(d, "foo", "bar", false);
        in<QRadioButton>(&d, "RadioFiles")->click();
        for (int i = 0; i < 3; ++i)
            in<QPushButton>(&d, "ButtonAdd")->click();
        auto *list = in<QListWidget>(&d, "ListBox1");
        list->setCurrentRow(0);
        list->item(0)->setSelected(false);
        in<QPushButton>(&d, "ButtonRemove")->click(); // nothing selected: nothing removed
        in<QPushButton>(&d, "BitBtnReplaceAll")->click();
        working = qobject_cast<TFormBigReplace *>(&d)->workingList();
    });
    const auto &shown = prompts.shown();
    EXPECT_EQ(shown[1].request.folder, folder.file("x/"));
    EXPECT_EQ(shown[2].request.folder, folder.file("x/"));
    EXPECT_EQ(shown[3].request.folder, folder.file("y/"));
    EXPECT_EQ(shown[1].request.filter, "HTML File|*.htm;*.html;*.shtml;*.sht;*.cgi;*.asp;|All Files|*.*");
    EXPECT_EQ(working, QStringList({folder.file("x/one.html"), folder.file("y/two.html")}));
    EXPECT_EQ(folder.read("x/one.html"), QByteArray("bar"));
    EXPECT_EQ(folder.read("y/two.html"), QByteArray("bar"));
    EXPECT_EQ(folder.read("site/a.html"), QByteArray("foo"));
}

// A backup copy that fails (here: larger than the process may write) stops the run before any
// file is replaced, naming the file; a page that cannot be read stops nothing.
TEST_F(ReplaceTest, FailedBackupCopyStopsBeforeAnythingIsReplaced)
{
    const QString small = folder.write("x/small.html", "foo");
    const QString big = folder.write("x/big.html", "foo" + QByteArray(200 * 1024, ' '));
    start();
    prompts.expectOpenFile(small).expectOpenFile(big).expectConfirm(true).expectInformation();
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved;
    lowered.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
    runReplace([](QDialog &d) {
        fill(d, "foo", "bar", true);
        pick(d, 2);
    });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    const QString message = prompts.shownTexts().last();
    EXPECT_TRUE(message.startsWith("Could not back up \"" + big + "\", so nothing was replaced.\n"))
        << message.toStdString();
    EXPECT_TRUE(message.contains("File too large")) << message.toStdString();
    EXPECT_EQ(folder.read("x/small.html"), QByteArray("foo"));
    EXPECT_TRUE(folder.read("x/big.html").startsWith("foo"));
}

// Renaming over a file needs only the folder's permission: a read-only page and another
// user's page are left as they were (content, mode, owner) and named in the run's report.
// Temporary files a killed run left beside the pages are removed; the user's own stay.
TEST_F(ReplaceTest, FilesTheUserMayNotWriteAreLeftAndReported)
{
    const QString mine = folder.write("x/mine.html", "foo");
    const QString readOnly = folder.write("x/readonly.html", "foo");
    const QString theirs = folder.write("x/theirs.html", "foo");
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const bool otherOwner = ::chown(QFile::encodeName(theirs).constData(), 65534, 65534) == 0;
    folder.write("x/.mine.html.tovarel-replace-Ab3dE9", "half written");
    folder.write("x/notes.tovarel-replace-Ab3dE9", "the user's");
    start();
    prompts.expectOpenFile(mine)
        .expectOpenFile(readOnly)
        .expectOpenFile(theirs)
        .expectConfirm(true)
        .expectInformation();
    runReplace([](QDialog &d) {
        fill(d, "foo", "bar", false);
        pick(d, 3);
    });
    EXPECT_EQ(folder.read("x/mine.html"), QByteArray("bar"));
    EXPECT_EQ(folder.read("x/readonly.html"), QByteArray("foo"));
    EXPECT_EQ(QFileInfo(readOnly).permissions() & QFile::WriteOwner, QFile::Permissions());
    QStringList reasons{"Cannot write \"" + readOnly + "\": it is read-only."};
    if (otherOwner) {
        EXPECT_EQ(folder.read("x/theirs.html"), QByteArray("foo"));
        EXPECT_EQ(QFileInfo(theirs).ownerId(), 65534u);
        reasons << "Cannot write \"" + theirs + "\": it belongs to another user.";
    }
    EXPECT_EQ(prompts.shownTexts().last(), BigReplaceTexts::filesLeft(reasons));
    EXPECT_FALSE(folder.exists("x/.mine.html.tovarel-replace-Ab3dE9"));
    EXPECT_TRUE(folder.exists("x/notes.tovarel-replace-Ab3dE9"));
    EXPECT_EQ(QDir(folder.file("x")).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

// A path file longer than its outline would have pages changed that the project never shows:
// refused, naming both counts. Relative paths are taken from the projects folder.
TEST_F(ReplaceTest, ProjectPathsAreCheckedAndTakenFromTheProjectFolder)
{
    folder.write("site/rel.html", "foo");
    folder.write("site/hidden.html", "foo");
    folder.write("projects/site.out", "Rel\r\n");
    folder.write("projects/site.fil", "../site/rel.html\r\n../site/hidden.html\r\n");
    start();
    prompts.expectConfirm(true).expectError();
    const auto run = [this] {
        runReplace([](QDialog &d) {
            fill(d, "foo", "bar", false);
            auto *combo = in<QComboBox>(&d, "ComboProjects");
            combo->setCurrentIndex(combo->findText("SITE.OUT"));
            in<QPushButton>(&d, "BitBtnReplaceAll")->click();
        });
    };
    run();
    EXPECT_EQ(prompts.shownTexts().last(), ProjectFiles::pageCountMismatch(folder.file("projects/site.out"), 1, 2));
    EXPECT_TRUE(prompts.shownTexts().last().contains("1 page but its path file lists 2 paths"));
    EXPECT_EQ(folder.read("site/hidden.html"), QByteArray("foo"));

    folder.write("projects/site.fil", "../site/rel.html\r\n");
    prompts.expectConfirm(true);
    run();
    EXPECT_EQ(folder.read("site/rel.html"), QByteArray("bar"));
    EXPECT_EQ(folder.read("site/hidden.html"), QByteArray("foo"));
}

// ---------------------------------------------------------------------------------------
// Backup

namespace {
class BackupTest : public SiteToolsWindowTest {
protected:
    std::unique_ptr<TFormBackup> backupForm(const QString &projectName)
    {
        settings = std::make_unique<Settings>(folder.path());
        BackupContext context;
        context.settings = settings.get();
        context.prompts = &prompts;
        context.clock = &clock;
        context.pump = &pump;
        context.programFolder = folder.path();
        context.projectsFolder = folder.file("projects/");
        context.projectName = projectName;
        return std::make_unique<TFormBackup>(std::move(context));
    }
    void SetUp() override
    {
        SiteToolsWindowTest::SetUp();
        QDir(folder.path()).mkdir("backup");
    }
};
} // namespace

TEST_F(BackupTest, OpensOnTheProjectWithADatedSuggestion)
{
    writeSite("MySite.out", {"A|a.html|a", "B|b.html|b"});
    auto form = backupForm("mysite.out");
    EXPECT_EQ(form->windowTitle(), "Backup Project Files");
    EXPECT_EQ(in<QComboBox>(form.get(), "ComboProjects")->currentText(), "MYSITE.OUT");
    EXPECT_TRUE(in<QPushButton>(form.get(), "BitBtnBackup")->isEnabled());
    EXPECT_EQ(itemsOf(in<QListWidget>(form.get(), "ListBox1")),
              QStringList({folder.file("site/a.html"), folder.file("site/b.html")}));
    EXPECT_EQ(in<QLineEdit>(form.get(), "EditNewSub")->text(), "mysite_12_8_2026");
    EXPECT_EQ(in<QLineEdit>(form.get(), "EditBackupPath")->text(), folder.file("backup"));

    auto none = backupForm(QString());
    EXPECT_FALSE(in<QPushButton>(none.get(), "BitBtnBackup")->isEnabled());
    EXPECT_TRUE(in<QLineEdit>(none.get(), "EditNewSub")->text().isEmpty());
}

TEST_F(BackupTest, CreateMakesTheSubFolderOnceAndNeverOutside)
{
    writeSite("site.out", {"A|a.html|a"});
    auto form = backupForm("site.out");
    auto *name = in<QLineEdit>(form.get(), "EditNewSub");
    auto *target = in<QLineEdit>(form.get(), "EditBackupPath");
    form->ButtonNewSubClick();
    EXPECT_TRUE(folder.exists("backup/site_12_8_2026"));
    EXPECT_EQ(target->text(), folder.file("backup/site_12_8_2026"));
    EXPECT_TRUE(name->text().isEmpty());
    folder.write("backup/site_12_8_2026/keep.html", "kept");
    name->setText("site_12_8_2026");
    form->ButtonNewSubClick();
    EXPECT_EQ(folder.read("backup/site_12_8_2026/keep.html"), QByteArray("kept"));
    EXPECT_EQ(target->text(), folder.file("backup/site_12_8_2026"));

    // A refused name is said so, and stays in the field to be corrected.
    for (const QString bad : {"../outside", "a/b", "/tmp/abs", ".."}) {
        name->setText(bad);
        prompts.clear();
        prompts.expectInformation();
        form->ButtonNewSubClick();
        EXPECT_EQ(prompts.shownTexts(), QStringList({SiteFiles::cannotCreateBackupFolder})) << bad.toStdString();
        EXPECT_EQ(name->text(), bad);
        EXPECT_EQ(target->text(), folder.file("backup/site_12_8_2026")) << bad.toStdString();
    }
    EXPECT_FALSE(folder.exists("outside"));
    EXPECT_FALSE(folder.exists("backup/a"));
}

TEST_F(BackupTest, MissingThirdPageIsReportedAndTheRestCopied)
{
    writeSite("site.out", {"A|index.html|one", "B|sub/index.html|two", "C|gone.html|", "D|d.html|four"});
    auto form = backupForm("site.out");
    form->ButtonNewSubClick();
    prompts.expectInformation().expectInformation();
    form->BitBtnBackupClick();
    EXPECT_EQ(prompts.shownTexts(),
              QStringList({BackupTexts::pageFailed(folder.file("site/gone.html")) + "\nCannot read \"" +
                               folder.file("site/gone.html") + "\": the file does not exist.",
                           "Backup finished. However, as reported, at least one file could not be backed up."}));
    EXPECT_EQ(in<QLineEdit>(form.get(), "EditBackupPath")->text(), folder.file("backup/site_12_8_2026/"));
    EXPECT_EQ(form->status(), "Status: Backup complete");
    const QString into = "backup/site_12_8_2026/";
    EXPECT_EQ(folder.read(into + "index.html"), QByteArray("one"));
    EXPECT_EQ(folder.read(into + "sub/index.html"), QByteArray("two"));
    EXPECT_EQ(folder.read(into + "d.html"), QByteArray("four"));
    EXPECT_EQ(folder.read(into + "site.out"), folder.read("projects/site.out"));
    EXPECT_EQ(folder.read(into + "site.fil"), folder.read("projects/site.fil"));

    // Everything there: the closing message alone.
    folder.write("site/gone.html", "three");
    prompts.clear();
    prompts.expectInformation();
    form->BitBtnBackupClick();
    EXPECT_EQ(prompts.shownTexts(), QStringList({"Backup finished."}));
}

TEST_F(BackupTest, TypedProjectNameIsRefused)
{
    writeSite("site.out", {"A|a.html|a"});
    auto form = backupForm(QString());
    in<QComboBox>(form.get(), "ComboProjects")->setEditText("TYPED.OUT");
    prompts.expectInformation().expectInformation();
    form->ComboProjectsChange();
    form->BitBtnBackupClick();
    EXPECT_EQ(prompts.shownTexts(), QStringList({BackupTexts::cannotType, BackupTexts::notValid}));
    EXPECT_TRUE(QDir(folder.file("backup")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(SiteToolsWindowTest, ReminderYesOpensTheBackupOnTheProject)
{
    writeSite("site.out", {"A|a.html|a"});
    start();
    QStringList chosen;
    modalAnswer = [&chosen](QDialog &dialog) {
        chosen << in<QComboBox>(&dialog, "ComboProjects")->currentText();
        return int(QDialog::Accepted);
    };
    for (int closing = 1; closing <= 6; ++closing) {
        openProject("site.out"); // closes the one open before
    }
    prompts.expectConfirm(true);
    trigger("NewProject1"); // the sixth closing
    EXPECT_EQ(modalWindows, QStringList({"Backup Project Files"}));
    EXPECT_EQ(chosen, QStringList({"SITE.OUT"}));

    modalWindows.clear();
    trigger("BackupHTMLfiles1"); // the project is closed now: nothing chosen
    EXPECT_EQ(modalWindows, QStringList({"Backup Project Files"}));
    EXPECT_EQ(chosen.value(1), "");
    EXPECT_EQ(action("BackupHTMLfiles1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
}

TEST_F(SiteToolsWindowTest, BackupFromItsWindowStartsTheReminderCountAgain)
{
    writeSite("site.out", {"A|a.html|a"});
    start();
    for (int open = 1; open <= 4; ++open)
        openProject("site.out"); // three closings counted
    const QString options = folder.file("OPTIONS.INI");
    ASSERT_EQ(IniFile(options).readInt("Backup", "SITE", -1), 3);

    modalAnswer = [this](QDialog &dialog) {
        auto &backup = static_cast<TFormBackup &>(dialog);
        prompts.expectInformation(); // "Backup finished."
        backup.ButtonNewSubClick();
        backup.BitBtnBackupClick();
        return int(QDialog::Accepted);
    };
    trigger("BackupHTMLfiles1");
    EXPECT_EQ(prompts.last().text, "Backup finished.");
    EXPECT_EQ(IniFile(options).readInt("Backup", "SITE", -1), 0);

    // Five more closings pass quietly; the sixth since the backup reminds.
    modalAnswer = nullptr;
    for (int open = 1; open <= 5; ++open)
        openProject("site.out");
    EXPECT_EQ(IniFile(options).readInt("Backup", "SITE", -1), 5);
    prompts.expectConfirm(false);
    trigger("NewProject1");
    EXPECT_EQ(prompts.last().text, BackupReminder::question);
    EXPECT_TRUE(prompts.allAnswered());
}

// ---------------------------------------------------------------------------------------
// Check Links

namespace {
class CheckLinksTest : public SiteToolsWindowTest {
protected:
    void writeLinkedSite()
    {
        writeSite("links.out", {"Home|index.html|<A HREF=\"about.html\">a</A>\r\n<IMG SRC=\"Pic.gif\">\r\n"
                                "<A HREF=\"gone.html#top\">g</A>\r\n<A HREF=\"http://example.com/\">e</A>\r\n",
                                "About|about.html|<A HREF=\"index.html\">home</A>\r\n", "Lost|lost.html|"});
        folder.write("site/pic.gif", "GIF");
        folder.write("site/spare.gif", "GIF");
    }
    TFormCheckLinks *linksWindow() { return window().findChild<TFormCheckLinks *>("FormCheckLinks"); }
    QTreeView *linksList() { return in<QTreeView>(linksWindow(), "ListViewLinks"); }
    void doubleClickRow(int row) { linksWindow()->ListViewLinksDblClick(linksList()->model()->index(row, 2)); }
    int caretLine() { return window().editor().textCursor().blockNumber() + 1; }
};
} // namespace

TEST_F(CheckLinksTest, ListsEachProblemAndOpensItsPageAtItsLine)
{
    writeLinkedSite();
    start();
    openProject("links.out");
    prompts.clear();
    trigger("CheckLinks1");
    ASSERT_NE(linksWindow(), nullptr);
    EXPECT_TRUE(linksWindow()->isVisible());
    EXPECT_FALSE(linksWindow()->isModal()) << "it stays open beside the main window";
    EXPECT_EQ(
        rowsOf(linksList()->model()),
        QStringList({"index.html|2|Pic.gif|only in another letter case: pic.gif", "index.html|3|gone.html#top|missing",
                     "index.html|4|http://example.com/|external, not checked", "lost.html|||the page cannot be read",
                     "||spare.gif|orphan: no page refers to it"}));
    EXPECT_EQ(in<QLabel>(linksWindow(), "LabelSiteFolder")->text(), "Site folder: " + folder.file("site/"));
    EXPECT_EQ(linksWindow()->status(), "Checked 3 pages: 3 problems, 1 external links, 1 orphans.");
    EXPECT_TRUE(in<QWidget>(linksWindow(), "ProgressBar1")->isHidden());

    doubleClickRow(1);
    EXPECT_EQ(window().document().openFileName(), folder.file("site/index.html"));
    EXPECT_EQ(caretLine(), 3);
    EXPECT_TRUE(prompts.shownTexts().isEmpty());

    // The open page, changed: only the caret moves. Another page: the open-document question first.
    typeText("x");
    doubleClickRow(0);
    EXPECT_EQ(caretLine(), 2);
    prompts.expectQuestion(Answer::Cancel);
    doubleClickRow(3);
    EXPECT_EQ(prompts.shownTexts(), QStringList({DocumentTexts::saveQuestion}));
    EXPECT_EQ(window().document().openFileName(), folder.file("site/index.html"));
    EXPECT_TRUE(window().document().isModified());
    doubleClickRow(4); // an orphan has no page to open
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(CheckLinksTest, OutlineMenuChecksAgainAndTheReportIsSavedAsText)
{
    writeLinkedSite();
    start();
    openProject("links.out");
    QAction *popup = control<QMenu>("PopupMenu1")->findChild<QAction *>("CheckLinks2");
    ASSERT_NE(popup, nullptr);
    popup->trigger();
    ASSERT_NE(linksWindow(), nullptr);
    EXPECT_EQ(linksWindow()->findings().size(), 5);
    folder.write("site/gone.html", "back");
    in<QPushButton>(linksWindow(), "BitBtnCheckAgain")->click();
    EXPECT_EQ(linksWindow()->findings().size(), 4) << "the check runs on the files as they are now";

    prompts.expectSaveFile(folder.file("report.txt"));
    in<QPushButton>(linksWindow(), "BitBtnSaveReport")->click();
    EXPECT_EQ(folder.read("report.txt"),
              "Check Links report for project: links.out\r\nSite folder: " + folder.file("site/").toUtf8() +
                  "\r\nProblems: 2   External links: 1   Orphans: 1\r\n\r\nPage\tLine\tTarget\tProblem\r\n" +
                  folder.file("site/index.html").toUtf8() + "\t2\tPic.gif\tonly in another letter case: pic.gif\r\n" +
                  folder.file("site/index.html").toUtf8() + "\t4\thttp://example.com/\texternal, not checked\r\n" +
                  folder.file("site/lost.html").toUtf8() + "\t\t\tthe page cannot be read\r\n" +
                  "\t\tspare.gif\torphan: no page refers to it\r\n");
    prompts.expectSaveFile({});
    in<QPushButton>(linksWindow(), "BitBtnSaveReport")->click();
    // A report that cannot be written is said so.
    prompts.expectSaveFile(folder.file("no such folder/report.txt")).expectError();
    in<QPushButton>(linksWindow(), "BitBtnSaveReport")->click();
    EXPECT_TRUE(prompts.last().text.contains("no such folder/report.txt")) << prompts.last().text.toStdString();
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(CheckLinksTest, NeedsAProjectAndStopsWhenAsked)
{
    start();
    prompts.expectInformation();
    trigger("CheckLinks1");
    EXPECT_EQ(prompts.shownTexts(), QStringList({LinkCheckTexts::noProject}));
    EXPECT_EQ(linksWindow(), nullptr);

    writeLinkedSite();
    StoppingPump stopping;
    TFormCheckLinks form(prompts, stopping);
    stopping.stopAt = 2;
    stopping.onCall = [&form] { Q_EMIT in<QPushButton>(&form, "BitBtnStop")->pressed(); };
    form.checkPages("links.out",
                    {folder.file("site/index.html"), folder.file("site/about.html"), folder.file("site/lost.html")});
    EXPECT_EQ(form.status(), "Stopped.");
    EXPECT_EQ(form.findings().size(), 3) << "the first page's findings stay; no orphans";
    EXPECT_TRUE(in<QPushButton>(&form, "BitBtnCheckAgain")->isEnabled());
    EXPECT_FALSE(in<QPushButton>(&form, "BitBtnStop")->isEnabled());
}

// ---------------------------------------------------------------------------------------
// Check Page and Tidy Page

namespace {
class TidyWindowTest : public SiteToolsWindowTest {
protected:
    void openPage(const QByteArray &text)
    {
        folder.write("page.html", text);
        prompts.expectOpenFile(folder.file("page.html"));
        trigger("OpenHTMLFile1");
    }
    QString text() { return window().editor().toPlainText(); }
};
} // namespace

TEST_F(TidyWindowTest, CheckPageListsTidysMessagesAndADoubleClickMovesTheCaret)
{
    start();
    openPage("<p>a\r\n\t<b>x<i>y</b>\r\n<foo>z\r\n");
    trigger("CheckPage1");
    auto *form = window().findChild<TFormCheckPage *>("FormCheckPage");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    const QStringList rows = rowsOf(in<QTreeView>(form, "ListViewMessages")->model());
    EXPECT_TRUE(rows.contains("3|1|Error|<foo> is not recognized!")) << rows.join('\n').toStdString();
    const int replacing = int(rows.indexOf("2|13|Warning|replacing unexpected b with </b>"));
    ASSERT_GE(replacing, 0) << rows.join('\n').toStdString();
    EXPECT_TRUE(form->summary().endsWith("warnings.")) << form->summary().toStdString();

    form->ListViewMessagesDblClick(in<QTreeView>(form, "ListViewMessages")->model()->index(replacing, 3));
    const QTextCursor caret = window().editor().textCursor();
    EXPECT_EQ(caret.blockNumber(), 1);
    EXPECT_EQ(caret.positionInBlock(), 5) << "column 13 is after a tab of eight and \"<b>x\"";

    // Check Again, from the editing window's menu too, checks the text as it is now.
    window().editorAccess().setPlainText("<!DOCTYPE html><html><head><title>t</title></head><body></body></html>");
    in<QPushButton>(form, "BitBtnCheckAgain")->click();
    EXPECT_EQ(form->summary(), HtmlTidyTexts::noMessages);
    window().editorAccess().setPlainText("<p>x");
    control<QMenu>("PopupMenuEditor")->findChild<QAction *>("CheckPage2")->trigger();
    EXPECT_FALSE(form->messages().isEmpty());
}

TEST_F(TidyWindowTest, TidyPageIsOneUndoableEditInTheProgramsTagStyle)
{
    start();
    const QString original = "<html><head><title>T</title></head>\n<body><p>one<p>two</body></html>\n";
    openPage(original.toUtf8());
    ASSERT_FALSE(window().document().isModified());
    trigger("TidyPage1");
    EXPECT_TRUE(text().contains("<P>one</P>\n<P>two</P>")) << text().toStdString();
    EXPECT_FALSE(text().startsWith("<!DOCTYPE")) << "a page without one keeps none";
    EXPECT_TRUE(window().document().isModified());
    trigger("Undo1");
    EXPECT_EQ(text(), original);

    // A page Tidy cannot repair: said so, and nothing changes.
    prompts.expectQuestion(Answer::No);
    openPage("<p>a<foo>b</foo>");
    prompts.clear();
    prompts.expectError();
    trigger("TidyPage1");
    EXPECT_EQ(prompts.shownTexts(), QStringList({HtmlTidyTexts::hasErrors}));
    EXPECT_EQ(text(), "<p>a<foo>b</foo>");
    EXPECT_FALSE(window().document().isModified());
}

TEST_F(TidyWindowTest, TidyPageFollowsTheSettings)
{
    folder.write("DEFAULT.INI", "[Tidy]\r\nUpperCase=0\r\nKeepDoctype=0\r\nIndent=1\r\n");
    start();
    openPage("<html><head><title>T</title></head><body><div><p>one</div></body></html>");
    control<QMenu>("PopupMenuEditor")->findChild<QAction *>("TidyPage2")->trigger();
    EXPECT_TRUE(text().startsWith("<!DOCTYPE html>")) << text().toStdString();
    EXPECT_TRUE(text().contains("\n  <div>\n    <p>")) << text().toStdString();
}
