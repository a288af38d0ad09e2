#include "editor/TagColouring.h"
#include "config/Settings.h"
#include "editor/BufferEditorAccess.h"
#include "platform/EventPump.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
const char *kindName(TagKind kind)
{
    static const char *const names[] = {"Default", "Href", "Font", "Img", "Table", "List"};
    return names[int(kind)];
}

// Counts the calls and runs a scripted action on one of them (the call number, from 1).
class ScriptedPump final : public EventPump {
public:
    void processEvents() override
    {
        ++calls;
        if (calls == actOnCall && action)
            action();
    }
    int calls = 0;
    int actOnCall = 0;
    std::function<void()> action;
};

struct WrapLog {
    bool wrapBox = true;
    std::vector<bool> modes; // every mode the pass gave the editing window, in order
    WordWrapControl control()
    {
        return {[this](bool on) { modes.push_back(on); }, [this] { return wrapBox; }};
    }
};

// One distinct colour per kind, so every range tells which kind it was given.
TagColours distinctColours()
{
    TagColours colours;
    for (int kind = 0; kind < kTagKindCount; ++kind)
        colours[size_t(kind)] = QColor(10 + kind, 20, 30);
    return colours;
}

TagKind kindOfColour(const QColor &colour)
{
    return TagKind(colour.red() - 10);
}

struct Expected {
    const char *tagText; // as it appears at the range's offset
    TagKind kind;
};

void expectRanges(BufferEditorAccess &editor, const std::vector<Expected> &expected)
{
    const std::vector<ColouredRange> ranges = editor.colouredRanges(); // selecting below keeps them
    ASSERT_EQ(ranges.size(), expected.size());
    for (size_t i = 0; i < ranges.size(); ++i) {
        editor.setSelection(ranges[i].start, ranges[i].length);
        EXPECT_EQ(editor.selectedText(), QString::fromUtf8(expected[i].tagText)) << "range " << i;
        EXPECT_EQ(kindName(kindOfColour(ranges[i].colour)), kindName(expected[i].kind)) << "range " << i;
    }
}
} // namespace

