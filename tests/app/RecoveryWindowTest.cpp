// Crash recovery through the main window: the copy follows typing, goes with saving and
// discarding, and a copy left by a killed program is offered back at the next start.
#include "editor/HtmlDocument.h"
#include "editor/RecoveryFile.h"
#include "editor/RichEditAccess.h"
#include "testsupport/MainWindowFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

namespace {

class RecoveryWindowTest : public MainWindowFixture {
protected:
    QString recoveryPath() const { return folder.file(RecoveryTexts::fileName); }

    // A saved page open in the window, then typed into, then left alone long enough.
    TForm1 &typeIntoSavedPage()
    {
        TForm1 &w = start();
        EXPECT_TRUE(w.document().load(folder.write("page.htm", "<P>saved</P>")));
        typeText("new ");
        clock.set(clock.now().addSecs(RecoveryKeeper::kQuietSeconds));
        w.TimerRecoveryTimer();
        return w;
    }
};

TEST_F(RecoveryWindowTest, UnsavedTextIsCopiedAndSavingRemovesTheCopy)
{
    const QDateTime typedAt = clock.now();
    TForm1 &w = typeIntoSavedPage();
    const std::optional<RecoveredPage> copy = RecoveryFile::read(recoveryPath());
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->pageName, folder.file("page.htm"));
    EXPECT_EQ(copy->text, w.editorAccess().plainText());
    EXPECT_TRUE(copy->text.contains("new ")) << copy->text.toStdString();
    EXPECT_EQ(copy->changed, typedAt);

    trigger("SaveHTMLFile1");
    w.TimerRecoveryTimer();
    EXPECT_FALSE(QFile::exists(recoveryPath()));
}

TEST_F(RecoveryWindowTest, DiscardingOnCloseRemovesTheCopy)
{
    typeIntoSavedPage();
    ASSERT_TRUE(QFile::exists(recoveryPath()));
    prompts.expectQuestion(Answer::No);
    trigger("CloseHTMLFile1");
    window().TimerRecoveryTimer();
    EXPECT_FALSE(QFile::exists(recoveryPath()));
    EXPECT_EQ(folder.read("page.htm"), "<P>saved</P>");
}

TEST_F(RecoveryWindowTest, ALeftCopyIsOfferedAtStartAndRestoredUnsaved)
{
    const RecoveredPage left{folder.file("lost.htm"), QDateTime(QDate(2026, 12, 7), QTime(23, 59)), "<P>lost\nwork"};
    ASSERT_TRUE(RecoveryFile::write(recoveryPath(), left));
    prompts.expectConfirm(true);
    TForm1 &w = start();
    EXPECT_EQ(prompts.last().text, RecoveryTexts::restoreQuestion(left));
    EXPECT_TRUE(prompts.last().text.contains(left.pageName));
    EXPECT_EQ(w.editorAccess().plainText(), "<P>lost\nwork");
    EXPECT_EQ(w.document().openFileName(), left.pageName);
    EXPECT_TRUE(w.document().isModified());
    EXPECT_TRUE(w.statusPanelText(2).endsWith(left.pageName));

    w.TimerRecoveryTimer();
    EXPECT_TRUE(QFile::exists(recoveryPath())) << "kept until saved or thrown away";
    trigger("SaveHTMLFile1"); // to the page's own name, no question asked
    w.TimerRecoveryTimer();
    EXPECT_EQ(folder.read("lost.htm"), "<P>lost\r\nwork");
    EXPECT_FALSE(QFile::exists(recoveryPath()));
}

// The page of a crashed window saves as its file was written: Latin-1 stays Latin-1, and
// every line keeps its own end (a Linux file keeps LF, not the CR LF of new files).
TEST_F(RecoveryWindowTest, ARestoredPageSavesAsItsFileWasWritten)
{
    const QByteArray page = "<P>caf\xe9</P>\n<P>two</P>\r\n<P>three</P>\n";
    TForm1 &crashed = start();
    ASSERT_TRUE(crashed.document().load(folder.write("page.htm", page)));
    typeText("new ");
    clock.set(clock.now().addSecs(RecoveryKeeper::kQuietSeconds));
    crashed.TimerRecoveryTimer();
    ASSERT_TRUE(QFile::exists(recoveryPath()));

    prompts.expectConfirm(true);
    TForm1 &w = start(); // the next start finds the copy the crashed window left
    EXPECT_EQ(w.editorAccess().plainText(), "new <P>caf\u00e9</P>\n<P>two</P>\n<P>three</P>\n");
    prompts.expectQuestion(Answer::Yes); // the file is there and the text is not from it
    trigger("SaveHTMLFile1");
    EXPECT_EQ(folder.read("page.htm"), "new " + page);
}

TEST_F(RecoveryWindowTest, NoDeletesTheLeftCopy)
{
    ASSERT_TRUE(RecoveryFile::write(recoveryPath(), {folder.file("lost.htm"), clock.now(), "lost"}));
    prompts.expectConfirm(false);
    TForm1 &w = start();
    EXPECT_FALSE(QFile::exists(recoveryPath()));
    EXPECT_EQ(w.editorAccess().plainText(), "");
    EXPECT_FALSE(w.document().isModified());
}

// Run only by the next test, as a separate process that it kills once the copy is on disk.
TEST_F(RecoveryWindowTest, DISABLED_KilledChild)
{
    typeIntoSavedPage();
    std::printf("COPY-IN %s\n", qPrintable(folder.path()));
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

TEST_F(RecoveryWindowTest, KilledProgramLeavesACopyToRestore)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_also_run_disabled_tests", "--gtest_filter=RecoveryWindowTest.DISABLED_KilledChild"});
    QString childFolder;
    while (childFolder.isEmpty() && child.waitForReadyRead(60000))
        while (child.canReadLine()) {
            const QString line = QString::fromLocal8Bit(child.readLine()).trimmed();
            if (line.startsWith("COPY-IN "))
                childFolder = line.mid(8);
        }
    ASSERT_FALSE(childFolder.isEmpty()) << child.readAllStandardError().toStdString();
    child.kill(); // SIGKILL: nothing of the program's own closing runs
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    const QString left = childFolder + RecoveryTexts::fileName;
    const std::optional<RecoveredPage> copy = RecoveryFile::read(left);
    QDir(childFolder).removeRecursively();
    ASSERT_TRUE(copy.has_value()) << "the killed program left its copy";
    ASSERT_TRUE(RecoveryFile::write(recoveryPath(), *copy));
    prompts.expectConfirm(true);
    TForm1 &w = start();
    EXPECT_EQ(w.editorAccess().plainText(), "new <P>saved</P>");
    EXPECT_TRUE(w.document().isModified());
}

} // namespace
