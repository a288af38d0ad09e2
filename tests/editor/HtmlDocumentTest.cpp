#include "editor/HtmlDocument.h"
#include "RoundTripFiles.h"
#include "config/Settings.h"
#include "editor/BufferEditorAccess.h"
#include "platform/Clipboard.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
class HtmlDocumentTest : public ::testing::Test {
protected:
    HtmlDocumentTest()
        : settings(folder.path()), editor(&clipboard), document(editor, prompts, settings, clipboard, hooks())
    {
        document.setOpenFilter(QStringLiteral("HTML Files|*.html|All Files|*.*"));
        document.startUntitled();
    }

    DocumentHooks hooks()
    {
        DocumentHooks h;
        h.showStatus = [this](const QString &text) { statuses << text; };
        h.enableSaveCommands = [this](bool on) { saveEnabled = on; };
        h.colourTags = [this] { ++colourPasses; };
        h.openSettings = [this](int page) { settingsPages << page; };
        return h;
    }

    QString existing(const QString &name, const QByteArray &bytes) { return folder.write(name, bytes); }
    // A change to the text, as any command or the keyboard makes it: it alone marks the page modified.
    void edit(const QString &text) { editor.replaceSelection(text); }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    Settings settings;
    MemoryClipboard clipboard;
    BufferEditorAccess editor;
    HtmlDocument document;
    QStringList statuses;
    bool saveEnabled = false;
    int colourPasses = 0;
    QList<int> settingsPages;
};
} // namespace

TEST_F(HtmlDocumentTest, StartsAsTheUntitledDocument)
{
    EXPECT_EQ(document.openFileName(), folder.path() + "new.html");
    EXPECT_TRUE(document.isUntitled());
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(statuses.last(), "Open HTML File:  " + folder.path() + "new.html");
}

TEST_F(HtmlDocumentTest, UntitledTestComparesTheFileNamePartExactly)
{
    const QString path = existing("sub/new.html", "x");
    ASSERT_TRUE(document.load(path));
    EXPECT_TRUE(document.isUntitled()); // any folder
    ASSERT_TRUE(document.load(existing("New.html", "x")));
    EXPECT_FALSE(document.isUntitled());
    ASSERT_TRUE(document.load(existing("new.htm", "x")));
    EXPECT_FALSE(document.isUntitled());
}

TEST_F(HtmlDocumentTest, UnmodifiedDocumentIsNeverQuestionedEvenAfterACancel)
{
    const QString path = existing("page.html", "<P>hi</P>\r\n");
    ASSERT_TRUE(document.load(path));
    edit("x");
    prompts.expectQuestion(Answer::Cancel);
    document.newFile();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(editor.plainText(), "x<P>hi</P>\n");

    ASSERT_TRUE(document.load(path)); // clears the flag
    document.close();                 // nothing asked
    EXPECT_EQ(editor.plainText(), QString());
    EXPECT_EQ(document.openFileName(), path); // Close keeps the name
    prompts.expectOpenFile(QString());
    document.openFile();
    document.newFile();
    EXPECT_EQ(prompts.shown().size(), 2u); // the cancelled question and the open dialog only
}

TEST_F(HtmlDocumentTest, QuestionAnswers)
{
    struct Case {
        Answer answer;
        bool expectWritten;
        bool expectModifiedAfter;
        Answer expectResult;
    };
    const Case cases[] = {
        {Answer::Yes, true, false, Answer::Yes},
        {Answer::No, false, false, Answer::No},
        {Answer::Cancel, false, true, Answer::Cancel},
    };
    for (const Case &c : cases) {
        const QString path = existing("q.html", "old");
        ASSERT_TRUE(document.load(path));
        edit("new ");
        prompts.expectQuestion(c.answer);
        EXPECT_EQ(document.askToSave(), c.expectResult);
        EXPECT_EQ(prompts.last().text, "Save changes to open HTML file before closing?");
        EXPECT_EQ(folder.read("q.html"), c.expectWritten ? QByteArray("new old") : QByteArray("old"));
        EXPECT_EQ(document.isModified(), c.expectModifiedAfter);
    }
}