TEST(TagColouring, KindOfTagText)
{
    const struct {
        const char *tag;
        TagKind kind;
    } cases[] = {
        {"<P>", TagKind::Default},
        {"<BODY BGCOLOR=white>", TagKind::Default}, // "<b" alone is not bold
        {"<B>", TagKind::Font},
        {"</b>", TagKind::Font},
        {"<B CLASS=x>", TagKind::Default},
        {"<I>", TagKind::Font},
        {"<U>", TagKind::Font},
        {"<U CLASS=x>", TagKind::Default},
        {"<FONT SIZE=2>", TagKind::Font},
        {"</Font>", TagKind::Font},
        {"<STRONG>", TagKind::Default},
        {"<A HREF=\"x.html\">", TagKind::Href},
        {"<a href=\"caf\u00e9.html\">", TagKind::Href},
        {"<A NAME=\"top\">", TagKind::Href},
        {"</A>", TagKind::Href},
        {"<A  HREF=x>", TagKind::Default}, // two spaces: no pattern
        {"<A\tHREF=x>", TagKind::Default},
        {"<ABBR>", TagKind::Default},
        {"<IMG SRC=\"a.gif\">", TagKind::Img},
        {"<iMg alt=\"\u00dcber\">", TagKind::Img},
        {"<TABLE BORDER=1>", TagKind::Table},
        {"<THEAD>", TagKind::Table},
        {"<TBODY>", TagKind::Default},
        {"<TITLE>", TagKind::Default},
        {"<TEXTAREA>", TagKind::Default},
        {"<Td>", TagKind::Table},
        {"</TH>", TagKind::Table},
        {"<LINK REL=stylesheet>", TagKind::List},
        {"<L\u0130NK>", TagKind::List}, // dotted capital I lower-cases to "i" (+ a dot)
        {"<UL>", TagKind::List},
        {"<DL>", TagKind::List},
        {"<DD>", TagKind::List},
        {"</DT>", TagKind::List},
        {"<OPTION>", TagKind::Default},
        {"<DIV>", TagKind::Default},
        // Several patterns in one tag text: the kind tried last wins, wherever it stands.
        {"<LI><TR>", TagKind::List},
        {"<IMG><A HREF=x>", TagKind::Img},
        {"<A HREF=x><B>", TagKind::Font},
        {"<b$ y>", TagKind::Default}, // a masked '>' no longer closes "<b>"
        {"", TagKind::Default},
        {"<", TagKind::Default},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(kindName(tagKindOf(QString::fromUtf8(c.tag))), kindName(c.kind)) << c.tag;
}

TEST(TagColouring, ScannerPairsTheFirstUnmaskedBrackets)
{
    using K = TagKind;
    const struct {
        const char *line;
        std::vector<TagSpan> spans;
    } cases[] = {
        {"", {}},
        {"no tags here", {}},
        {"x > y", {}}, // a '>' without any '<'
        {"<P>", {{0, 3, K::Default}}},
        {"<TD><B>x</B></TD>", {{0, 4, K::Table}, {4, 3, K::Font}, {8, 4, K::Font}, {12, 5, K::Table}}},
        {"<B>bold</B> tail", {{0, 3, K::Font}, {7, 4, K::Font}}},
        {"text <IMG SRC=a.gif>", {{5, 15, K::Img}}},
        // A '<' never closed on its line ends the line's scan; the line is never read past.
        {"<a href=x", {}},
        {"<P>text <B", {{0, 3, K::Default}}},
        // A '>' before the first '<' pairs with it: the text between them gets the default
        // colour, the brackets none; both are masked.
        {"a > b <c>", {{3, 3, K::Default}}},
        {">a<", {{1, 1, K::Default}}},
        {"><P>", {}},
        {"> <A HREF=x> </A>", {{1, 1, K::Default}, {12, 1, K::Default}}},
        // A tag ending the line ends the scan even with an unpaired '<' inside it.
        {"<a <b>", {{0, 6, K::Font}}},
        // The inner '<' pairs next, with its '>' masked inside the second tag text.
        {"<x <b> y>", {{0, 6, K::Font}, {3, 6, K::Default}}},
        {"<<P>>", {{0, 4, K::Default}, {1, 4, K::Default}}},
        {"<LI>one<LI>two", {{0, 4, K::List}, {7, 4, K::List}}},
    };
    TagScanner reused; // a scanner keeps buffers between lines: results must not leak over
    for (const auto &c : cases) {
        const QString line = QString::fromUtf8(c.line);
        EXPECT_EQ(scanLineTags(line), c.spans) << c.line;
        EXPECT_EQ(reused.scan(line), c.spans) << c.line;
    }
}

TEST(TagColouring, PassColoursEveryTagAtOffsetsCountingCrLf)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("<HTML>\n  plain <B>x</B> end\n\n<TD>\u00e9<IMG SRC=a>\n"));
    bool stop = false;
    ScriptedPump pump;
    WrapLog wrap;
    const ColourPassResult result = ColourPass(editor, pump, stop, distinctColours()).run(wrap.control());
    EXPECT_EQ(result, ColourPassResult::Finished);
    expectRanges(editor, {{"<HTML>", TagKind::Default},
                          {"<B>", TagKind::Font},
                          {"</B>", TagKind::Font},
                          {"<TD>", TagKind::Table},
                          {"<IMG SRC=a>", TagKind::Img}});
    const std::vector<ColouredRange> &ranges = editor.colouredRanges();
    EXPECT_EQ(ranges[1].start, 16); // 6 + 2 for the line break + 8 on line 1
    EXPECT_EQ(ranges[3].start, 32); // 20 on line 1, two more line breaks around an empty line
    EXPECT_EQ(pump.calls, 5);       // input runs before every line, the empty last one too
}

TEST(TagColouring, ColoursComeFromTheSettings)
{
    TempProgramFolder folder;
    folder.write("OPTIONS.INI", "[Colors]\r\nHREF=clBlue\r\n");
    Settings settings(folder.path());
    settings.readOptionsIni();
    const TagColours colours = tagColoursFrom(settings);
    BufferEditorAccess editor(nullptr, QStringLiteral("<P><A HREF=\"a.html\">link</A></P>"));
    bool stop = false;
    ScriptedPump pump;
    WrapLog wrap;
    ColourPass(editor, pump, stop, colours).run(wrap.control());
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    const struct {
        int start, length;
        QColor colour;
    } expected[] = {{0, 3, red}, {3, 17, blue}, {24, 4, blue}, {28, 4, red}};
    const std::vector<ColouredRange> &ranges = editor.colouredRanges();
    ASSERT_EQ(ranges.size(), std::size(expected));
    for (size_t i = 0; i < ranges.size(); ++i) {
        EXPECT_EQ(ranges[i].start, expected[i].start) << i;
        EXPECT_EQ(ranges[i].length, expected[i].length) << i;
        EXPECT_EQ(ranges[i].colour, expected[i].colour) << i;
    }
}

