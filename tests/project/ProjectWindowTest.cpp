#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "project/MoveList.h"
#include "project/TFormMove.h"
#include "testsupport/MainWindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

namespace {
class ProjectWindowTest : public MainWindowFixture {
protected:
    // A project in the projects folder; pages "title:level", each with a page file.
    QString writeProject(const QString &name, const QStringList &items)
    {
        QByteArray outline, paths;
        for (const QString &item : items) {
            const QStringList parts = item.split(':');
            outline += QByteArray(parts[1].toInt() - 1, '\t') + parts[0].toUtf8() + "\r\n";
            paths += folder.write("site/" + parts[0] + ".html", "<P>" + parts[0].toUtf8() + "</P>").toUtf8() + "\r\n";
        }
        folder.write("projects/" + name, outline);
        folder.write("projects/" + ProjectFiles::companionPathFile(name), paths);
        return folder.file("projects/" + name);
    }

    void openProject(const QString &path)
    {
        prompts.expectOpenFile(path);
        trigger("Open1");
    }

    QStringList titles() const
    {
        QStringList out;
        for (const ProjectPage &p : m_w->project().pages())
            out << QStringLiteral("%1:%2").arg(p.title).arg(p.level);
        return out;
    }

    void fillPageDialog(const QString &title, const QString &path)
    {
        whenModal([title, path](QDialog *d) {
            d->findChild<QLineEdit *>("Edit1")->setText(title);
            d->findChild<QLineEdit *>("Edit2")->setText(path);
            d->findChild<QPushButton *>("ButtonOK")->click();
        });
    }

    TForm1 &begin()
    {
        m_w = &start();
        return *m_w;
    }

    TForm1 *m_w = nullptr;
};
} // namespace

TEST_F(ProjectWindowTest, OpenReadsBothFilesExpandsAndGoesOnTheRecentList)
{
    TForm1 &w = begin();
    const QString path = writeProject("site.out", {"Home:1", "About:2", "Team:3", "News:2", "Contact:1"});
    openProject(path);
    EXPECT_EQ(titles(), QStringList({"Home:1", "About:2", "Team:3", "News:2", "Contact:1"}));
    EXPECT_EQ(w.project().paths().size(), 5);
    EXPECT_EQ(w.projectName(), "site.out");
    EXPECT_EQ(w.windowTitle(), "Kelvane Tovarel Pro:  " + path);
    EXPECT_EQ(action("Recent1")->text(), "1: " + path);
    EXPECT_EQ(IniFile(folder.file("OPTIONS.INI")).readString("Recent", "File1", ""), path);
    EXPECT_TRUE(button("BitBtnSaveProject")->isEnabled());
    EXPECT_EQ(prompts.last().request.filterIndex, 2);
    EXPECT_EQ(prompts.last().request.folder, folder.path() + "projects/");
}

TEST_F(ProjectWindowTest, BrokenProjectFilesRollBackToAnEmptyProject)
{
    TForm1 &w = begin();
    const QString good = writeProject("good.out", {"A:1", "B:1"});
    openProject(good);
    struct Case {
        const char *what;
        QByteArray outline;
        bool pathFile;
        const char *message;
    };
    const Case cases[] = {
        {"three steps deeper", "a\r\n\t\t\tb\r\n", true, "File load error"},
        {"missing path file", "a\r\n", false, "Cannot read"},
        // Paths would drift onto the wrong pages: both counts are named, nothing is opened.
        {"two pages, one path", "a\r\n\tb\r\n", true, "The project \""},
    };
    for (const Case &c : cases) {
        const QString bad = folder.write("projects/bad.out", c.outline);
        QFile::remove(folder.file("projects/bad.fil"));
        if (c.pathFile)
            folder.write("projects/bad.fil", "/x.html\r\n");
        prompts.expectOpenFile(bad).expectError();
        trigger("Open1");
        EXPECT_TRUE(prompts.last().text.startsWith(QLatin1String(c.message))) << c.what;
        if (QLatin1String(c.message) == QLatin1String("The project \"")) {
            EXPECT_EQ(prompts.last().text, ProjectFiles::pageCountMismatch(bad, 2, 1)) << c.what;
        }
        EXPECT_TRUE(w.project().isEmpty()) << c.what;
        EXPECT_TRUE(w.project().paths().isEmpty()) << c.what;
        EXPECT_TRUE(w.projectName().isEmpty()) << c.what; // nothing can be saved over the broken file
        EXPECT_EQ(folder.read("projects/bad.out"), c.outline) << c.what;
    }
    prompts.expectOpenFile(folder.file("projects/none.out")).expectInformation();
    trigger("Open1");
    EXPECT_EQ(prompts.last().text,
              "Error opening this project. Please be sure you selected a valid, existing project.");
}

