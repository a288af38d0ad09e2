#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "editor/TFormSpeedBar.h"
#include "editor/TagPanel.h"
#include "help/TFormHelpOnTop.h"
#include "help/TTipsForm.h"
#include "help/TipsOfTheDay.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "testsupport/MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

using HelpWindowTest = MainWindowFixture;

namespace {
void writeHelp(const TempProgramFolder &folder)
{
    folder.write("help/welcome.out", "Welcome\r\n\tFiles\r\nProjects\r\n");
    folder.write("help/welcome.fil", "welcome.kvn\r\nfiles.kvn\r\nprojects.kvn\r\n");
    folder.write("help/welcome.kvn", "<P>Welcome page</P>");
    folder.write("help/files.kvn", "<P>Files page</P>");
    folder.write("help/projects.kvn", "<P>Projects page</P>");
}
} // namespace

TEST_F(HelpWindowTest, TagPanelDoubleClicks)
{
    TForm1 &w = start();
    EXPECT_EQ(TagPanel::tagEntries().size(), 100);
    EXPECT_EQ(TagPanel::attributeEntries().size(), 72);
    trigger("SpeedBar1");
    trigger("SpeedBar1"); // each use opens another panel
    const QList<TFormSpeedBar *> panels = w.findChildren<TFormSpeedBar *>();
    ASSERT_EQ(panels.size(), 2);
    TFormSpeedBar *panel = panels.first();
    EXPECT_EQ(panel->windowTitle(), "Tag Panel");
    EXPECT_TRUE(panel->windowFlags() & Qt::WindowStaysOnTopHint);

    struct Case {
        const char *entry;
        bool attribute;
        const char *text;
        int start, length;
        const char *after;
        int selStart, selLength;
    };
    const Case cases[] = {
        {"<B>.</B>", false, "a word b", 2, 4, "a <B>word</B> b", 5, 4},
        {"<B>.</B>", false, "ab", 1, 0, "a<B></B>b", 4, 0},
        {"<BR>", false, "x sel y", 2, 3, "x <BR>sel y", 6, 3},
        {"<HTML><HEAD><TITLE></TITLE></HEAD><BODY>.</BODY></HTML>", false, "t", 0, 1,
         "<HTML><HEAD><TITLE></TITLE></HEAD><BODY>t</BODY></HTML>", 40, 1},
        {"WIDTH=", true, "<IMG >", 5, 0, "<IMG WIDTH=>", 11, 0},
        {"ISMAP", true, "[sel]", 1, 3, "[ISMAPsel]", 6, 0},
    };
    for (const Case &c : cases) {
        w.editorAccess().setPlainText(QLatin1String(c.text));
        w.editorAccess().setSelection(c.start, c.length);
        w.document().setModified(false);
        QListWidget *list = c.attribute ? panel->attributeList() : panel->tagList();
        const QList<QListWidgetItem *> found = list->findItems(QLatin1String(c.entry), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << c.entry;
        list->setCurrentItem(found.first());
        if (c.attribute)
            panel->ListBox2DblClick();
        else
            panel->ListBox1DblClick();
        EXPECT_EQ(w.editorAccess().plainText(), QLatin1String(c.after)) << c.entry;
        EXPECT_EQ(w.editorAccess().selStart(), c.selStart) << c.entry;
        EXPECT_EQ(w.editorAccess().selLength(), c.selLength) << c.entry;
        EXPECT_TRUE(w.document().isModified()) << c.entry;
    }
}

TEST_F(HelpWindowTest, WelcomeOpensTheHelpProjectReadOnly)
{
    writeHelp(folder);
    TForm1 &w = start();
    typeText("x");
    prompts.expectQuestion(Answer::No);
    trigger("WelcometoTovarelPro1");
    EXPECT_TRUE(w.helpMode());
    EXPECT_EQ(w.projectName(), "welcome.out");
    EXPECT_EQ(w.project().pageCount(), 3);
    EXPECT_EQ(w.editorAccess().plainText(), "<P>Welcome page</P>");
    EXPECT_TRUE(w.document().isHelpPage());
    EXPECT_FALSE(action("SaveHTMLFile1")->isEnabled());
    EXPECT_FALSE(action("SaveHTMLFileAs1")->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Kelvane Tovarel Pro:  " + folder.path() + "help/welcome.out");
    EXPECT_EQ(w.statusPanelText(2), "Open HTML File:  " + folder.path() + "help/welcome.kvn");
    w.selectPage(1);
    prompts.expectInformation();
    click("BitBtnDelete");
    EXPECT_EQ(prompts.last().text, "Sorry, this is the HELP file and cannot be edited.");
    w.Outline1DblClick();
    EXPECT_EQ(w.editorAccess().plainText(), "<P>Files page</P>");
}

TEST_F(HelpWindowTest, HelpOnTopPagesThroughTheHelp)
{
    writeHelp(folder);
    folder.write("help/projects.kvn", "<H2>Projects page</H2>\r\n<UL><LI>Open one<LI>Save <B>it</B></UL>");
    TForm1 &w = start();
    trigger("WelcometoTovarelPro1");
    w.selectPage(2);
    w.Outline1DblClick(); // projects.kvn is open: Help On Top starts there
    trigger("HelpOnTop1");
    EXPECT_FALSE(action("HelpOnTop1")->isEnabled());
    auto *help = w.findChild<TFormHelpOnTop *>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage(), 2);
    // Shown as a page, not as its source: a heading and a list of two items.
    EXPECT_EQ(help->text(), "Projects page\nOpen one\nSave it");
    const QTextDocument *page = help->findChild<QTextEdit *>("REHelp")->document();
    EXPECT_EQ(page->firstBlock().blockFormat().headingLevel(), 2);
    ASSERT_NE(page->findBlockByNumber(1).textList(), nullptr);
    EXPECT_EQ(page->findBlockByNumber(1).textList()->count(), 2);
    EXPECT_FALSE(help->findChild<QPushButton *>("ButtonNext")->isEnabled());
    help->PrevClick();
    help->PrevClick();
    EXPECT_EQ(help->text(), "Welcome page");
    EXPECT_FALSE(help->findChild<QPushButton *>("ButtonPrev")->isEnabled());
    EXPECT_TRUE(help->hintVisible());
    help->resize(500, 400); // the user's first resize hides the hint
    EXPECT_FALSE(help->hintVisible());
    EXPECT_EQ(help->findChild<QWidget *>("REHelp")->width(), 500 - 15);
    help->close();
    EXPECT_TRUE(action("HelpOnTop1")->isEnabled());
}

TEST_F(HelpWindowTest, MissingHelpFilesAreReported)
{
    start();
    prompts.expectInformation();
    trigger("HelpOnTop1");
    EXPECT_EQ(prompts.last().text, "Unable to open the Help files. Have you deleted them?\rReinstall Tovarel Pro to "
                                   "recreate the Help files.");
    EXPECT_TRUE(action("HelpOnTop1")->isEnabled());
    prompts.expectInformation();
    click("BitBtnHelp");
    EXPECT_EQ(prompts.last().text, "The help file for this program is presented in an outline form. Select WELCOME TO "
                                   "TOVAREL PRO from the Help menu to see this outline.");
}

TEST_F(HelpWindowTest, TipOfTheDayAppearsOnceTheWindowIsUpAndItsBoxIsStored)
{
    TForm1 &w = start();
    EXPECT_TRUE(modalWindows.isEmpty()); // not during start-up
    modalAnswer = [](QDialog &dialog) {
        auto *tips = qobject_cast<TTipsForm *>(&dialog);
        EXPECT_EQ(tips->currentTip(), TipsOfTheDay::tips().at(0));
        tips->NextTipClick();
        EXPECT_EQ(tips->currentTip(), TipsOfTheDay::tips().at(1));
        dialog.findChild<QCheckBox *>("CheckShowTips")->setChecked(false);
        return int(QDialog::Accepted);
    };
    QCoreApplication::processEvents();
    EXPECT_EQ(modalWindows, QStringList({"Tovarel Pro Tip of the Day"}));
    EXPECT_EQ(IniFile(folder.file("OPTIONS.INI")).readString("Help", "ShowTips", ""), "0");
    EXPECT_EQ(TipsOfTheDay::tips().size(), 26);

    // The next start shows no tip.
    TearDown();
    modalWindows.clear();
    start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(modalWindows.isEmpty());
    modalAnswer = {};
    trigger("ShowTipoftheDay1");
    QCoreApplication::processEvents();
    EXPECT_EQ(modalWindows, QStringList({"Tovarel Pro Tip of the Day"}));
    Q_UNUSED(w);
}

// A question up at start-up (a crash copy to restore, a page that would not open) is
// answered first: the tip shown over it hid what it asked.
TEST_F(HelpWindowTest, TipOfTheDayWaitsForAQuestionAlreadyUp)
{
    QDialog question;
    question.setWindowModality(Qt::ApplicationModal);
    question.show();
    start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(modalWindows.isEmpty());
    question.hide();
    EXPECT_TRUE(QTest::qWaitFor([&] { return modalWindows == QStringList({"Tovarel Pro Tip of the Day"}); }));
}

TEST_F(HelpWindowTest, AboutAndFaqAreModal)
{
    start();
    trigger("About1");
    trigger("FrequentlyAskedQuestions1");
    EXPECT_EQ(modalWindows.size(), 2);
    EXPECT_EQ(modalWindows.last(), "FAQ");
}

// The help that ships with the program: every page of its outline exists and opens.
TEST_F(HelpWindowTest, ShippedHelpOpensEveryPage)
{
    const QDir shipped(QStringLiteral(TOVAREL_SOURCE_DIR "/data/help"));
    for (const QString &name : shipped.entryList(QDir::Files))
        folder.write("help/" + name, readFileBytes(shipped.filePath(name)).value_or(QByteArray()));
    TForm1 &w = start();
    trigger("WelcometoTovarelPro1");
    ASSERT_GT(w.project().pageCount(), 10);
    EXPECT_EQ(w.project().paths().size(), w.project().pageCount());
    EXPECT_TRUE(w.editorAccess().plainText().contains("Tovarel Pro"));
    for (int page = 0; page < w.project().pageCount(); ++page) {
        w.selectPage(page);
        w.Outline1DblClick();
        const QString text = w.editorAccess().plainText();
        EXPECT_TRUE(text.startsWith("<HTML>")) << w.project().pathOf(page).toStdString();
        EXPECT_TRUE(text.contains("<TITLE>" + w.project().pages()[page].title + "</TITLE>"))
            << w.project().pathOf(page).toStdString();
        EXPECT_TRUE(w.document().isHelpPage());
    }
    EXPECT_TRUE(prompts.shown().empty()) << prompts.last().text.toStdString();
}
