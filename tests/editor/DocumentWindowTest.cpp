#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "testsupport/MainWindowFixture.h"

#include <QColor>

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
    TForm1 &w = start();
    int n = 0;
    for (const auto &[what, bytes] : files) {
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