// A project saved with titles the outline format could not hold before (leading blanks)
// opens again unchanged; relative page paths are taken from the project file's folder, not
// from the folder the program was started in.
TEST_F(ProjectWindowTest, SavedProjectOpensAgainUnchangedWithRelativePaths)
{
    TForm1 &w = begin();
    folder.write("site/a.html", "<P>relative page</P>");
    folder.write("projects/rel.out", ProjectFiles::writeOutline({{"  Home  ", 1}, {"\tSub >> &&& \u00e9", 2}}));
    folder.write("projects/rel.fil", "../site/a.html\r\n../site/missing.html\r\n");
    const QString saved = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath()); // so a path taken from the working folder would miss
    openProject(folder.file("projects/rel.out"));
    EXPECT_EQ(titles(), QStringList({"  Home  :1", "\tSub >> &&& \u00e9:2"}));
    w.selectPage(0);
    w.Outline1DblClick();
    EXPECT_EQ(w.editor().toPlainText(), "<P>relative page</P>");
    EXPECT_EQ(w.document().openFileName(), folder.file("site/a.html"));

    w.Save1Click();
    openProject(folder.file("projects/rel.out"));
    QDir::setCurrent(saved);
    EXPECT_EQ(titles(), QStringList({"  Home  :1", "\tSub >> &&& \u00e9:2"}));
    EXPECT_EQ(w.project().paths(), QStringList({"../site/a.html", "../site/missing.html"}));
}

TEST_F(ProjectWindowTest, AddPagesAndSaveANewProject)
{
    TForm1 &w = begin();
    const QString home = folder.write("web/home.html", "h");
    const QString a = folder.write("web/a.html", "a");
    const QString a1 = folder.write("web/deep/a1.html", "a1");
    fillPageDialog("Home", home);
    click("Button1");
    fillPageDialog("A", a);
    click("Button1");
    w.selectPage(1);
    fillPageDialog("A1", a1);
    click("BitBtnAddChild");
    w.selectPage(0);
    fillPageDialog("H1", home);
    click("BitBtnAddChild");
    EXPECT_EQ(titles(), QStringList({"Home:1", "H1:2", "A:1", "A1:2"}));
    EXPECT_EQ(w.project().paths(), QStringList({home, home, a, a1}));
    EXPECT_TRUE(w.projectModified());
    EXPECT_EQ(IniFile(folder.file("DEFAULT.INI")).readString("Start", "Location", ""), folder.path() + "web/");

    prompts.expectSaveFile(folder.file("elsewhere/mysite.htm"));
    trigger("Save1");
    EXPECT_EQ(prompts.last().request.title, "Save Project As..");
    EXPECT_EQ(folder.read("projects/mysite.out"), QByteArray("Home\r\n\tH1\r\nA\r\n\tA1\r\n"));
    EXPECT_EQ(folder.read("projects/mysite.fil"), (home + "\r\n" + home + "\r\n" + a + "\r\n" + a1 + "\r\n").toUtf8());
    EXPECT_FALSE(w.projectModified());
    EXPECT_EQ(w.projectName(), "mysite.out");
}

TEST_F(ProjectWindowTest, PageDialogRefusesAMissingFileAndAnEmptyTitle)
{
    TForm1 &w = begin();
    const QString page = folder.write("p.html", "p");
    prompts.expectInformation().expectInformation();
    whenModal([page](QDialog *d) {
        d->findChild<QLineEdit *>("Edit1")->setText("T");
        d->findChild<QLineEdit *>("Edit2")->setText("/no/such/file.html");
        d->findChild<QPushButton *>("ButtonOK")->click();
        EXPECT_TRUE(d->isVisible());
        d->findChild<QLineEdit *>("Edit1")->clear();
        d->findChild<QLineEdit *>("Edit2")->setText(page);
        d->findChild<QPushButton *>("ButtonOK")->click();
        EXPECT_TRUE(d->isVisible());
        d->findChild<QPushButton *>("ButtonCancel")->click();
    });
    click("Button1");
    EXPECT_EQ(prompts.shownTexts(), QStringList({"HTML file does not exist. Please enter a valid HTML file path.",
                                                 "You must enter a Title for this Web Page."}));
    EXPECT_TRUE(w.project().isEmpty());
    EXPECT_FALSE(w.projectModified());
}

