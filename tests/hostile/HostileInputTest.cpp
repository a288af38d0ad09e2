#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "project/ProjectModel.h"
#include "testsupport/MainWindowFixture.h"

#include <QDialog>
#include <QDir>
#include <QFile>

#include <functional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// A file the program must never read as text: each kind is made at a path under the
// program folder and refused with a message, never a hang, a crash or exhausted memory.
struct Special {
    const char *kind;
    std::function<bool(const QString &path)> make;
    bool regular = false; // a regular file, refused only for its size
};

bool linkTo(const QString &target, const QString &path)
{
    return QFile::link(target, path);
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    if (fd < 0 || size_t(native.size()) >= sizeof(address.sun_path))
        return false;
    std::copy(native.begin(), native.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd); // the socket file stays
    return bound;
}

const Special kSpecials[] = {
    {"zero device", [](const QString &p) { return linkTo("/dev/zero", p); }},
    {"random device", [](const QString &p) { return linkTo("/dev/urandom", p); }},
    {"FIFO", makeFifo},
    {"socket", makeSocket},
    {"folder", [](const QString &p) { return QDir().mkpath(p); }},
    {"link to a FIFO",
     [](const QString &p) { return makeFifo(p + ".fifo") && linkTo(QFileInfo(p + ".fifo").fileName(), p); }},
    {"600 MB file",
     [](const QString &p) {
         QFile f(p);
         return f.open(QIODevice::WriteOnly) && f.resize(600LL * 1024 * 1024); // sparse: no disk used
     },
     true},
};

class Hostile : public MainWindowFixture {
protected:
    void SetUp() override { folder.write("OPTIONS.INI", "[Help]\r\nShowTips=0\r\n"); }

    // Typed, never saved: every refusal must leave it where it was.
    TForm1 &startWithUnsavedText()
    {
        TForm1 &w = start();
        w.show();
        typeText(kUnsaved);
        return w;
    }

    void expectUnsavedTextIntact(const char *kind)
    {
        EXPECT_TRUE(window().isVisible()) << kind;
        EXPECT_EQ(window().editor().toPlainText(), kUnsaved) << kind;
        EXPECT_TRUE(window().document().isModified()) << kind;
        EXPECT_TRUE(prompts.allAnswered()) << kind;
    }

    // A one-page project whose page is `page`.
    QString writeProject(const QString &name, const QString &page)
    {
        folder.write("projects/" + name + ".out", "Page\r\n");
        folder.write("projects/" + name + ".fil", page.toUtf8() + "\r\n");
        return folder.file("projects/" + name + ".out");
    }

    const QString kUnsaved = QStringLiteral("<P>typed, never saved</P>");
};
} // namespace

// Project files (outline or path file) that are devices, pipes, sockets, folders or huge.
TEST_F(Hostile, SpecialFilesAsProjectFiles)
{
    startWithUnsavedText();
    int n = 0;
    for (const Special &special : kSpecials) {
        for (const bool asOutline : {true, false}) {
            const QString name = QStringLiteral("p%1").arg(n++);
            const QString outline = folder.file("projects/" + name + ".out");
            const QString pathFile = folder.file("projects/" + name + ".fil");
            QDir().mkpath(folder.file("projects"));
            ASSERT_TRUE(special.make(asOutline ? outline : pathFile)) << special.kind;
            if (asOutline)
                folder.write("projects/" + name + ".fil", "/x.html\r\n");
            else
                folder.write("projects/" + name + ".out", "Page\r\n");
            prompts.clear();
            prompts.expectOpenFile(outline);
            // A chosen outline that is no regular file is "no valid project"; the rest say why.
            if (asOutline && !special.regular)
                prompts.expectInformation();
            else
                prompts.expectError();
            trigger("Open1");
            const QString message = prompts.last().text;
            if (asOutline && !special.regular)
                EXPECT_EQ(message, "Error opening this project. Please be sure you selected a valid, existing project.")
                    << special.kind;
            else
                EXPECT_TRUE(message.contains(QDir::toNativeSeparators(asOutline ? outline : pathFile)))
                    << special.kind << " " << message.toStdString();
            EXPECT_TRUE(window().project().isEmpty()) << special.kind;
            expectUnsavedTextIntact(special.kind);
        }
    }
}