TEST_F(HtmlDocumentTest, SaveCommandSavesWithoutAskingAndUnmodifiedWritesNothing)
{
    const QString path = existing("s.html", "abc");
    ASSERT_TRUE(document.load(path));
    QFile::remove(path);
    document.save(); // unmodified: nothing written, not even a new file
    EXPECT_FALSE(folder.exists("s.html"));
    edit("z");
    document.save();
    EXPECT_EQ(folder.read("s.html"), QByteArray("zabc"));
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(HtmlDocumentTest, SavingAnUntitledDocumentAsksForANameAndCancelKeepsItModified)
{
    edit("<P>");
    prompts.expectSaveFile(QString());
    document.save();
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.isUntitled());
    const ScriptedPrompts::Shown &dialog = prompts.last();
    EXPECT_EQ(dialog.request.title, "Save HTML File As...");
    EXPECT_EQ(dialog.request.fileName, "new.html");
    EXPECT_EQ(dialog.request.defaultSuffix, "html");
    EXPECT_TRUE(dialog.request.filter.startsWith("HTML Files|"));

    const QString target = folder.file("named.html");
    prompts.expectSaveFile(target);
    document.save();
    EXPECT_EQ(folder.read("named.html"), QByteArray("<P>"));
    EXPECT_EQ(document.openFileName(), target);
    EXPECT_EQ(statuses.last(), "Open HTML File:  " + target);
}

TEST_F(HtmlDocumentTest, HelpPageIsNeverQuestionedNorSaved)
{
    const QString path = existing("help/page.kvn", "help");
    ASSERT_TRUE(document.load(path));
    document.setHelpPage(true);
    edit("typed ");
    EXPECT_EQ(document.askToSave(), Answer::Yes);
    document.save();
    EXPECT_EQ(folder.read("help/page.kvn"), QByteArray("help"));
}

TEST_F(HtmlDocumentTest, NewInsertsTheSkeletonAndCountsAsModified)
{
    document.newFile();
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(saveEnabled);
    const QStringList lines = editor.lines();
    ASSERT_EQ(lines.size(), 10); // nine lines, each ended by a line break
    EXPECT_EQ(lines[0],
              "<!--This site and page maintained with Tovarel Pro. Details at: " + kProductPageAddress + "-->");
    EXPECT_EQ(lines.mid(1), QStringList({"<HTML>", "<HEAD>", "   <TITLE></TITLE>", "</HEAD>", "<BODY>", "", "</BODY>",
                                         "</HTML>", ""}));
    EXPECT_FALSE(lines[0].contains(" -->"));
    EXPECT_EQ(clipboard.text(), newDocumentSkeleton()); // the block stays on the clipboard
    prompts.expectSaveFile(folder.file("fresh.html"));
    document.save();
    EXPECT_TRUE(folder.read("fresh.html").endsWith("<BODY>\r\n\r\n</BODY>\r\n</HTML>\r\n"));
}

TEST_F(HtmlDocumentTest, OpenRemembersTheFolderAndCancelLeavesAnEmptyWindowWithTheOldName)
{
    const QString first = existing("a/first.html", "1");
    ASSERT_TRUE(document.load(first));
    prompts.expectOpenFile(QString());
    document.openFile();
    EXPECT_EQ(editor.plainText(), QString());
    EXPECT_EQ(document.openFileName(), first);
    EXPECT_EQ(prompts.last().request.filter, "HTML Files|*.html|All Files|*.*");
    EXPECT_EQ(prompts.last().request.filterIndex, 1);

    const QString second = existing("b/second.html", "2");
    prompts.expectOpenFile(second);
    document.openFile();
    EXPECT_EQ(editor.plainText(), "2");
    EXPECT_EQ(settings.text(SettingKey::StartLocation), folder.path() + "b/");
    Settings reread(folder.path());
    reread.readDefaultIni();
    EXPECT_EQ(reread.text(SettingKey::StartLocation), folder.path() + "b/");
    EXPECT_EQ(prompts.shown().size(), 2u);
}