TEST(TagColouring, StopKeepsTheColoursGivenAndRestoresWrap)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("<P>\n<B>\n<I>\n<U>"));
    editor.setSelection(5, 3);
    bool stop = false;
    ScriptedPump pump;
    pump.actOnCall = 3; // a stop press arriving while the third line waits
    pump.action = [&] { stop = true; };
    WrapLog wrap;
    wrap.wrapBox = true;
    ColourPass pass(editor, pump, stop, distinctColours());
    EXPECT_EQ(pass.run(wrap.control()), ColourPassResult::Stopped);
    expectRanges(editor, {{"<P>", TagKind::Default}, {"<B>", TagKind::Font}});
    EXPECT_EQ(wrap.modes, (std::vector<bool>{false, true}));
    EXPECT_TRUE(stop) << "the flag stays set until the next pass";

    // The selection stayed where it was (expectRanges moved it, so check a fresh one).
    BufferEditorAccess fresh(nullptr, QStringLiteral("<P>\n<B>"));
    fresh.setSelection(5, 3);
    stop = true;
    ScriptedPump stopAtOnce;
    stopAtOnce.actOnCall = 1;
    stopAtOnce.action = [&] { stop = true; };
    WrapLog noWrap;
    noWrap.wrapBox = false;
    EXPECT_EQ(ColourPass(fresh, stopAtOnce, stop, distinctColours()).run(noWrap.control()), ColourPassResult::Stopped);
    EXPECT_EQ(fresh.selStart(), 5);
    EXPECT_EQ(fresh.selLength(), 3);
    EXPECT_TRUE(fresh.colouredRanges().empty());
    EXPECT_EQ(noWrap.modes, (std::vector<bool>{false, false}));

    // The next pass clears the flag itself and finishes, the lines of the first one included.
    ScriptedPump quiet;
    EXPECT_EQ(pass.run(wrap.control()), ColourPassResult::Finished);
    EXPECT_FALSE(stop);
    expectRanges(editor,
                 {{"<P>", TagKind::Default}, {"<B>", TagKind::Font}, {"<I>", TagKind::Font}, {"<U>", TagKind::Font}});
}

TEST(TagColouring, FinishedPassLeavesTheCaretAtTheStart)
{
    const char *texts[] = {"", "plain", "<P>para</P>\n<B>b</B>"};
    for (const char *text : texts) {
        BufferEditorAccess editor(nullptr, QString::fromUtf8(text));
        editor.setSelection(3, 2);
        bool stop = true; // left over from an earlier stop
        ScriptedPump pump;
        WrapLog wrap;
        wrap.wrapBox = false;
        EXPECT_EQ(ColourPass(editor, pump, stop, distinctColours()).run(wrap.control()), ColourPassResult::Finished)
            << text;
        EXPECT_EQ(editor.selStart(), 0) << text;
        EXPECT_EQ(editor.selLength(), 0) << text;
        EXPECT_EQ(wrap.modes, (std::vector<bool>{false, false})) << text;
        EXPECT_EQ(editor.plainText(), QString::fromUtf8(text)) << "colouring never changes the text";
    }
    BufferEditorAccess empty;
    bool stop = false;
    ScriptedPump pump;
    WrapLog wrap;
    ColourPass(empty, pump, stop, distinctColours()).run(wrap.control());
    EXPECT_TRUE(empty.colouredRanges().empty());
}

TEST(TagColouring, AnotherPassReplacesTheColoursOfEachLine)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("<B>x</B>\n<TD>"));
    bool stop = false;
    ScriptedPump pump;
    WrapLog wrap;
    ColourPass pass(editor, pump, stop, distinctColours());
    pass.run(wrap.control());
    pass.run(wrap.control());
    expectRanges(editor, {{"<B>", TagKind::Font}, {"</B>", TagKind::Font}, {"<TD>", TagKind::Table}});

    // The first line loses its tags: its old colours go, the second line's stay right.
    editor.setSelection(0, 8);
    editor.replaceSelection(QStringLiteral("x"));
    pass.run(wrap.control());
    expectRanges(editor, {{"<TD>", TagKind::Table}});
}

TEST(TagColouring, LineColoursStayInsideTheirLine)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("ab\ncdef\ng"));
    ASSERT_EQ(editor.lineCount(), 3);
    EXPECT_EQ(editor.lineText(1), QStringLiteral("cdef"));
    EXPECT_EQ(editor.lineText(3), QString());
    const QColor c(1, 2, 3);
    editor.setLineColours(1, {{-2, 3, c}, {2, 99, c}, {4, 1, c}});
    editor.setLineColours(7, {{0, 1, c}});
    const std::vector<ColouredRange> &ranges = editor.colouredRanges();
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0].start, 4);
    EXPECT_EQ(ranges[0].length, 1);
    EXPECT_EQ(ranges[1].start, 6);
    EXPECT_EQ(ranges[1].length, 2);
}
