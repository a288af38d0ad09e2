#include "app/TForm1.h"
#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "editor/TagColouring.h"
#include "platform/IniFile.h"
#include "testsupport/MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <functional>
#include <vector>

namespace {
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);

struct Colour {
    int start;
    int length;
    QColor colour;
    friend bool operator==(const Colour &, const Colour &) = default;
};

void PrintTo(const Colour &c, std::ostream *out)
{
    *out << "{" << c.start << "," << c.length << "," << c.colour.name().toStdString() << "}";
}

class TypingColoursTest : public MainWindowFixture {
protected:
    // Each kind in a colour of its own, so a wrong kind shows.
    TForm1 &startColouring(bool on)
    {
        IniFile(folder.file("DEFAULT.INI")).writeString("Tags", "Colored", on ? "1" : "0");
        IniFile options(folder.file("OPTIONS.INI"));
        options.writeString("Colors", "DEFAULT", "clRed");
        options.writeString("Colors", "HREF", "clBlue");
        options.writeString("Colors", "FONT", "clGreen");
        options.writeString("Colors", "IMG", "clOlive");
        options.writeString("Colors", "TABLE", "clPurple");
        options.writeString("Colors", "LIST", "clNavy");
        TForm1 &w = start();
        w.show();
        return w;
    }

    // Loads the page through the document, as opening a file does (a pass runs when on).
    void open(TForm1 &w, const QByteArray &page) { ASSERT_TRUE(w.document().load(folder.write("page.html", page))); }

    std::vector<Colour> shown(TForm1 &w, int line)
    {
        std::vector<Colour> colours;
        const QTextBlock block = w.editor().document()->findBlockByNumber(line);
        for (const QTextLayout::FormatRange &range : block.layout()->formats())
            colours.push_back({range.start, range.length, range.format.foreground().color()});
        return colours;
    }

    // What a pass gives the line as it reads now.
    std::vector<Colour> asAPass(TForm1 &w, int line)
    {
        const TagColours colours = tagColoursFrom(w.settings());
        std::vector<Colour> expected;
        for (const TagSpan &span : scanLineTags(w.editorAccess().lineText(line)))
            expected.push_back({span.start, span.length, colours[size_t(span.kind)]});
        return expected;
    }

    void expectEveryLineAsAPass(TForm1 &w, const char *when)
    {
        for (int line = 0; line < w.editorAccess().lineCount(); ++line)
            ASSERT_EQ(shown(w, line), asAPass(w, line)) << when << ", line " << line;
    }

    void paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        trigger("Paste1");
    }

    static QString manyLines(int count)
    {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QStringLiteral("<TD>cell %1</TD><B>x</B>\n").arg(i);
        return text;
    }

    bool lineColoured(TForm1 &w, int line) { return !shown(w, line).empty(); }
};

TEST_F(TypingColoursTest, TypedTagTakesItsKindsColourWhenItsBracketCloses)
{
    TForm1 &w = startColouring(true);
    const struct {
        const char *typed;
        std::vector<Colour> line;
    } steps[] = {
        {"<b", {}}, // not a tag yet
        {">", {{0, 3, kGreen}}},
        {"x</b", {{0, 3, kGreen}}},
        {">", {{0, 3, kGreen}, {4, 4, kGreen}}},
        {" <a href=y>", {{0, 3, kGreen}, {4, 4, kGreen}, {9, 10, kBlue}}},
    };
    for (const auto &step : steps) {
        typeText(QString::fromLatin1(step.typed));
        EXPECT_EQ(shown(w, 0), step.line) << "after typing " << step.typed;
    }
    QTest::keyClick(&w.editor(), Qt::Key_Backspace); // the tag loses its ">" and its colour
    EXPECT_EQ(shown(w, 0), (std::vector<Colour>{{0, 3, kGreen}, {4, 4, kGreen}}));
}

TEST_F(TypingColoursTest, EndingACommentRecoloursWhatFollowsItOnTheLine)
{
    TForm1 &w = startColouring(true);
    open(w, "<!-- note <b>x</b>\r\n<I>y</I>\r\n");
    // Unended, the comment takes the bold tag's ">", and that tag's "<" pairs with the last ">".
    ASSERT_EQ(shown(w, 0), (std::vector<Colour>{{0, 13, kGreen}, {10, 8, kGreen}}));
    w.editorAccess().setSelection(9, 0); // after "note"
    for (const char *typed : {" -", "-", ">"}) {
        typeText(QString::fromLatin1(typed));
        expectEveryLineAsAPass(w, typed);
    }
    EXPECT_EQ(w.editorAccess().lineText(0), "<!-- note --> <b>x</b>");
    EXPECT_EQ(shown(w, 0), (std::vector<Colour>{{0, 13, kRed}, {14, 3, kGreen}, {18, 4, kGreen}}));
    EXPECT_EQ(shown(w, 1), (std::vector<Colour>{{0, 3, kGreen}, {4, 4, kGreen}}));

    // A "<" typed inside the ended comment moves every later pairing on the line.
    w.editorAccess().setSelection(5, 0);
    typeText("<");
    EXPECT_EQ(shown(w, 0), (std::vector<Colour>{{0, 14, kRed}, {5, 13, kGreen}, {15, 8, kGreen}}));
    EXPECT_EQ(shown(w, 1), (std::vector<Colour>{{0, 3, kGreen}, {4, 4, kGreen}}));
}