TEST_F(HtmlDocumentTest, OpenOfAnUnreadableFileSaysWhyAndKeepsTheStatus)
{
    const QString first = existing("first.html", "1");
    ASSERT_TRUE(document.load(first));
    const QString missing = folder.file("gone.html");
    prompts.expectOpenFile(missing).expectInformation();
    document.openFile();
    EXPECT_EQ(prompts.last().text, "Cannot read \"" + missing + "\": the file does not exist.");
    EXPECT_EQ(editor.plainText(), QString());
    EXPECT_EQ(document.openFileName(), missing);
    EXPECT_EQ(statuses.last(), "Open HTML File:  " + first);
}

// When the window's text did not come from the file Save would write (Close, a cancelled
// Open), or another program changed that file since, Save asks before replacing it.
TEST_F(HtmlDocumentTest, SaveAsksBeforeReplacingAFileTheTextDidNotComeFrom)
{
    struct Flow {
        const char *name;
        std::function<void(const QString &path)> leaveTheFile;
        const char *question;
    };
    const Flow flows[] = {
        {"Close", [this](const QString &) { document.close(); }, "was not loaded from"},
        {"cancelled Open",
         [this](const QString &) {
             prompts.expectOpenFile(QString());
             document.openFile();
         },
         "was not loaded from"},
        {"changed by another program", [this](const QString &) { folder.write("keep.html", "their longer text"); },
         "was changed by another program"},
    };
    struct Outcome {
        Answer answer;
        QByteArray fileAfter; // empty: as the flow left it
        bool savedAs;
    };
    const Outcome outcomes[] = {{Answer::Yes, "note", false}, {Answer::No, "", true}, {Answer::Cancel, "", false}};
    for (const Flow &flow : flows) {
        for (const Outcome &outcome : outcomes) {
            SCOPED_TRACE(std::string(flow.name) + " answered " + std::to_string(int(outcome.answer)));
            const QString path = existing("keep.html", "before");
            const QString copy = folder.file("copy.html");
            QFile::remove(copy);
            ASSERT_TRUE(document.load(path));
            flow.leaveTheFile(path);
            const QByteArray left = folder.read("keep.html");
            editor.setSelection(0, editor.textLength());
            edit("note");
            prompts.clear();
            prompts.expectQuestion(outcome.answer);
            if (outcome.savedAs)
                prompts.expectSaveFile(copy);
            document.save();
            ASSERT_TRUE(prompts.allAnswered());
            EXPECT_TRUE(prompts.shown().front().text.contains(flow.question))
                << prompts.shownTexts().join('|').toStdString();
            EXPECT_TRUE(prompts.shown().front().text.contains(path));
            EXPECT_EQ(folder.read("keep.html"), outcome.fileAfter.isEmpty() ? left : outcome.fileAfter);
            EXPECT_EQ(QFile::exists(copy), outcome.savedAs);
            EXPECT_EQ(document.openFileName(), outcome.savedAs ? copy : path);
            EXPECT_EQ(document.isModified(), outcome.answer == Answer::Cancel);
            if (outcome.answer == Answer::Yes) { // the file is now the text's own: no more questions
                editor.setSelection(0, 0);
                edit("more ");
                document.save();
                EXPECT_EQ(prompts.shown().size(), 1u);
                EXPECT_EQ(folder.read("keep.html"), "more note");
            }
        }
    }

    // With nothing on disk there is nothing to lose, and nothing is asked.
    const QString path = existing("gone.html", "before");
    ASSERT_TRUE(document.load(path));
    document.close();
    QFile::remove(path);
    edit("note");
    prompts.clear();
    document.save();
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(folder.read("gone.html"), "note");
}

TEST_F(HtmlDocumentTest, AutomaticColouringFollowsTheSetting)
{
    const QString path = existing("c.html", "<B>");
    ASSERT_TRUE(document.load(path));
    EXPECT_EQ(colourPasses, 0);
    settings.storeFlag(SettingKey::TagsColored, true);
    ASSERT_TRUE(document.load(path));
    EXPECT_EQ(colourPasses, 1);
}

