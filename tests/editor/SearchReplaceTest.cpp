#include "editor/SearchReplace.h"
#include "editor/BufferEditorAccess.h"
#include "platform/EventPump.h"
#include "testsupport/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {
SearchRequest request(const QString &find, const QString &replace = {}, bool matchCase = false)
{
    return SearchRequest{find, replace, matchCase};
}

class CallbackPump final : public EventPump {
public:
    explicit CallbackPump(std::function<void(int call)> onCall = {}) : m_onCall(std::move(onCall)) {}
    void processEvents() override
    {
        ++calls;
        if (m_onCall)
            m_onCall(calls);
    }
    int calls = 0;

private:
    std::function<void(int)> m_onCall;
};

class SearchReplaceTest : public ::testing::Test {
protected:
    void load(const QString &text)
    {
        editor.setPlainText(text);
        modified = 0;
    }
    // The Find command followed by presses of the dialog's Find Next.
    void findCommand() { session.startCommand(); }

    BufferEditorAccess editor;
    ScriptedPrompts prompts;
    int modified = 0;
    SearchSession session{editor, prompts, [this] { ++modified; }};
};

// The literal Replace All: a new copy of the whole text after each replacement, the next
// search right after the inserted text. Quadratic; the reference for small random inputs.
struct NaiveOutcome {
    int count = 0;
    QString copy;
};
NaiveOutcome naiveReplaceAll(EditorAccess &editor, const QString &find, const QString &replace, bool matchCase)
{
    const auto fold = [matchCase](const QString &text) {
        QString out = text;
        if (!matchCase)
            for (QChar &c : out)
                if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                    c = QChar(c.unicode() - 32);
        return out;
    };
    const auto halfBreak = [](const QString &text, qsizetype at) {
        return at > 0 && at < text.size() && text[at] == u'\n' && text[at - 1] == u'\r';
    };
    NaiveOutcome outcome;
    outcome.copy = fold(LineBreaks::toCrLf(editor.plainText()));
    const QString needle = fold(find);
    qsizetype position = 0;
    while (!needle.isEmpty()) {
        qsizetype at = -1;
        for (qsizetype i = position; i + needle.size() <= outcome.copy.size() && at < 0; ++i)
            if (QStringView(outcome.copy).mid(i, needle.size()) == needle && !halfBreak(outcome.copy, i) &&
                !halfBreak(outcome.copy, i + needle.size()))
                at = i;
        if (at < 0)
            break;
        editor.setSelection(int(at), int(needle.size()));
        editor.replaceSelection(replace);
        ++outcome.count;
        outcome.copy = fold(LineBreaks::toCrLf(editor.plainText()));
        position = editor.selStart();
    }
    return outcome;
}
} // namespace

TEST(SearchText, UpperCaseFoldsOnlyAToZ)
{
    const std::pair<QString, QString> cases[] = {
        {"abcxyz", "ABCXYZ"},
        {"`a{z@A[Z", "`A{Z@A[Z"}, // the characters either side of both ranges stay
        {"\u00e9\u00c9\u00df\u00ff", "\u00e9\u00c9\u00df\u00ff"},
        {"a1\r\nb", "A1\r\nB"},
        {"", ""},
    };
    for (const auto &[in, expected] : cases)
        EXPECT_EQ(SearchText::upperAsciiLetters(in), expected) << in.toStdString();
}

