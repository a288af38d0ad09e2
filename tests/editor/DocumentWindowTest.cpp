#include "RoundTripFiles.h"
#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "project/ProjectModel.h"
#include "testsupport/MainWindowFixture.h"

#include <QAction>
#include <QColor>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using DocumentWindowTest = MainWindowFixture;

// Opening a file and saving it again without an edit gives back the same bytes.
TEST_F(DocumentWindowTest, OpenAndSaveAsGiveBackTheSameBytes)
{
    const std::pair<const char *, QByteArray> files[] = {
        {"utf-8, CR LF, final break", "<HTML>\r\n<BODY>caf\xc3\xa9</BODY>\r\n</HTML>\r\n"},
        {"utf-8, LF, no final break", "<HTML>\n<BODY>\n</BODY>\n</HTML>"},
        {"8-bit with no-break space", QByteArray("caf\xe9\xa0\x80\x9f\r\nline\r\n")},
        {"byte-order mark", "\xef\xbb\xbf<P>x</P>\r\n"},
        {"lone CR", "a\rb\rc\r"},
        {"only breaks", "\r\n\r\n\r\n"},
        {"empty", ""},
        {"no-break space in utf-8", "a\xc2\xa0"
                                    "b\n"},
    };
    std::vector<std::pair<const char *, QByteArray>> all(std::begin(files), std::end(files));
    for (const RoundTripFile &file : kRoundTripFiles)
        all.emplace_back(file.name, file.bytes);
    TForm1 &w = start();
    int n = 0;
    for (const auto &[what, bytes] : all) {
        const QString source = folder.write(QStringLiteral("in%1.html").arg(n), bytes);
        const QString copy = folder.file(QStringLiteral("out%1.html").arg(n++));
        prompts.expectOpenFile(source);
        trigger("OpenHTMLFile1");
        // Colours are display only and never reach the file.
        w.editorAccess().colourRange(0, 3, QColor(Qt::red));
        prompts.expectSaveFile(copy);
        trigger("SaveHTMLFileAs1");
        EXPECT_EQ(readFileBytes(copy).value_or("<unreadable>"), bytes) << what;
        EXPECT_FALSE(w.document().isModified()) << what;
    }
}

TEST_F(DocumentWindowTest, EditedEightBitFileStaysEightBit)
{
    TForm1 &w = start();
    const QString path = folder.write("latin.html", QByteArray("caf\xe9\r\n"));
    prompts.expectOpenFile(path);
    trigger("OpenHTMLFile1");
    w.editorAccess().setSelection(0, 0);
    w.editorAccess().replaceSelection("\u00C0 ");
    w.document().setModified(true);
    trigger("SaveHTMLFile1");
    EXPECT_EQ(folder.read("latin.html"), QByteArray("\xc0 caf\xe9\r\n"));
}

TEST_F(DocumentWindowTest, OpenShowsTheFileNameInTheStatusBar)
{
    TForm1 &w = start();
    const QString path = folder.write("site/index.html", "<P>");
    prompts.expectOpenFile(path);
    click("BitBtnOpenHTMLFile");
    EXPECT_EQ(w.statusPanelText(2), "Open HTML File:  " + path);
    EXPECT_EQ(w.editorAccess().plainText(), "<P>");
}

// Open, type one character (or Enter), Save: the file changes only by what was typed.
TEST_F(DocumentWindowTest, TypingChangesOnlyWhatWasTyped)
{
    TForm1 &w = start();
    for (const RoundTripFile &file : kRoundTripFiles) {
        for (const bool enter : {false, true}) {
            SCOPED_TRACE(std::string(file.name) + (enter ? ", Enter" : ", a character"));
            const QString path = folder.write(QStringLiteral("typed.html"), file.bytes);
            prompts.expectOpenFile(path);
            trigger("OpenHTMLFile1");
            w.editorAccess().setSelection(file.typingOffset(), 0);
            if (enter)
                QTest::keyClick(&w.editor(), Qt::Key_Return);
            else
                typeText(QStringLiteral("x"));
            trigger("SaveHTMLFile1");
            EXPECT_EQ(folder.read("typed.html").toHex(' '),
                      file.withTyped(enter ? file.firstLineEnd() : "x").toHex(' '));
        }
    }
}

// Close HTML File keeps the name of the file that was open; a note typed into the empty window
// does not silently replace that file.
TEST_F(DocumentWindowTest, SaveAfterCloseAsksBeforeReplacingThePreviousFile)
{
    TForm1 &w = start();
    const QString path = folder.write("page.html", "<P>the page</P>");
    prompts.expectOpenFile(path);
    trigger("OpenHTMLFile1");
    trigger("CloseHTMLFile1");
    EXPECT_EQ(w.statusPanelText(2), "Open HTML File:  " + path);
    typeText(QStringLiteral("a note"));
    const QString elsewhere = folder.file("note.html");
    prompts.expectQuestion(Answer::No).expectSaveFile(elsewhere);
    trigger("SaveHTMLFile1");
    ASSERT_EQ(prompts.shown().size(), 3u); // the open dialog, the question, the save dialog
    EXPECT_EQ(prompts.shown()[1].kind, ScriptedPrompts::Kind::YesNoCancel);
    EXPECT_TRUE(prompts.shown()[1].text.contains("\"" + path + "\"")) << prompts.shown()[1].text.toStdString();
    EXPECT_EQ(folder.read("page.html"), "<P>the page</P>");
    EXPECT_EQ(folder.read("note.html"), "a note");
    EXPECT_EQ(w.statusPanelText(2), "Open HTML File:  " + elsewhere);
}