TEST_F(HtmlDocumentTest, Templates)
{
    prompts.expectInformation();
    document.openTemplate();
    EXPECT_EQ(prompts.last().text, "You have not selected a Template file yet. Go to the OPTIONS screen and select one "
                                   "from the Files tab.");
    EXPECT_EQ(settingsPages, QList<int>({0}));
    EXPECT_EQ(document.openFileName(), QString());

    settings.store(SettingKey::HtmlTemplate, existing("t.html", "<HTML>\n<BODY>\n"));
    document.openTemplate();
    EXPECT_EQ(editor.plainText(), "<HTML>\n<BODY>\n");
    EXPECT_TRUE(document.isUntitled());
    EXPECT_FALSE(document.isModified());

    settings.store(SettingKey::HtmlTemplate, folder.file("missing.html"));
    prompts.expectInformation();
    document.openTemplate();
    EXPECT_EQ(prompts.last().text,
              "Cannot open this file. Has it been moved, renamed, or deleted? Please right-click it and select "
              "\"Change file link\" to re-establish the file link.\n\nCannot read \"" +
                  folder.file("missing.html") + "\": the file does not exist.");
}

TEST_F(HtmlDocumentTest, FailedSaveKeepsTheOldFileTheTextAndTheModifiedFlag)
{
    struct Case {
        const char *what;
        std::function<QString()> target;
    };
    const Case cases[] = {
        {"a read-only system file", [] { return QStringLiteral("/proc/version"); }},
        {"a folder that was removed",
         [this] {
             const QString path = existing("gone/p.html", "x");
             return path;
         }},
    };
    for (const Case &c : cases) {
        const QString path = c.target();
        ASSERT_TRUE(document.load(path)) << c.what;
        const QByteArray before = readFileBytes(path).value_or(QByteArray());
        if (path.contains("/gone/"))
            QDir(folder.file("gone")).removeRecursively();
        edit("typed ");
        prompts.expectError();
        document.save();
        EXPECT_TRUE(prompts.last().text.contains(path)) << c.what;
        EXPECT_TRUE(document.isModified()) << c.what;
        EXPECT_TRUE(editor.plainText().startsWith("typed ")) << c.what;
        if (!path.contains("/gone/")) {
            EXPECT_EQ(readFileBytes(path).value_or(QByteArray()), before) << c.what;
        }

        // A failed save inside the question stops the caller: New must not throw the text away.
        prompts.expectQuestion(Answer::Yes).expectError();
        document.newFile();
        EXPECT_TRUE(editor.plainText().startsWith("typed ")) << c.what;
        EXPECT_EQ(document.lastAnswer(), Answer::Cancel);
        document.setModified(false);
    }
}

TEST_F(HtmlDocumentTest, SaveAsWritesTheNewFileAndFailedSaveAsKeepsTheName)
{
    const QString path = existing("orig.html", "o");
    ASSERT_TRUE(document.load(path));
    prompts.expectSaveFile(QString());
    document.saveAs();
    EXPECT_EQ(document.openFileName(), path);

    prompts.expectSaveFile(folder.file("nofolder/x.html")).expectError();
    document.saveAs();
    EXPECT_EQ(document.openFileName(), path);

    edit("n");
    prompts.expectSaveFile(folder.file("copy.html"));
    document.saveAs();
    EXPECT_EQ(folder.read("copy.html"), QByteArray("no"));
    EXPECT_EQ(folder.read("orig.html"), QByteArray("o"));
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.openFileName(), folder.file("copy.html"));
}

namespace {
// A Unix socket bound at `path`.
void makeSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    std::memcpy(address.sun_path, native.constData(), std::min(size_t(native.size()), sizeof(address.sun_path) - 1));
    ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address));
    ::close(fd);
}
} // namespace