TEST_F(ProjectWindowTest, CommandsOnAnEmptyProjectDoNothing)
{
    TForm1 &w = begin();
    for (const char *name : {"BitBtnAddChild", "BitBtnDelete", "ButtonMove"})
        click(QLatin1String(name));
    for (const char *name : {"ChangeHTMLLink1", "ChangePageTitle1", "OpenEditWebPage1", "Selected1", "ThisLevel1"})
        trigger(QLatin1String(name));
    EXPECT_TRUE(w.project().isEmpty());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(ProjectWindowTest, RemoveAskesUntilSwitchedOffAndTheSettingSurvives)
{
    TForm1 &w = begin();
    openProject(writeProject("r.out", {"A:1", "B:1", "B1:2", "B1a:3", "C:1"}));
    w.selectPage(1);
    whenModal([](QDialog *d) { d->findChild<QPushButton *>("ButtonCancel")->click(); });
    click("BitBtnDelete");
    EXPECT_EQ(w.project().pageCount(), 5);
    whenModal([](QDialog *d) {
        d->findChild<QCheckBox *>("CheckBox1")->setChecked(true);
        d->findChild<QPushButton *>("ButtonYes")->click();
    });
    click("BitBtnDelete");
    EXPECT_EQ(titles(), QStringList({"A:1", "C:1"}));
    EXPECT_EQ(w.project().paths().size(), 2);
    EXPECT_TRUE(w.project().paths()[1].endsWith("C.html"));
    EXPECT_EQ(IniFile(folder.file("DEFAULT.INI")).readString("Files", "Confirm", ""), "0");
    w.selectPage(0);
    trigger("RemovePagefromProject1"); // no dialog this time
    EXPECT_EQ(titles(), QStringList({"C:1"}));

    // The setting survives a restart: the next run removes without asking too.
    TearDown();
    TForm1 &again = begin();
    openProject(folder.file("projects/r.out"));
    again.selectPage(1);
    click("BitBtnDelete");
    EXPECT_EQ(titles(), QStringList({"A:1", "C:1"}));
}

TEST_F(ProjectWindowTest, PageClickShowsSizeInKilobytesOfAThousand)
{
    TForm1 &w = begin();
    const QString big = folder.write("big.html", QByteArray(1999, 'x'));
    const QString small = folder.write("small.html", QByteArray(999, 'x'));
    folder.write("projects/k.out", "Big\r\nSmall\r\nGone\r\n");
    folder.write("projects/k.fil", (big + "\r\n" + small + "\r\n/none.html\r\n").toUtf8());
    openProject(folder.file("projects/k.out"));
    w.selectPage(0);
    w.Outline1Click();
    EXPECT_EQ(w.statusPanelText(0), "File Size: 1KB");
    EXPECT_EQ(w.statusPanelText(1), "Page Location:  " + big);
    w.selectPage(1);
    w.Outline1Click();
    EXPECT_EQ(w.statusPanelText(0), "File Size: 0KB");
    w.selectPage(2);
    w.Outline1Click(); // a missing file changes nothing
    EXPECT_EQ(w.statusPanelText(0), "File Size: 0KB");
}

TEST_F(ProjectWindowTest, DoubleClickOpensThePageAndReportsAMissingFile)
{
    TForm1 &w = begin();
    openProject(writeProject("d.out", {"Home:1", "Gone:1"}));
    QFile::remove(w.project().pathOf(1));
    w.selectPage(0);
    w.Outline1DblClick();
    EXPECT_EQ(w.editorAccess().plainText(), "<P>Home</P>");
    EXPECT_EQ(w.statusPanelText(2), "Open HTML File:  " + w.project().pathOf(0));
    typeText("x");
    w.selectPage(1);
    prompts.expectQuestion(Answer::No).expectInformation();
    w.Outline1DblClick();
    EXPECT_TRUE(prompts.last().text.startsWith("Cannot open this file. Has it been moved, renamed, or deleted?"));
    // Nothing replaced the text the user chose not to save: it stays, still unsaved, under its own name.
    EXPECT_EQ(w.editorAccess().plainText(), "x<P>Home</P>");
    EXPECT_TRUE(w.document().isModified());
    EXPECT_EQ(w.document().openFileName(), w.project().pathOf(0));
}

TEST_F(ProjectWindowTest, RecentItemsSwapAndAMissingOneIsReported)
{
    TForm1 &w = begin();
    const QString one = writeProject("one.out", {"A:1"});
    const QString two = writeProject("two.out", {"B:1"});
    const QString three = writeProject("three.out", {"C:1"});
    openProject(one);
    openProject(two);
    openProject(three);
    EXPECT_EQ(action("Recent3")->text(), "3: " + one);
    trigger("Recent3");
    EXPECT_EQ(titles(), QStringList({"A:1"}));
    EXPECT_EQ(action("Recent1")->text(), "1: " + one);
    EXPECT_EQ(action("Recent3")->text(), "3: " + three);
    EXPECT_EQ(w.windowTitle(), "Kelvane Tovarel:  " + one);
    trigger("Recent1"); // the same project again stays first
    EXPECT_EQ(action("Recent1")->text(), "1: " + one);
    trigger("Recent4"); // empty entry: nothing
    QFile::remove(two);
    prompts.expectInformation();
    trigger("Recent2");
    EXPECT_EQ(prompts.last().text, "Cannot find the project \"" + two.toUpper() +
                                       "\".\rPlease locate and open it using the File|Open menu item.");
}

TEST_F(ProjectWindowTest, HelpProjectIsNeverSaved)
{
    TForm1 &w = begin();
    folder.write("help/welcome.out", "Welcome\r\n");
    folder.write("help/welcome.fil", "welcome.kvn\r\n");
    folder.write("help/welcome.kvn", "<P>Help</P>");
    ASSERT_TRUE(w.openHelpProject());
    EXPECT_TRUE(w.helpMode());
    prompts.expectInformation();
    trigger("Save1");
    EXPECT_EQ(prompts.last().text, "Sorry, this is the HELP file and cannot be changed.");
    prompts.expectInformation();
    trigger("SaveAs1");
    w.selectPage(0);
    prompts.expectInformation();
    click("BitBtnDelete");
    EXPECT_EQ(prompts.last().text, "Sorry, this is the HELP file and cannot be edited.");
    w.Outline1DblClick();
    EXPECT_EQ(w.editorAccess().plainText(), "<P>Help</P>");
    EXPECT_TRUE(w.document().isHelpPage());
    EXPECT_FALSE(action("SaveHTMLFile1")->isEnabled());
    EXPECT_FALSE(folder.exists("projects/welcome.out"));
}

TEST_F(ProjectWindowTest, BackupReminderComesAtTheSixthClosing)
{
    TForm1 &w = begin();
    const QString path = writeProject("b.out", {"A:1"});
    int asked = 0;
    for (int closing = 1; closing <= 6; ++closing) {
        openProject(path);
        if (closing == 6)
            prompts.expectConfirm(false);
        trigger("NewProject1");
        asked = int(prompts.shown().size());
    }
    EXPECT_EQ(prompts.last().text, "This project has not been backed-up recently. Do you wish to back up all HTML and "
                                   "project files now?\r(NOTE: You can disable this prompt from the BACKUP tab of the "
                                   "SETTINGS menu.)");
    EXPECT_EQ(asked, 6 + 1);
    EXPECT_EQ(IniFile(folder.file("OPTIONS.INI")).readInt("Backup", "B", -1), 0);
    EXPECT_EQ(w.windowTitle(), "Kelvane Tovarel Pro:  ");
}

TEST_F(ProjectWindowTest, ClosingTheProgramOffersToSaveAModifiedProject)
{
    TForm1 &w = begin();
    const QString page = folder.write("x.html", "x");
    fillPageDialog("X", page);
    click("Button1");
    prompts.expectConfirm(false);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(prompts.last().text, "Save changes to this Project?");
}

TEST_F(ProjectWindowTest, MoveDialogRoundTripsThroughTheTemporaryFiles)
{
    TForm1 &w = begin();
    openProject(writeProject("m.out", {"A:1", "B:1", "B1:2", "C:1"}));
    const QStringList pathsBefore = w.project().paths();
    whenModal([](QDialog *d) {
        auto *move = qobject_cast<TFormMove *>(d);
        move->selectLine(3);
        move->MoveUpClick();
        d->findChild<QPushButton *>("ButtonCancel")->click();
    });
    click("ButtonMove");
    EXPECT_EQ(titles(), QStringList({"A:1", "B:1", "B1:2", "C:1"}));
    EXPECT_TRUE(folder.exists("temp.ttt"));

    whenModal([](QDialog *d) {
        auto *move = qobject_cast<TFormMove *>(d);
        move->selectLine(3);
        move->MoveUpClick();
        move->MoveUpClick();
        d->findChild<QPushButton *>("ButtonOK")->click();
    });
    click("ButtonMove");
    EXPECT_EQ(titles(), QStringList({"A:1", "C:1", "B:1", "B1:2"}));
    EXPECT_EQ(w.project().paths(), QStringList({pathsBefore[0], pathsBefore[3], pathsBefore[1], pathsBefore[2]}));
    EXPECT_TRUE(w.projectModified());
    EXPECT_EQ(folder.read("temp.ttt"), QByteArray("A\r\nC\r\nB\r\n\tB1\r\n"));
}

TEST_F(ProjectWindowTest, PrintsEachChoiceToPdf)
{
    TForm1 &w = begin();
    prompts.expectInformation();
    // No project and no file name: nothing to print.
    w.document().setOpenFileName(QString());
    trigger("PrintProjectOutline1");
    EXPECT_EQ(prompts.last().text, "There is no project or HTML file open to print.");

    openProject(writeProject("p.out", {"Home:1", "Contact:3"}));
    w.editorAccess().setPlainText("<HTML>\n<BODY>Hello</BODY>\n</HTML>");
    w.document().setOpenFileName(folder.file("page.html"));
    for (const char *choice : {"RadioButton1", "RadioButton2", "RadioButton3"}) {
        const QString pdf = folder.file(QStringLiteral("%1.pdf").arg(QLatin1String(choice)));
        whenModal([choice](QDialog *d) {
            d->findChild<QRadioButton *>(QLatin1String(choice))->setChecked(true);
            d->findChild<QPushButton *>("ButtonPrint")->click();
        });
        prompts.expectPrinter(true, [pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        });
        trigger("PrintProjectOutline1");
        const QByteArray bytes = readFileBytes(pdf).value_or(QByteArray());
        EXPECT_TRUE(bytes.startsWith("%PDF")) << choice;
        EXPECT_GT(bytes.size(), 500) << choice;
    }
    EXPECT_EQ(ProjectFiles::printLines({{"Contact", 3}}, {"c:\\web\\contact.html"}, true, false),
              QStringList({"\t\tContact  (c:\\web\\contact.html)"}));
    EXPECT_EQ(ProjectFiles::printLines({{"Contact", 3}}, {"c:\\web\\contact.html"}, true, true),
              QStringList({"\t\tContact  (contact.html)"}));
}

TEST_F(ProjectWindowTest, OutlineViewShowsTheTreeOfLevels)
{
    TForm1 &w = begin();
    openProject(writeProject("t.out", {"Home:1", "About:2", "Team:3", "News:2", "Contact:1"}));
    auto *view = control<QTreeView>("Outline1");
    QAbstractItemModel *model = view->model();
    ASSERT_EQ(model->rowCount(), 2);
    const QModelIndex home = model->index(0, 0);
    EXPECT_EQ(home.data().toString(), "Home");
    EXPECT_EQ(model->rowCount(home), 2);
    const QModelIndex about = model->index(0, 0, home);
    EXPECT_EQ(model->index(0, 0, about).data().toString(), "Team");
    EXPECT_EQ(model->parent(model->index(0, 0, about)), about);
    EXPECT_EQ(model->index(1, 0, home).data().toString(), "News");
    EXPECT_FALSE(model->hasChildren(model->index(1, 0)));
    EXPECT_TRUE(view->isExpanded(home));
    EXPECT_TRUE(view->isExpanded(about));

    w.selectPage(0);
    trigger("ThisLevel1");
    EXPECT_FALSE(view->isExpanded(home));
    EXPECT_FALSE(view->isExpanded(about));
    trigger("Selected1"); // one level only
    EXPECT_TRUE(view->isExpanded(home));
    EXPECT_FALSE(view->isExpanded(about));
    trigger("AllPageGroups1");
    EXPECT_TRUE(view->isExpanded(about));
    trigger("EntireSite1");
    EXPECT_FALSE(view->isExpanded(home));
}