TEST_F(Hostile, MalformedProjectFiles)
{
    struct Case {
        const char *what;
        QByteArray outline;
        QByteArray paths;
        QString message; // the start of the error shown
    };
    const QString outlinePath = folder.file("projects/bad.out");
    const Case cases[] = {
        {"three steps deeper", "a\r\n\t\t\tb\r\n", "/a\r\n/b\r\n", "File load error"},
        {"more paths than pages", "a\r\n", "/a\r\n/b\r\n", ProjectFiles::pageCountMismatch(outlinePath, 1, 2)},
        {"fewer paths than pages", "a\r\n\tb\r\nc\r\n", "/a\r\n", ProjectFiles::pageCountMismatch(outlinePath, 3, 1)},
        {"empty outline, one path", "", "/a\r\n", ProjectFiles::pageCountMismatch(outlinePath, 0, 1)},
        {"NUL cuts the outline short", QByteArray("a\r\nb\0c\r\nd\r\n", 11), "/a\r\n/b\r\n/d\r\n",
         ProjectFiles::pageCountMismatch(outlinePath, 2, 3)},
        {"a hundred thousand TABs", "a\r\n" + QByteArray(100000, '\t') + "b\r\n", "/a\r\n/b\r\n", "File load error"},
    };
    startWithUnsavedText();
    for (const Case &c : cases) {
        folder.write("projects/bad.out", c.outline);
        folder.write("projects/bad.fil", c.paths);
        prompts.clear();
        prompts.expectOpenFile(outlinePath).expectError();
        trigger("Open1");
        EXPECT_TRUE(prompts.last().text.startsWith(c.message)) << c.what << ": " << prompts.last().text.toStdString();
        EXPECT_TRUE(window().project().isEmpty()) << c.what;
        EXPECT_TRUE(window().projectName().isEmpty()) << c.what;
        expectUnsavedTextIntact(c.what);
    }
}

// Settings and data files that are pipes, devices, folders or hostile text: the window comes
// up (a pipe opened for reading would block it for ever) with the defaults.
TEST_F(Hostile, SpecialAndMalformedSettingsFiles)
{
    QFile::remove(folder.file("OPTIONS.INI"));
    ASSERT_TRUE(makeFifo(folder.file("DEFAULT.INI")));
    ASSERT_TRUE(linkTo("/dev/zero", folder.file("OPTIONS.INI")));
    ASSERT_TRUE(makeFifo(folder.file("htmlext.dat")));
    ASSERT_TRUE(linkTo("/dev/urandom", folder.file("custom.dat")));
    ASSERT_TRUE(QDir().mkpath(folder.file("urlsnips.dat")));
    ASSERT_TRUE(makeSocket(folder.file("missnips.dat")));
    // Counts of two thousand million over one entry each, and a main dictionary that is a pipe
    // (its description is read at start-up).
    folder.write("spell/spell.cfg", "[default]\r\nID=1\r\nU_MU_DCT_ListCount=2000000000\r\nU_MU_DCT_5=Tfifo.dct\r\n"
                                    "U_DCT_ListCount=2000000000\r\nU_DCT_0=Tuser.udt\r\n");
    ASSERT_TRUE(makeFifo(folder.file("spell/fifo.dct")));
    folder.write("spell/user.udt", "[Added]\r\nIGN_ListCount=2000000000\r\nIGN_1999999999=zzq\r\n");
    modalAnswer = [](QDialog &) { return int(QDialog::Rejected); }; // the tip of the day: defaults show it
    TForm1 &w = start();
    w.show();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.htmlMasks().masks, "*.html;*.htm;*.shtml;*.shtm;*.asp");
    EXPECT_EQ(w.document().untitledName(), folder.path() + "new.html");

    // The spell configuration is read at the first check: the pipe is refused by name, the
    // counts cost nothing, and the check (of a page of tags only: no word to question) runs
    // to its end.
    w.editorAccess().setPlainText("<P></P> <HR>");
    prompts.expectInformation().expectInformation().expectInformation(); // the refusal first, the end last
    trigger("SpellCheck2");
    EXPECT_TRUE(prompts.shownTexts().value(0).contains(folder.file("spell/fifo.dct")))
        << prompts.shownTexts().value(0).toStdString();
    EXPECT_TRUE(prompts.last().text.startsWith("Spell Check Complete")) << prompts.last().text.toStdString();

    w.editorAccess().setPlainText(QString());
    typeText(kUnsaved);
    EXPECT_EQ(w.editor().toPlainText(), kUnsaved);
}

