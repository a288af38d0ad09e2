#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "editor/TagColouring.h"
#include "platform/EventPump.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPicture>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <functional>

namespace {
class CallbackPump final : public EventPump {
public:
    void processEvents() override
    {
        ++calls;
        if (onCall)
            onCall(calls);
        QCoreApplication::processEvents();
    }
    int calls = 0;
    std::function<void(int)> onCall;
};

TagColours coloursByKind()
{
    TagColours colours;
    colours[size_t(TagKind::Default)] = QColor(255, 0, 0);
    colours[size_t(TagKind::Href)] = QColor(0, 0, 255);
    colours[size_t(TagKind::Font)] = QColor(0, 128, 0);
    colours[size_t(TagKind::Img)] = QColor(128, 128, 0);
    colours[size_t(TagKind::Table)] = QColor(128, 0, 128);
    colours[size_t(TagKind::List)] = QColor(0, 0, 128);
    return colours;
}

struct Span {
    int start, length;
    QColor colour;
};

std::vector<Span> blockSpans(const QTextBlock &block)
{
    std::vector<Span> spans;
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        spans.push_back({range.start, range.length, range.format.foreground().color()});
    return spans;
}

void expectSpans(const QTextBlock &block, const std::vector<Span> &expected)
{
    const std::vector<Span> spans = blockSpans(block);
    ASSERT_EQ(spans.size(), expected.size()) << "block " << block.blockNumber();
    for (size_t i = 0; i < spans.size(); ++i) {
        EXPECT_EQ(spans[i].start, expected[i].start) << "block " << block.blockNumber() << " span " << i;
        EXPECT_EQ(spans[i].length, expected[i].length) << "block " << block.blockNumber() << " span " << i;
        EXPECT_EQ(spans[i].colour, expected[i].colour) << "block " << block.blockNumber() << " span " << i;
    }
}

// Pixels that are clearly the default tag colour, red, in what the window shows.
int redPixels(QWidget &viewport)
{
    const QImage image = viewport.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 160 && c.green() < 90 && c.blue() < 90;
        }
    return count;
}

const QString kPage = QStringLiteral("<HTML>\n<A HREF=\"a.html\">link</A> text\n\n<TD><B>x</B></TD>\n<IMG SRC=a.gif>");
} // namespace

TEST(ColourPassWindow, ColoursAreDisplayOnly)
{
    HtmlEditor edit;
    RichEditAccess access(edit);
    access.setPlainText(kPage);
    QTextDocument &document = *edit.document();
    ASSERT_FALSE(document.isUndoAvailable());
    document.setModified(false);
    const int revision = document.revision();
    access.setSelection(4, 3);

    bool stop = false;
    CallbackPump pump;
    bool wrapBox = true;
    const ColourPassResult result = ColourPass(access, pump, stop, coloursByKind())
                                        .run({[&](bool on) { edit.setWordWrap(on); }, [&] { return wrapBox; }});

    EXPECT_EQ(result, ColourPassResult::Finished);
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.revision(), revision);
    EXPECT_EQ(access.plainText(), kPage);
    EXPECT_EQ(access.selStart(), 0);
    EXPECT_EQ(access.selLength(), 0);
    EXPECT_TRUE(edit.wordWrap());

    const TagColours c = coloursByKind();
    const auto colour = [&](TagKind kind) { return c[size_t(kind)]; };
    expectSpans(document.findBlockByNumber(0), {{0, 6, colour(TagKind::Default)}});
    expectSpans(document.findBlockByNumber(1), {{0, 17, colour(TagKind::Href)}, {21, 4, colour(TagKind::Href)}});
    expectSpans(document.findBlockByNumber(2), {});
    expectSpans(document.findBlockByNumber(3), {{0, 4, colour(TagKind::Table)},
                                                {4, 3, colour(TagKind::Font)},
                                                {8, 4, colour(TagKind::Font)},
                                                {12, 5, colour(TagKind::Table)}});
    expectSpans(document.findBlockByNumber(4), {{0, 15, colour(TagKind::Img)}});

    // Loading a text again (the next file) shows none of the old colours.
    access.setPlainText(kPage);
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
        expectSpans(block, {});
}