TEST_F(TypingColoursTest, EditsOverSeveralLinesColourEveryLineTheyLeaveChanged)
{
    const struct {
        const char *name;
        QByteArray page;
        int caret;
        std::function<void(TForm1 &)> edit;
    } cases[] = {
        {"Enter inside a tag", "<A HREF=\"x\">link</A>\r\n<P>", 7,
         [](TForm1 &w) { QTest::keyClick(&w.editor(), Qt::Key_Return); }},
        {"Backspace joining a tag's lines", "<IMG\r\nSRC=x>\r\n<P>", 6,
         [](TForm1 &w) { QTest::keyClick(&w.editor(), Qt::Key_Backspace); }},
        {"Delete of a break inside a tag", "<UL\r\n><LI>a</LI>", 3,
         [](TForm1 &w) { QTest::keyClick(&w.editor(), Qt::Key_Delete); }},
        {"paste of lines into a tag", "<TABLE>\r\n<P>", 3,
         [this](TForm1 &) { paste("xx>\n<LI>one\n<LI>two</LI>\n<IMG"); }},
        {"undo of a paste", "<TABLE>\r\n<P>", 3,
         [this](TForm1 &) {
             paste("xx>\n<LI>one\n<LI>two</LI>\n<IMG");
             trigger("Undo1");
         }},
        {"selection over lines typed over", "<A HREF=a>b</A>\r\n<B>c</B>\r\n<I>d</I>", 4,
         [this](TForm1 &w) {
             w.editorAccess().setSelection(4, 16);
             typeText(">");
         }},
    };
    for (const auto &c : cases) {
        TForm1 &w = startColouring(true);
        open(w, c.page);
        expectEveryLineAsAPass(w, "after the load");
        w.editorAccess().setSelection(c.caret, 0);
        c.edit(w);
        expectEveryLineAsAPass(w, c.name);
        TearDown();
    }
}

TEST_F(TypingColoursTest, LargePasteIsColouredAShareAtATimeWithoutMarkingOrUndoSteps)
{
    TForm1 &w = startColouring(true);
    open(w, "<P>top</P>\r\n<P>bottom</P>");
    w.editorAccess().setSelection(0, 0);
    const QString pasted = manyLines(8000); // several shares of text
    ASSERT_GT(pasted.size(), 3 * kTypingShare);
    paste(pasted);
    const int lastPasted = 7999;
    EXPECT_TRUE(lineColoured(w, 0)) << "the first share is coloured at once";
    EXPECT_FALSE(lineColoured(w, lastPasted)) << "the rest waits for input to run";

    // An edit above the waiting lines moves them down; they are still all coloured.
    w.editorAccess().setSelection(0, 0);
    constexpr int kAdded = 3;
    for (int i = 0; i < kAdded; ++i)
        QTest::keyClick(&w.editor(), Qt::Key_Return);
    w.document().setModified(false);
    const int undoSteps = w.editor().document()->availableUndoSteps();
    const QString text = w.editorAccess().plainText();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lineColoured(w, lastPasted + kAdded); }, 10000));
    expectEveryLineAsAPass(w, "after the shares");
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(w.editor().document()->availableUndoSteps(), undoSteps);
    EXPECT_EQ(w.editorAccess().plainText(), text);
    for (int i = 0; i <= kAdded; ++i)
        trigger("Undo1");
    EXPECT_EQ(w.editorAccess().plainText(), "<P>top</P>\n<P>bottom</P>");
}

TEST_F(TypingColoursTest, NothingIsColouredAsTypedWithColorOff)
{
    TForm1 &w = startColouring(false);
    typeText("<b>x</b>");
    EXPECT_TRUE(shown(w, 0).empty());

    // Switched off while a large paste waits: the rest stays as it was.
    click("CheckBoxColoredTags");
    ASSERT_TRUE(w.settings().flag(SettingKey::TagsColored));
    paste(manyLines(8000));
    EXPECT_TRUE(lineColoured(w, 0));
    click("CheckBoxColoredTags");
    QTest::qWait(200);
    EXPECT_FALSE(lineColoured(w, 7999));
    typeText("<i>"); // on the line after the pasted ones
    EXPECT_TRUE(shown(w, 8000).empty());
}
} // namespace