// An extension that would put the untitled document into another folder is not taken.
TEST_F(Hostile, HtmlExtensionHoldingASeparatorFallsBackToTheDefault)
{
    for (const char *ext : {"../../evil", "x/y", "a\\b"}) {
        IniFile(folder.file("DEFAULT.INI")).writeString("HTML", "Ext", QLatin1String(ext));
        TForm1 &w = start();
        EXPECT_EQ(w.document().untitledName(), folder.path() + "new.html") << ext;
        TearDown();
    }
    IniFile(folder.file("DEFAULT.INI")).writeString("HTML", "Ext", "shtml");
    EXPECT_EQ(start().document().untitledName(), folder.path() + "new.shtml");
}

// The document flows: a special file as a project page and as the HTML template is refused
// with the command's message, and the window goes on working.
TEST_F(Hostile, SpecialFilesAsProjectPageAndTemplateAreRefused)
{
    TForm1 &w = start();
    w.show();
    int n = 0;
    for (const Special &special : kSpecials) {
        const QString page = folder.file(QStringLiteral("specials/s%1.html").arg(n++));
        QDir().mkpath(folder.file("specials"));
        ASSERT_TRUE(special.make(page)) << special.kind;

        prompts.clear();
        prompts.expectOpenFile(writeProject(QStringLiteral("page%1").arg(n), page)).expectInformation();
        trigger("Open1");
        w.selectPage(0);
        w.Outline1DblClick();
        EXPECT_TRUE(prompts.last().text.startsWith("Cannot open this file.")) << special.kind;

        w.settings().store(SettingKey::HtmlTemplate, page);
        prompts.expectInformation();
        trigger("OpenHTMLTemplate1");
        // The template message, then the file and why it was refused.
        EXPECT_TRUE(
            prompts.last().text.startsWith(DocumentTexts::cannotOpenTemplate + "\n\nCannot read \"" + page + "\": "))
            << special.kind << ": " << prompts.last().text.toStdString();
        EXPECT_TRUE(prompts.allAnswered()) << special.kind;
        EXPECT_TRUE(w.isVisible()) << special.kind;
    }
    typeText(kUnsaved);
    EXPECT_EQ(w.editor().toPlainText(), kUnsaved);
}

// The same with unsaved text the user chose not to save: a refused file must not take it.
TEST_F(Hostile, SpecialFilesAsProjectPageAndTemplateKeepTheUnsavedText)
{
    startWithUnsavedText();
    const QString fifo = folder.file("specials/pipe.html");
    QDir().mkpath(folder.file("specials"));
    ASSERT_TRUE(makeFifo(fifo));
    prompts.expectOpenFile(writeProject("pipe", fifo));
    trigger("Open1");
    window().selectPage(0);
    prompts.expectQuestion(Answer::No).expectInformation();
    window().Outline1DblClick();
    expectUnsavedTextIntact("project page");

    window().settings().store(SettingKey::HtmlTemplate, fifo);
    prompts.expectQuestion(Answer::No).expectInformation();
    trigger("OpenHTMLTemplate1");
    expectUnsavedTextIntact("template");
}
