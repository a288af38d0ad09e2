// Another program changes the open page or project while the window has it open: the real
// watcher, the real main window, scripted answers.
#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/OutsideChanges.h"
#include "editor/RichEditAccess.h"
#include "project/ProjectModel.h"
#include "testsupport/MainWindowFixture.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

class OutsideChangesWindowTest : public MainWindowFixture {
protected:
    // Another editor's save: a new file renamed over the old one, so the watched file is replaced.
    void saveElsewhere(const QString &name, const QByteArray &bytes)
    {
        const QString temp = folder.write(name + ".new~", bytes);
        ASSERT_EQ(std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(folder.file(name)).constData()),
                  0);
    }
    static bool waitFor(const std::function<bool()> &done) { return QTest::qWaitFor(done, 5000); }
    // Long enough for any signal of a change to have been acted on.
    static void letSettle() { QTest::qWait(OutsideChanges::kQuietMs * 4); }

    TForm1 &startWithPage(const QString &name, const QByteArray &bytes)
    {
        TForm1 &w = start();
        EXPECT_TRUE(w.document().load(folder.write(name, bytes)));
        return w;
    }
};

TEST_F(OutsideChangesWindowTest, AnUnmodifiedPageFollowsEachOutsideSaveOnItsCaretLine)
{
    TForm1 &w = startWithPage("page.htm", "l1\r\nl2\r\nl3\r\nl4\r\n");
    w.editorAccess().setSelection(8, 0); // the start of the third line
    saveElsewhere("page.htm", "L1\r\nL2\r\nL3 new\r\nL4\r\n");
    ASSERT_TRUE(waitFor([&] { return w.editorAccess().plainText() == "L1\nL2\nL3 new\nL4\n"; }));
    EXPECT_EQ(w.editor().textCursor().blockNumber(), 2);
    EXPECT_FALSE(w.document().isModified());

    // The renamed-over file is a new file: it is watched in turn.
    saveElsewhere("page.htm", "only");
    ASSERT_TRUE(waitFor([&] { return w.editorAccess().plainText() == "only"; }));
    EXPECT_EQ(w.editor().textCursor().blockNumber(), 0) << "a line that is gone: the last one there";
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(OutsideChangesWindowTest, AModifiedPageIsReloadedOnlyAfterAYesAndAskedOncePerChange)
{
    TForm1 &w = start();
    for (const bool reload : {true, false}) {
        SCOPED_TRACE(reload);
        prompts.clear();
        const QString page = folder.write(QStringLiteral("page-%1.htm").arg(reload), "old");
        ASSERT_TRUE(w.document().load(page));
        typeText("mine ");
        prompts.expectConfirm(reload);
        saveElsewhere(QStringLiteral("page-%1.htm").arg(reload), "theirs");
        ASSERT_TRUE(waitFor([&] { return prompts.allAnswered(); }));
        EXPECT_EQ(prompts.last().text, OutsideChangeTexts::reloadPage(page));
        EXPECT_TRUE(prompts.last().text.contains(page));

        folder.write("unrelated.txt", "more signals from the folder");
        QFile(page).setPermissions(QFile(page).permissions()); // and from the file itself
        letSettle();
        EXPECT_EQ(prompts.shown().size(), 1u) << "one question for one change";
        EXPECT_EQ(w.editorAccess().plainText(), reload ? "theirs" : "mine old");
        EXPECT_EQ(w.document().isModified(), !reload);
    }
    // Kept text still meets the save-time check: the other program's file is not lost unasked.
    prompts.expectQuestion(Answer::Yes);
    trigger("SaveHTMLFile1");
    EXPECT_EQ(prompts.last().text, DocumentTexts::changedOnDisk(folder.file("page-0.htm")));
    EXPECT_EQ(folder.read("page-0.htm"), "mine old");
}

TEST_F(OutsideChangesWindowTest, TheProgramsOwnSavesAskNothing)
{
    TForm1 &w = startWithPage("own.htm", "text");
    for (const char *typed : {"one ", "two "}) {
        typeText(typed);
        trigger("SaveHTMLFile1");
        letSettle();
    }
    EXPECT_EQ(folder.read("own.htm"), "one two text");
    EXPECT_FALSE(w.document().isModified());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(OutsideChangesWindowTest, ADeletedPageKeepsItsTextUnsavedAndClosingOffersToWriteItAgain)
{
    TForm1 &w = startWithPage("gone.htm", "keep me");
    QFile::remove(folder.file("gone.htm"));
    ASSERT_TRUE(waitFor([&] { return w.document().isModified(); }));
    EXPECT_EQ(w.editorAccess().plainText(), "keep me");
    EXPECT_TRUE(prompts.shown().empty());

    prompts.expectQuestion(Answer::Yes);
    trigger("CloseHTMLFile1");
    EXPECT_EQ(prompts.last().text, DocumentTexts::saveQuestion);
    EXPECT_EQ(folder.read("gone.htm"), "keep me");
}

TEST_F(OutsideChangesWindowTest, NoQuestionWhileADialogIsUpItComesWhenTheDialogCloses)
{
    TForm1 &w = startWithPage("busy.htm", "old");
    typeText("mine ");
    prompts.expectConfirm(false);
    whenModal([&](QDialog *dialog) {
        saveElsewhere("busy.htm", "theirs");
        letSettle();
        EXPECT_FALSE(prompts.allAnswered()) << "asked while a dialog was up";
        dialog->accept();
    });
    QDialog dialog(&w);
    dialog.exec();
    ASSERT_TRUE(waitFor([&] { return prompts.allAnswered(); }));
    EXPECT_EQ(prompts.last().text, OutsideChangeTexts::reloadPage(folder.file("busy.htm")));
}

TEST_F(OutsideChangesWindowTest, TheOpenProjectIsReadAgainOrAskedAboutWhenModified)
{
    TForm1 &w = start();
    const QString outline = folder.write("projects/site.out", "Home\r\n");
    folder.write("projects/site.fil", "/site/home.html\r\n");
    w.openFiles({outline});
    ASSERT_EQ(w.project().pages().size(), 1);

    saveElsewhere("projects/site.out", "Home\r\n\tNews\r\n");
    saveElsewhere("projects/site.fil", "/site/home.html\r\n/site/news.html\r\n");
    ASSERT_TRUE(waitFor([&] { return w.project().pages().size() == 2; }));
    EXPECT_TRUE(prompts.shown().empty());

    // The program's own save is no outside change; another program's, on a modified project, is asked.
    trigger("Save1");
    letSettle();
    EXPECT_TRUE(prompts.shown().empty());
    const QString mine = folder.write("site/mine.html", "<P>mine</P>");
    whenModal([mine](QDialog *d) {
        d->findChild<QLineEdit *>("Edit1")->setText("Mine");
        d->findChild<QLineEdit *>("Edit2")->setText(mine);
        d->findChild<QPushButton *>("ButtonOK")->click();
    });
    click("Button1");
    ASSERT_TRUE(w.projectModified());
    prompts.expectConfirm(false);
    saveElsewhere("projects/site.out", "Home\r\nAbout\r\n");
    ASSERT_TRUE(waitFor([&] { return prompts.allAnswered(); }));
    EXPECT_EQ(prompts.last().text, OutsideChangeTexts::reloadProject(outline));
    letSettle();
    EXPECT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(w.project().pages().size(), 3) << "kept as the user has it";
    EXPECT_TRUE(w.projectModified());
}
} // namespace