// A picture opened as text (it holds NUL bytes) is shown read-only and can never be saved over.
TEST_F(DocumentWindowTest, FileWithNulBytesOpensReadOnlyAndSaysWhy)
{
    TForm1 &w = start();
    const QByteArray picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const QString path = folder.write("dot.png", picture);
    prompts.expectOpenFile(path);
    trigger("OpenHTMLFile1");
    EXPECT_TRUE(w.editor().isReadOnly());
    EXPECT_FALSE(action("SaveHTMLFile1")->isEnabled());
    EXPECT_FALSE(action("SaveHTMLFileAs1")->isEnabled());
    EXPECT_EQ(w.statusPanelText(2), "Open HTML File:  " + path + DocumentTexts::readOnlyNote);
    typeText(QStringLiteral("x"));
    trigger("NewHTMLFile1"); // nothing asked: there is nothing that could be saved
    EXPECT_TRUE(prompts.shown().size() == 1u);
    EXPECT_FALSE(w.editor().isReadOnly());
    EXPECT_TRUE(action("SaveHTMLFile1")->isEnabled());
    EXPECT_EQ(folder.read("dot.png"), picture);
}

// Every flow that loads a document reads only a regular file of a sane size: anything else is
// refused at once with a message naming the file and the reason, and the window goes on.
TEST_F(DocumentWindowTest, SpecialFilesInEveryDocumentFlowGiveAMessageNamingThem)
{
    QDir().mkpath(folder.file("sub"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file("fifo")).constData(), 0600), 0);
    QFile::link(folder.file("sub"), folder.file("sub-link"));
    QFile huge(folder.file("huge.html"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(600LL * 1024 * 1024)); // sparse
    huge.close();
    const QStringList specials{QStringLiteral("/dev/zero"), folder.file("fifo"), folder.file("sub"),
                               folder.file("sub-link"), folder.file("huge.html")};
    QByteArray outline, paths;
    for (const QString &special : specials) {
        outline += QFileInfo(special).fileName().toUtf8() + "\r\n";
        paths += special.toUtf8() + "\r\n";
    }
    folder.write("projects/specials.out", outline);
    folder.write("projects/" + ProjectFiles::companionPathFile("specials.out"), paths);
    folder.write("help/welcome.out", "Welcome\r\n");
    folder.write("help/welcome.fil", "welcome.kvn\r\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file("help/welcome.kvn")).constData(), 0600), 0);

    TForm1 &w = start();
    prompts.expectOpenFile(folder.file("projects/specials.out"));
    trigger("Open1");
    for (int page = 0; page < specials.size(); ++page) {
        const QString &special = specials[page];
        SCOPED_TRACE(special.toStdString());
        prompts.expectOpenFile(special).expectInformation();
        trigger("OpenHTMLFile1");
        EXPECT_TRUE(prompts.last().text.startsWith("Cannot read \"" + special + "\": "))
            << prompts.last().text.toStdString();

        w.selectPage(page);
        prompts.expectInformation();
        w.Outline1DblClick();
        EXPECT_TRUE(prompts.last().text.startsWith("Cannot open this file.")) << prompts.last().text.toStdString();
        EXPECT_TRUE(prompts.last().text.contains("Cannot read \"" + special + "\": "));

        w.settings().store(SettingKey::HtmlTemplate, special);
        prompts.expectInformation();
        click("BitBtnLoadFromTemplate");
        EXPECT_TRUE(prompts.last().text.contains("Cannot read \"" + special + "\": "));
    }
    prompts.expectInformation();
    trigger("WelcometoTovarelPro1");
    EXPECT_EQ(prompts.last().text,
              "Cannot read \"" + folder.file("help/welcome.kvn") + "\": it is a pipe (FIFO), not a file.");

    // The window lives on: a page still opens, and typing still changes it.
    const QString page = folder.write("fine.html", "<P>fine</P>");
    prompts.expectOpenFile(page);
    trigger("OpenHTMLFile1");
    typeText(QStringLiteral("x"));
    EXPECT_EQ(w.editorAccess().plainText(), "x<P>fine</P>");
    EXPECT_TRUE(w.document().isModified());
}

// Another program rewrote the open page: Save asks before the window's text replaces theirs.
TEST_F(DocumentWindowTest, SavingOverAFileChangedOnDiskAsksFirst)
{
    TForm1 &w = start();
    const QString path = folder.write("page.html", "<P>mine</P>");
    prompts.expectOpenFile(path);
    trigger("OpenHTMLFile1");
    typeText(QStringLiteral("x"));
    folder.write("page.html", "<P>theirs, longer</P>");

    prompts.expectQuestion(Answer::Cancel);
    trigger("SaveHTMLFile1");
    ASSERT_TRUE(prompts.allAnswered());
    EXPECT_TRUE(prompts.last().text.contains("\"" + path + "\" was changed by another program"))
        << prompts.last().text.toStdString();
    EXPECT_EQ(folder.read("page.html"), "<P>theirs, longer</P>");
    EXPECT_TRUE(w.document().isModified());

    prompts.expectQuestion(Answer::Yes);
    trigger("SaveHTMLFile1");
    EXPECT_EQ(folder.read("page.html"), "x<P>mine</P>");
    EXPECT_FALSE(w.document().isModified());
    typeText(QStringLiteral("y"));
    trigger("SaveHTMLFile1"); // the file is the window's own again: nothing asked
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_EQ(prompts.shown().size(), 3u); // the open dialog and the two questions
    EXPECT_EQ(folder.read("page.html"), "xy<P>mine</P>");
}