TEST(ColourPassWindow, ColoursSurviveRelayoutAndAreDrawn)
{
    const QString text = QStringLiteral("<P>plain words that wrap when the window is narrow <P>\nmore plain text");
    HtmlEditor plain;
    HtmlEditor edit;
    for (HtmlEditor *e : {&plain, &edit}) {
        QFont font = e->font();
        font.setPointSize(20);
        e->setFont(font);
        e->resize(600, 300);
        e->setPlainText(text);
        e->show();
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    RichEditAccess access(edit);
    bool stop = false;
    CallbackPump pump;
    TagColours allRed;
    allRed.fill(QColor(255, 0, 0));
    ColourPass(access, pump, stop, allRed).run({[&](bool on) { edit.setWordWrap(on); }, [] { return false; }});
    QApplication::processEvents();
    EXPECT_EQ(redPixels(*plain.viewport()), 0) << "nothing red without colouring";
    EXPECT_GT(redPixels(*edit.viewport()), 0);

    // Wrapping on, a narrow window, wrapping off: the block is laid out anew each time.
    edit.setWordWrap(true);
    edit.resize(200, 300);
    QApplication::processEvents();
    EXPECT_GT(edit.document()->firstBlock().layout()->lineCount(), 1);
    EXPECT_GT(redPixels(*edit.viewport()), 0);
    edit.setWordWrap(false);
    edit.resize(600, 300);
    QApplication::processEvents();
    expectSpans(edit.document()->firstBlock(), {{0, 3, QColor(255, 0, 0)}, {51, 3, QColor(255, 0, 0)}});
    EXPECT_GT(redPixels(*edit.viewport()), 0);
}

TEST(ColourPassWindow, MousePressInTheEditorStopsThePass)
{
    HtmlEditor edit;
    edit.resize(400, 300);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    RichEditAccess access(edit);
    QStringList lines;
    for (int i = 0; i < 20; ++i)
        lines << QStringLiteral("<LI>item %1</LI>").arg(i);
    access.setPlainText(lines.join(QLatin1Char('\n')));
    bool stop = false;
    QObject::connect(&edit, &HtmlEditor::mousePressed, &edit, [&] { stop = true; });
    CallbackPump pump;
    pump.onCall = [&](int call) {
        if (call == 6) // the click is waiting when input runs before line 5
            QTest::mousePress(edit.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    };
    bool wrapBox = true;
    const ColourPassResult result = ColourPass(access, pump, stop, coloursByKind())
                                        .run({[&](bool on) { edit.setWordWrap(on); }, [&] { return wrapBox; }});
    QTest::mouseRelease(edit.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(result, ColourPassResult::Stopped);
    EXPECT_TRUE(stop);
    EXPECT_TRUE(edit.wordWrap());
    const QTextDocument &document = *edit.document();
    for (int line = 0; line < document.blockCount(); ++line)
        EXPECT_EQ(blockSpans(document.findBlockByNumber(line)).size(), line < 5 ? 2u : 0u) << line;
}

TEST(ColourPassWindow, TypingMovesTheColoursWithTheirTags)
{
    HtmlEditor edit;
    RichEditAccess access(edit);
    access.setPlainText(QStringLiteral("ab <B>x</B>\n<P>"));
    bool stop = false;
    CallbackPump pump;
    TagColours allRed;
    allRed.fill(QColor(255, 0, 0));
    ColourPass(access, pump, stop, allRed).run({});
    const QColor red(255, 0, 0);

    // In front of a tag, inside one, and a removal cutting into one.
    access.setSelection(0, 0);
    access.replaceSelection(QStringLiteral("12"));
    expectSpans(edit.document()->firstBlock(), {{5, 3, red}, {9, 4, red}});
    access.setSelection(6, 0);
    access.replaceSelection(QStringLiteral("zz"));
    expectSpans(edit.document()->firstBlock(), {{5, 5, red}, {11, 4, red}});
    access.setSelection(9, 4);
    access.replaceSelection(QString());
    expectSpans(edit.document()->firstBlock(), {{5, 4, red}, {9, 2, red}});
    expectSpans(edit.document()->lastBlock(), {{0, 3, red}});
    EXPECT_EQ(access.plainText(), QStringLiteral("12ab <zzBB>\n<P>"));

    // A new line break takes the colours after it off the line; none reach the new line.
    access.setSelection(9, 0);
    access.replaceSelection(QStringLiteral("\r\n"));
    expectSpans(edit.document()->firstBlock(), {{5, 4, red}});
    expectSpans(edit.document()->firstBlock().next(), {});
}

namespace {
// A line just past the long-line length, of tags and text.
QString longLine()
{
    QString line;
    for (int i = 0; line.size() <= kLongLineLength; ++i)
        line += QStringLiteral("<TD>cell %1</TD> <B>b</B> plain ").arg(i);
    return line;
}

void colourWrapped(HtmlEditor &edit, RichEditAccess &access, const TagColours &colours, EventPump &pump)
{
    bool stop = false;
    ColourPass(access, pump, stop, colours).run({[&](bool on) { edit.setWordWrap(on); }, [] { return true; }});
    QApplication::processEvents();
}
} // namespace

TEST(ColourPassWindow, LongLineColoursAreDrawnOverItsTextNotLaidOut)
{
    // A layout format would lay the whole line out again (seconds on a 10 MB line), so a long
    // line's colours are drawn over it: the same spans, and the same pixels as layout formats
    // give the same text on a short line.
    const QString line = longLine();
    HtmlEditor edit;
    HtmlEditor shortLine;
    for (HtmlEditor *e : {&edit, &shortLine}) {
        e->resize(500, 300);
        e->show();
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    RichEditAccess access(edit);
    RichEditAccess shortAccess(shortLine);
    access.setPlainText(line + QStringLiteral("\n<P>"));
    shortAccess.setPlainText(line.left(8000));
    shortLine.setWordWrapMode(QTextOption::WrapAnywhere); // as a page holding a long line wraps
    QTextDocument &document = *edit.document();
    document.setModified(false);
    const QTextBlock block = document.firstBlock();
    EXPECT_TRUE(block.layout()->cacheEnabled()) << "painting must not shape the whole line again";

    CallbackPump pump;
    TagColours c = coloursByKind();
    c[size_t(TagKind::Font)] = QColor(255, 0, 0); // the <B> tags show red
    colourWrapped(edit, access, c, pump);
    colourWrapped(shortLine, shortAccess, c, pump);

    EXPECT_TRUE(block.layout()->formats().isEmpty());
    const QList<QTextLayout::FormatRange> drawn = edit.longLineColours(block);
    const std::vector<TagSpan> spans = scanLineTags(line);
    ASSERT_EQ(size_t(drawn.size()), spans.size());
    for (size_t i = 0; i < spans.size(); ++i) {
        ASSERT_EQ(drawn[qsizetype(i)].start, spans[i].start) << i;
        ASSERT_EQ(drawn[qsizetype(i)].length, spans[i].length) << i;
        ASSERT_EQ(drawn[qsizetype(i)].format.foreground().color(), c[size_t(spans[i].kind)]) << i;
    }
    expectSpans(block.next(), {{0, 3, c[size_t(TagKind::Default)]}});
    EXPECT_EQ(access.plainText(), line + QStringLiteral("\n<P>"));
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.isUndoAvailable());

    const QImage shown = edit.viewport()->grab().toImage();
    const QImage expected = shortLine.viewport()->grab().toImage();
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_GT(redPixels(*edit.viewport()), 0);
    EXPECT_TRUE(shown == expected) << "the long line looks as a short one coloured by layout formats";
}

TEST(ColourPassWindow, AnUnwrappedLongLinePaintsOnlyItsShownPartAndLooksTheSame)
{
    // Unwrapped, the long line is one visual line; drawing all of it on every paint (the
    // caret's blink too) froze the window. Shown with a selection, the caret and colours it
    // must look as the same text on a short line does.
    const QString line = longLine();
    HtmlEditor edit;
    HtmlEditor shortLine;
    CallbackPump pump;
    TagColours c = coloursByKind();
    c[size_t(TagKind::Font)] = QColor(255, 0, 0);
    for (auto [e, text] : {std::pair{&edit, line}, std::pair{&shortLine, line.left(8000)}}) {
        e->setWordWrap(false);
        e->resize(500, 300);
        e->show();
        RichEditAccess access(*e);
        access.setPlainText(text + QStringLiteral("\n<P>"));
        bool stop = false;
        ColourPass(access, pump, stop, c).run({});
        access.setSelection(40, 25);
        e->horizontalScrollBar()->setValue(150);
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QApplication::processEvents();
    ASSERT_EQ(edit.lineWrapMode(), QPlainTextEdit::NoWrap);

    QPicture drawn;
    QPicture shortDrawn;
    edit.viewport()->render(&drawn);
    shortLine.viewport()->render(&shortDrawn);
    EXPECT_LT(drawn.size(), shortDrawn.size() / 4) << "only the shown characters are drawn";
    const QImage shown = edit.viewport()->grab().toImage();
    const QImage expected = shortLine.viewport()->grab().toImage();
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_GT(redPixels(*edit.viewport()), 0);
    // The same pixels but for the selection's two edges, rounded to a neighbouring column.
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            differing += shown.pixel(x, y) != expected.pixel(x, y);
    }
    EXPECT_LE(differing, 2 * edit.fontMetrics().height()) << "looks as the short line";
}

TEST(ColourPassWindow, EditsMoveTheColoursOfALongLine)
{
    HtmlEditor edit;
    RichEditAccess access(edit);
    const QString line = longLine();
    access.setPlainText(line);
    CallbackPump pump;
    TagColours allRed;
    allRed.fill(QColor(255, 0, 0));
    colourWrapped(edit, access, allRed, pump);
    const QTextBlock block = edit.document()->firstBlock();
    const qsizetype count = edit.longLineColours(block).size();
    ASSERT_GT(count, 2);
    const auto firstTwo = [&](const QTextBlock &b) {
        const QList<QTextLayout::FormatRange> ranges =
            edit.longLineColours(b).isEmpty() ? b.layout()->formats() : edit.longLineColours(b);
        return std::vector<std::pair<int, int>>{{ranges.value(0).start, ranges.value(0).length},
                                                {ranges.value(1).start, ranges.value(1).length}};
    };
    using Spans = std::vector<std::pair<int, int>>;
    EXPECT_EQ(firstTwo(block), (Spans{{0, 4}, {10, 5}})); // "<TD>cell 0</TD>"

    access.setSelection(0, 0);
    access.replaceSelection(QStringLiteral("12"));
    EXPECT_EQ(firstTwo(block), (Spans{{2, 4}, {12, 5}}));
    access.setSelection(3, 2); // into "<TD>"
    access.replaceSelection(QString());
    EXPECT_EQ(firstTwo(block), (Spans{{2, 2}, {10, 5}}));
    EXPECT_EQ(edit.longLineColours(block).size(), count);

    // A line break makes it short: what stays on it becomes layout formats again.
    access.setSelection(20, 0);
    access.replaceSelection(QStringLiteral("\r\n"));
    const QTextBlock first = edit.document()->firstBlock();
    EXPECT_TRUE(edit.longLineColours(first).isEmpty());
    EXPECT_EQ(firstTwo(first), (Spans{{2, 2}, {10, 5}}));
    EXPECT_EQ(first.layout()->formats().size(), 3);
    expectSpans(first.next(), {});
    EXPECT_EQ(access.plainText(), QStringLiteral("12<>cell 0</TD> <B>b\n</B> plain ") + line.mid(31));
}

TEST(ColourPassWindow, WrapOnALongLineFollowsAMomentLaterUnlessUndone)
{
    HtmlEditor edit;
    edit.resize(500, 300);
    edit.show();
    RichEditAccess access(edit);
    access.setPlainText(longLine());
    EXPECT_EQ(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << "shown before the first layout";
    std::vector<QPlainTextEdit::LineWrapMode> seen;
    CallbackPump pump;
    pump.onCall = [&](int) { seen.push_back(edit.lineWrapMode()); };
    colourWrapped(edit, access, coloursByKind(), pump);
    QTest::qWait(400);
    EXPECT_EQ(seen, std::vector<QPlainTextEdit::LineWrapMode>{QPlainTextEdit::WidgetWidth})
        << "off and back on within the pass: never laid out unwrapped";
    EXPECT_EQ(edit.lineWrapMode(), QPlainTextEdit::WidgetWidth);

    edit.setWordWrap(false);
    EXPECT_FALSE(edit.wordWrap());
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.lineWrapMode() == QPlainTextEdit::NoWrap; }));
    EXPECT_EQ(edit.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    // A short text takes a change at once, and loading one takes on a change still waiting.
    edit.setWordWrap(true);
    access.setPlainText(QStringLiteral("<P>short"));
    EXPECT_EQ(edit.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    edit.setWordWrap(false);
    EXPECT_EQ(edit.lineWrapMode(), QPlainTextEdit::NoWrap);
}