// Each case: the dialog's Find Next pressed until the first failure.
TEST_F(SearchReplaceTest, FindNextSelectsEachOccurrenceThenReportsNotFound)
{
    struct Case {
        const char *what;
        QString text;
        QString find;
        bool matchCase;
        std::vector<std::pair<int, QString>> selections; // start and the selected text
    };
    const Case cases[] = {
        {"overlapping", "aaa", "aa", false, {{0, "aa"}, {1, "aa"}}},
        {"case off", "xABCx abc", "abc", false, {{1, "ABC"}, {6, "abc"}}},
        {"case on", "xABCx abc", "abc", true, {{6, "abc"}}},
        {"accents do not fold", "\u00e9 \u00c9", "\u00e9", false, {{0, "\u00e9"}}},
        {"sharp s stays", "STRASSE stra\u00dfe", "stra\u00dfe", false, {{8, "stra\u00dfe"}}},
        {"offsets count breaks as two", "ab\ncd\nab", "ab", false, {{0, "ab"}, {8, "ab"}}},
        {"a line break in the find text", "ab\ncd\nab", "B\r\nC", false, {{1, "b\r\nc"}}},
        {"half a line break is never found", "a\nb", "\r", false, {}},
        {"nor the other half", "a\nb", "\nb", false, {}},
        {"empty find text", "abc", "", false, {}},
        {"empty document", "", "a", false, {}},
    };
    for (const Case &c : cases) {
        load(c.text);
        findCommand();
        for (const auto &[start, selected] : c.selections) {
            EXPECT_TRUE(session.dialogFindNext(request(c.find, {}, c.matchCase))) << c.what;
            EXPECT_EQ(editor.selStart(), start) << c.what;
            EXPECT_EQ(editor.selectedText(), selected) << c.what;
            EXPECT_TRUE(editor.hasFocus()) << c.what;
        }
        prompts.expectInformation();
        EXPECT_FALSE(session.dialogFindNext(request(c.find, {}, c.matchCase))) << c.what;
        EXPECT_EQ(prompts.last().text, "\"" + c.find + "\" not found") << c.what;
        EXPECT_FALSE(session.searchPosition().has_value()) << c.what;
        // After a failure the search does not start over by itself.
        prompts.expectInformation();
        EXPECT_FALSE(session.findNextCommand(c.find)) << c.what;
        EXPECT_EQ(modified, 0) << c.what;
    }
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(SearchReplaceTest, FindCommandTakesTheSelectionAndStartsOverOnTheNextFindNext)
{
    load("one two one");
    editor.setSelection(4, 3);
    EXPECT_EQ(session.startCommand(), "two");
    EXPECT_TRUE(session.isNewSearch());
    EXPECT_TRUE(session.dialogFindNext(request("one")));
    EXPECT_FALSE(session.isNewSearch());
    EXPECT_EQ(editor.selStart(), 0);
    EXPECT_TRUE(session.dialogFindNext(request("one")));
    EXPECT_EQ(editor.selStart(), 8);
    EXPECT_EQ(session.startCommand(), "one");
    EXPECT_TRUE(session.dialogFindNext(request("one")));
    EXPECT_EQ(editor.selStart(), 0); // from the top again
    EXPECT_EQ(session.startCommand(), "one");
}

// The find text and the document are copied when a search starts, not at each press.
TEST_F(SearchReplaceTest, SearchRunsOnItsCopyUntilTheNextFindCommand)
{
    load("ab ab");
    findCommand();
    ASSERT_TRUE(session.dialogFindNext(request("ab")));
    EXPECT_EQ(editor.selStart(), 0);

    // Typed into the document between two presses: not seen.
    editor.setSelection(0, 0);
    editor.replaceSelection("ab");
    // The dialog's text changed: still "ab" is searched, from the old copy.
    ASSERT_TRUE(session.dialogFindNext(request("zz")));
    EXPECT_EQ(editor.selStart(), 3);
    EXPECT_EQ(editor.selectedText(), "b "); // the stale offset, in the edited text
    prompts.expectInformation();
    EXPECT_FALSE(session.dialogFindNext(request("zz")));
    EXPECT_EQ(prompts.last().text, "\"zz\" not found");

    findCommand();
    prompts.expectInformation();
    std::vector<int> starts;
    while (session.dialogFindNext(request("ab")))
        starts.push_back(editor.selStart());
    EXPECT_EQ(starts, std::vector<int>({0, 2, 5}));
    EXPECT_EQ(prompts.shownTexts(), QStringList({"\"zz\" not found", "\"ab\" not found"}));
}

TEST_F(SearchReplaceTest, FindNextCommandBeforeAnySearchReportsNotFound)
{
    load("abc abc");
    prompts.expectInformation();
    EXPECT_FALSE(session.findNextCommand(QString()));
    EXPECT_EQ(prompts.last().text, "\"\" not found");
    prompts.expectInformation();
    EXPECT_FALSE(session.findNextCommand("abc")); // even when the text is there
    EXPECT_EQ(prompts.last().text, "\"abc\" not found");

    findCommand();
    ASSERT_TRUE(session.dialogFindNext(request("abc")));
    EXPECT_TRUE(session.findNextCommand("abc"));
    EXPECT_EQ(editor.selStart(), 4);
    prompts.expectInformation();
    EXPECT_FALSE(session.findNextCommand("shown text"));
    EXPECT_EQ(prompts.last().text, "\"shown text\" not found");
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(SearchReplaceTest, ReplaceButtonOnlyReplacesASelectionEqualToTheFindText)
{
    struct Case {
        const char *what;
        QString text;
        int selStart, selLength;
        SearchRequest dialog;
        bool replaced;
        QString after;
        int position; // search position afterwards (when replaced)
    };
    const Case cases[] = {
        {"selection differs", "abc abd", 4, 3, request("abc", "X"), false, "abc abd", 0},
        {"nothing selected", "abc", 0, 0, request("abc", "X"), false, "abc", 0},
        {"case folded whatever Match case says", "x ABC", 2, 3, request("abc", "y", true), true, "x y", 3},
        {"empty find text and empty selection", "abc", 1, 0, request("", "X"), false, "abc", 0},
        {"replacement holding a line break", "a b", 1, 1, request(" ", "\r\n"), true, "a\nb", 3},
        {"selection across a line break", "a\nb c", 0, 4, request("A\r\nB", "-"), true, "- c", 1},
    };
    for (const Case &c : cases) {
        load(c.text);
        editor.setSelection(c.selStart, c.selLength);
        EXPECT_EQ(session.replace(c.dialog), c.replaced) << c.what;
        EXPECT_EQ(editor.plainText(), c.after) << c.what;
        EXPECT_EQ(modified, c.replaced ? 1 : 0) << c.what;
        if (c.replaced) {
            EXPECT_EQ(session.searchPosition(), c.position) << c.what;
            EXPECT_EQ(editor.selStart(), c.position) << c.what;
            EXPECT_EQ(session.textCopy(), c.dialog.matchCase
                                              ? LineBreaks::toCrLf(c.after)
                                              : SearchText::upperAsciiLetters(LineBreaks::toCrLf(c.after)))
                << c.what;
        } else {
            EXPECT_EQ(editor.selStart(), c.selStart) << c.what;
        }
    }
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(SearchReplaceTest, FindNextAndReplaceStepThroughTheDocument)
{
    load("a-A-a");
    const SearchRequest dialog = request("a", "bb");
    session.startCommand();
    prompts.expectInformation();
    QStringList seen;
    while (session.dialogFindNext(dialog)) {
        seen << QString::number(editor.selStart());
        ASSERT_TRUE(session.replace(dialog));
    }
    EXPECT_EQ(seen, QStringList({"0", "3", "6"})); // each search continues after the inserted text
    EXPECT_EQ(editor.plainText(), "bb-bb-bb");
    EXPECT_EQ(prompts.shownTexts(), QStringList({"\"a\" not found"}));
}

TEST_F(SearchReplaceTest, ReplaceAllReplacesEveryMatchSilently)
{
    struct Case {
        const char *what;
        QString text;
        SearchRequest dialog;
        int count;
        QString after;
        int caret; // -1: where it was
    };
    const Case cases[] = {
        {"inserted text is not searched again", "aaa", request("a", "aa"), 3, "aaaaaa", 6},
        {"case off", "AbA", request("a", "x"), 2, "xbx", 3},
        {"case on", "AbA", request("a", "x", true), 0, "AbA", -1},
        {"matches do not overlap", "aaaa", request("aa", "b"), 2, "bb", 2},
        {"removing line breaks", "a\nb\na", request("\r\nb", ""), 1, "a\na", 1},
        {"inserting line breaks", "a b c", request(" ", "\r\n"), 2, "a\nb\nc", 6},
        {"text after the last match stays", "xay", request("A", "bc"), 1, "xbcy", 3},
        {"no match", "abc", request("z", "y"), 0, "abc", -1},
        {"empty find text", "abc", request("", "y"), 0, "abc", -1},
    };
    for (const Case &c : cases) {
        load(c.text);
        editor.setSelection(1, 0);
        EXPECT_EQ(session.replaceAll(c.dialog), c.count) << c.what;
        EXPECT_EQ(editor.plainText(), c.after) << c.what;
        EXPECT_EQ(editor.selStart(), c.caret < 0 ? 1 : c.caret) << c.what;
        EXPECT_EQ(editor.selLength(), 0) << c.what;
        EXPECT_EQ(modified, c.count > 0 ? 1 : 0) << c.what;
        EXPECT_FALSE(session.searchPosition().has_value()) << c.what;
    }
    EXPECT_TRUE(prompts.shown().empty());
}

// The one-pass Replace All leaves the same text, caret and search state as replacing match
// after match with a fresh copy each time.
TEST_F(SearchReplaceTest, ReplaceAllMatchesTheStepByStepReplacement)
{
    // Replacements may also hold a lone CR or LF, which the editing window turns into a break.
    const QStringList pieces = {"a", "A", "b", "\r\n", "\u00e9", "\\", "\n", "\r"};
    std::mt19937 random(20261208);
    const auto pick = [&](int minCount, int maxCount, int kinds = 6) {
        QString out;
        const int count = std::uniform_int_distribution<int>(minCount, maxCount)(random);
        for (int i = 0; i < count; ++i)
            out += pieces[std::uniform_int_distribution<int>(0, kinds - 1)(random)];
        return out;
    };
    for (int round = 0; round < 600; ++round) {
        const QString text = LineBreaks::fromCrLf(pick(0, 24));
        const SearchRequest dialog = request(pick(1, 3), pick(0, 3, 8), random() % 2 == 0);
        const int caret = std::uniform_int_distribution<int>(0, int(text.size()))(random);

        BufferEditorAccess reference(nullptr, text);
        reference.setSelection(caret, 0);
        const NaiveOutcome expected = naiveReplaceAll(reference, dialog.findText, dialog.replaceText, dialog.matchCase);

        load(text);
        editor.setSelection(caret, 0);
        const int count = session.replaceAll(dialog);
        const std::string what =
            ("text " + text + " find " + dialog.findText + " replace " + dialog.replaceText).toStdString();
        ASSERT_EQ(count, expected.count) << what;
        ASSERT_EQ(editor.plainText(), reference.plainText()) << what;
        ASSERT_EQ(editor.selStart(), reference.selStart()) << what;
        ASSERT_EQ(editor.selLength(), reference.selLength()) << what;
        ASSERT_EQ(session.textCopy(), expected.copy) << what;
        ASSERT_EQ(modified, count > 0 ? 1 : 0) << what;
    }
}

TEST(SearchText, ReplaceAllInTextIsTextInTextOut)
{
    EXPECT_EQ(SearchText::replaceAllInText("banana", "a", "aa", true), "baanaanaa");
    EXPECT_EQ(SearchText::replaceAllInText("bAnana", "a", "o", true), "bAnono");
    EXPECT_EQ(SearchText::replaceAllInText("bAnana", "a", "o", false), "bonono");
    EXPECT_EQ(SearchText::replaceAllInText("x\r\ny", "\r\n", " ", true), "x y");
    EXPECT_EQ(SearchText::replaceAllInText("", "a", "b", true), "");
}

TEST_F(SearchReplaceTest, ReplaceAllBackslashesAsksThenCountsEveryOne)
{
    struct Case {
        const char *what;
        QString text;
        bool yes;
        QString after;
        std::optional<int> count;
        int caret;
    };
    const Case cases[] = {
        {"answered No", "a\\b", false, "a\\b", std::nullopt, 1},
        {"in and out of tags, across lines", "<A HREF=\"a\\b\">\n\\c\\", true, "<A HREF=\"a/b\">\n/c/", 3, 19},
        {"nothing to replace", "abc\n", true, "abc\n", 0, 1},
        {"empty document", "", true, "", 0, 0},
    };
    for (const Case &c : cases) {
        load(c.text);
        editor.setSelection(1, 0);
        prompts.clear();
        prompts.expectConfirm(c.yes);
        if (c.yes)
            prompts.expectInformation();
        EXPECT_EQ(session.replaceAllBackslashes(), c.count) << c.what;
        EXPECT_EQ(editor.plainText(), c.after) << c.what;
        EXPECT_EQ(editor.selStart(), c.caret) << c.what;
        EXPECT_EQ(modified, c.count.value_or(0) > 0 ? 1 : 0) << c.what;
        QStringList texts{"Replace ALL instance of \"\\\" with \"/\" (within tags and elsewhere) in open file?"};
        if (c.count)
            texts << QStringLiteral("There were %1 slash characters replaced.").arg(*c.count);
        EXPECT_EQ(prompts.shownTexts(), texts) << c.what;
    }
}

// Each line is shown before and after: only backslashes between paired quotes of a tag change.
TEST(SearchText, TagValueBackslashesOfOneLine)
{
    const std::pair<QString, QString> cases[] = {
        {R"(<A HREF="a\b.html">x\y</A> <IMG SRC=c\d>)", R"(<A HREF="a/b.html">x\y</A> <IMG SRC=c\d>)"},
        {R"(<A B="x\y" C="z\w">)", R"(<A B="x/y" C="z/w">)"},
        {R"(<A B="x\y" C="z\w>)", R"(<A B="x/y" C="z\w>)"}, // the last quote is unpaired
        {R"(<A B="x\y>)", R"(<A B="x\y>)"},
        {R"(<A B=""\>)", R"(<A B=""\>)"},
        {R"(<A B="\\" "\">)", R"(<A B="//" "/">)"},
        {R"(<A HREF="a\b"><B C="d\e">)", R"(<A HREF="a/b"><B C="d/e">)"},
        {R"(<P>"a\b"</P>)", R"(<P>"a\b"</P>)"},                   // quotes outside any tag
        {R"("<A B="x\y">)", R"("<A B="x/y">)"},                   // a quote before the tag pairs with nothing
        {R"(a > "b\c" <X Y="d\e">)", R"(a > "b\c" <X Y="d/e">)"}, // ">" before any "<" is text
        {R"(<A T="x>y\z" H="u\v">)", R"(<A T="x>y\z" H="u\v">)"}, // the tag ends at its first ">"
        {R"(<X Y="a\b" <Z W="c\d">)", R"(<X Y="a/b" <Z W="c/d">)"},
        {R"(<X Y="a\b")", R"(<X Y="a\b")"}, // no ">": the tag may go on past the line
        {R"(<A B="c\d"> <X Y="e\f")", R"(<A B="c/d"> <X Y="e\f")"},
        {"<>", "<>"},
        {"><", "><"},
        {"\\", "\\"},
        {"", ""},
    };
    for (const auto &[line, expected] : cases) {
        std::vector<qsizetype> positions;
        SearchText::tagValueBackslashes(line, positions);
        QString after = line;
        for (const qsizetype position : positions) {
            ASSERT_EQ(after.at(position), QLatin1Char('\\')) << line.toStdString();
            after[position] = QLatin1Char('/');
        }
        EXPECT_EQ(after, expected) << line.toStdString();
    }
}

namespace {
// Run with and without the window's bulk character replacement: the outcome is the same.
class PreciseSlashTest : public SearchReplaceTest, public ::testing::WithParamInterface<bool> {
protected:
    PreciseSlashTest()
    {
        EditorHooks h;
        h.wordWrap = [this] { return wrap; };
        h.setWordWrap = [this](bool on) {
            wrap = on;
            wrapHistory.push_back(on);
        };
        h.readOnly = [this] { return readOnly; };
        h.setReadOnly = [this](bool on) { readOnly = on; };
        if (GetParam())
            h.overwrite = [this](const std::vector<TextPatch> &patches) {
                ++bulkEdits;
                const QString text = editor.plainText();
                for (const TextPatch &patch : patches) {
                    const QStringView before = QStringView(text).mid(patch.position, patch.text.size());
                    ASSERT_FALSE(before.contains(u'\n')) << "a patch crosses a line break";
                    ASSERT_NE(before, patch.text) << "a patch changes nothing";
                    editor.setSelection(int(patch.position + QStringView(text).left(patch.position).count(u'\n')),
                                        int(patch.text.size()));
                    editor.replaceSelection(patch.text);
                }
            };
        session.setEditorHooks(h);
    }
    bool wrap = true;
    bool readOnly = false;
    std::vector<bool> wrapHistory;
    bool stop = false;
    int bulkEdits = 0;
};
} // namespace

INSTANTIATE_TEST_SUITE_P(BulkOrSpanEdit, PreciseSlashTest, ::testing::Bool());

TEST_P(PreciseSlashTest, ReplacesOnlyInsideQuotedTagValuesLineByLine)
{
    load("<A HREF=\"a\\b.html\">x\\y</A> <IMG SRC=c\\d>\n\n<IMG SRC=\"e\\f\" ALT=\"\\\">\\");
    editor.setSelection(5, 2);
    stop = true; // left over from an earlier stop: cleared when the pass starts
    prompts.expectConfirm(true).expectInformation();
    CallbackPump pump([this](int) { EXPECT_FALSE(wrap) << "word wrap is off while the pass runs"; });
    EXPECT_EQ(session.replaceBackslashesInTags(pump, stop), 3);
    EXPECT_EQ(editor.plainText(), "<A HREF=\"a/b.html\">x\\y</A> <IMG SRC=c\\d>\n\n<IMG SRC=\"e/f\" ALT=\"/\">\\");
    EXPECT_EQ(prompts.shownTexts(),
              QStringList({"Replace PRECISE instances of \"\\\" with \"/\" (only when it appears within quotes within "
                           "a tag) in open file?",
                           "There were 3 slash characters replaced."}));
    EXPECT_EQ(pump.calls, 3); // once before each line
    EXPECT_EQ(wrapHistory, std::vector<bool>({false, true}));
    EXPECT_FALSE(readOnly);
    EXPECT_EQ(editor.selStart(), 0);
    EXPECT_EQ(editor.selLength(), 0);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(bulkEdits, GetParam() ? 1 : 0);
}

TEST_P(PreciseSlashTest, NoAndNothingToReplace)
{
    load("<A B=\"c\\d\">");
    stop = true;
    prompts.expectConfirm(false);
    CallbackPump pump;
    EXPECT_EQ(session.replaceBackslashesInTags(pump, stop), std::nullopt);
    EXPECT_EQ(editor.plainText(), "<A B=\"c\\d\">");
    EXPECT_TRUE(stop);
    EXPECT_TRUE(wrapHistory.empty());
    EXPECT_EQ(pump.calls, 0);

    load("<P>a\\b</P>\nc\\d");
    wrap = false;
    prompts.expectConfirm(true).expectInformation();
    EXPECT_EQ(session.replaceBackslashesInTags(pump, stop), 0);
    EXPECT_EQ(editor.plainText(), "<P>a\\b</P>\nc\\d");
    EXPECT_EQ(prompts.last().text, "There were 0 slash characters replaced.");
    EXPECT_FALSE(wrap); // restored to what it was
    EXPECT_EQ(modified, 0);
}

TEST_P(PreciseSlashTest, StopBetweenLinesKeepsTheLinesDoneAndShowsNothing)
{
    load("<A B=\"1\\\">\n<A B=\"2\\\">\n<A B=\"3\\\">\n<A B=\"4\\\">");
    prompts.expectConfirm(true);
    CallbackPump pump([this](int call) {
        if (call == 3)
            stop = true; // pressed while the third line was due
    });
    EXPECT_EQ(session.replaceBackslashesInTags(pump, stop), std::nullopt);
    EXPECT_EQ(editor.plainText(), "<A B=\"1/\">\n<A B=\"2/\">\n<A B=\"3\\\">\n<A B=\"4\\\">");
    EXPECT_EQ(pump.calls, 3);
    EXPECT_EQ(prompts.shown().size(), 1u);
    EXPECT_TRUE(wrap);
    EXPECT_FALSE(readOnly);
    EXPECT_EQ(modified, 1);
}

TEST_P(PreciseSlashTest, TextEditedWhileInputRunsEndsThePassUntouched)
{
    load("<A B=\"1\\\">\n<A B=\"2\\\">");
    prompts.expectConfirm(true);
    CallbackPump pump([this](int call) {
        if (call == 2) {
            editor.setSelection(0, 0);
            editor.replaceSelection("typed");
        }
    });
    EXPECT_EQ(session.replaceBackslashesInTags(pump, stop), std::nullopt);
    EXPECT_EQ(editor.plainText(), "typed<A B=\"1\\\">\n<A B=\"2\\\">");
    EXPECT_EQ(prompts.shown().size(), 1u);
    EXPECT_TRUE(wrap);
    EXPECT_EQ(modified, 0);
}