// Open and the template read only regular files, and say which file could not be read and why.
TEST_F(HtmlDocumentTest, SpecialFilesAreRefusedWithTheirNameAndReason)
{
    QDir().mkpath(folder.file("sub"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file("fifo")).constData(), 0600), 0);
    makeSocket(folder.file("socket"));
    QFile::link(folder.file("sub"), folder.file("sub-link"));
    QFile huge(folder.file("huge.html"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(600LL * 1024 * 1024)); // sparse: no room taken
    huge.close();
    const std::pair<QString, const char *> specials[] = {
        {QStringLiteral("/dev/zero"), "it is a device, not a file."},
        {folder.file("fifo"), "it is a pipe (FIFO), not a file."},
        {folder.file("socket"), "it is a socket, not a file."},
        {folder.file("sub"), "it is a folder."},
        {folder.file("sub-link"), "it is a folder."},
        {folder.file("huge.html"), "too large to open as a page."},
    };
    const QString page = existing("page.html", "<P>kept</P>");
    for (const auto &[path, reason] : specials) {
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(document.load(page));
        prompts.expectOpenFile(path).expectInformation();
        document.openFile();
        EXPECT_TRUE(prompts.last().text.startsWith("Cannot read \"" + path + "\": "))
            << prompts.last().text.toStdString();
        EXPECT_TRUE(prompts.last().text.endsWith(QLatin1String(reason))) << prompts.last().text.toStdString();

        ASSERT_TRUE(document.load(page));
        settings.store(SettingKey::HtmlTemplate, path);
        prompts.expectInformation();
        document.openTemplate();
        EXPECT_TRUE(prompts.last().text.startsWith(DocumentTexts::cannotOpenTemplate));
        EXPECT_TRUE(prompts.last().text.contains("\"" + path + "\""));
        // The refused template replaced nothing.
        EXPECT_EQ(editor.plainText(), "<P>kept</P>");
        EXPECT_EQ(document.openFileName(), page);
    }
}

// A file holding NUL bytes (a picture opened "anyways") is shown but never saved over.
TEST_F(HtmlDocumentTest, FileWithNulBytesOpensReadOnly)
{
    const QByteArray picture("GIF89a\x01\0\x01\0\r\n\xff", 13);
    const QString path = existing("dot.gif", picture);
    ASSERT_TRUE(document.load(path));
    EXPECT_TRUE(document.isReadOnly());
    EXPECT_FALSE(saveEnabled);
    EXPECT_EQ(statuses.last(), "Open HTML File:  " + path + DocumentTexts::readOnlyNote);
    edit("typed");
    EXPECT_EQ(document.askToSave(), Answer::Yes); // nothing asked, nothing written
    document.save();
    document.saveAs();
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(folder.read("dot.gif"), picture);

    ASSERT_TRUE(document.load(existing("page.html", "<P>")));
    EXPECT_FALSE(document.isReadOnly());
    EXPECT_TRUE(saveEnabled);
    EXPECT_EQ(statuses.last(), "Open HTML File:  " + folder.file("page.html"));
}

// Loads and colours are no change; every change to the text is, whoever makes it.
TEST_F(HtmlDocumentTest, OnlyChangesToTheTextMarkTheDocumentModified)
{
    ASSERT_TRUE(document.load(existing("page.html", "<P>a</P>")));
    editor.colourRange(0, 3, QColor(Qt::red));
    EXPECT_FALSE(document.isModified());
    editor.setSelection(3, 1);
    editor.replaceSelection(QStringLiteral("b"));
    EXPECT_TRUE(document.isModified());
}

// Open, one typed character or line break, Save: only that changes in the file.
TEST_F(HtmlDocumentTest, TypingChangesOnlyWhatWasTyped)
{
    for (const RoundTripFile &file : kRoundTripFiles) {
        for (const QByteArray &typed : {QByteArray("x"), file.firstLineEnd()}) {
            SCOPED_TRACE(std::string(file.name) + (typed == "x" ? ", a character" : ", a line break"));
            const QString path = existing("round.html", file.bytes);
            ASSERT_TRUE(document.load(path));
            editor.setSelection(file.typingOffset(), 0);
            edit(QString::fromLatin1(typed));
            document.save();
            EXPECT_EQ(folder.read("round.html").toHex(' '), file.withTyped(typed).toHex(' '));
        }
    }
}
