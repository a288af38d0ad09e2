#include "SpellTestSupport.h"

#include "editor/BufferEditorAccess.h"
#include "spell/TParser.h"

#include <gtest/gtest.h>

namespace {
const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ'0123456789");

struct Found {
    QString word;
    int position;
    int line;
    int column;
    bool address;
    bool skipped;
};

std::vector<Found> walk(TParser &parser)
{
    std::vector<Found> words;
    while (parser.nextWord())
        words.push_back({parser.word(), parser.position(), parser.line(), parser.column(), parser.isAddressWord(),
                         parser.wasSkipped()});
    return words;
}

QStringList wordsOf(const std::vector<Found> &found)
{
    QStringList words;
    for (const Found &f : found)
        words << f.word;
    return words;
}

void configure(TParser &parser, bool tags = true, bool addresses = true)
{
    parser.setWordCharacters(kLetters);
    parser.setSkipTags(tags);
    parser.setSkipAddresses(addresses);
}
} // namespace

// The words each kind of text yields with tags and addresses skipped.
TEST(TParser, WordsTagsAddressesAndEntities)
{
    struct Case {
        const char *name;
        const char *text;
        QStringList words;
    };
    const Case cases[] = {
        {"empty", "", {}},
        {"tag on one line", "one <B CLASS=x>two</B> three", {"one", "two", "three"}},
        {"tag over two lines", "one <A\nHREF=\"x.html\"\nTITLE=zz> two", {"one", "two"}},
        {"unclosed tag hides the rest", "one < two three\nfour", {"one"}},
        {"entity name is a word", "caf&eacute; &amp; fish", {"caf", "eacute", "amp", "fish"}},
        {"e-mail before a comma", "mail john@example.com, now", {"mail", "john@example.com", "now"}},
        {"URL inside brackets", "(see http://x.org/a_b?c=d) then", {"see", "http://x.org/a_b?c=d", "then"}},
        {"ftp and news schemes", "ftp://h/p news:comp.lang x", {"ftp://h/p", "news:comp.lang", "x"}},
        {"other scheme is a word", "mailto:x@y.z", {"mailto", "x@y.z"}},
        {"address ends at the line end", "a@b\nc", {"a@b", "c"}},
        {"apostrophe inside a word", "don't 'quoted' it's", {"don't", "'quoted'", "it's"}},
        {"digits are word characters here", "teh2 1998 a-b", {"teh2", "1998", "a", "b"}},
        // Letters beyond ASCII belong to words though the word characters do not list them.
        {"letters beyond ASCII", "naïve Größe λόγος", {"naïve", "Größe", "λόγος"}},
        {"a combining mark", "nai\u0308ve", {"nai\u0308ve"}},
        {"signs beyond ASCII still separate", "a×b 3°C x—y «z»", {"a", "b", "3", "C", "x", "y", "z"}},
        {"an address with letters beyond ASCII", "jörg@zürich.ch, ok", {"jörg@zürich.ch", "ok"}},
    };
    for (const Case &c : cases) {
        BufferEditorAccess editor(nullptr, QString::fromUtf8(c.text));
        TCustomRichEditParser parser(editor);
        configure(parser);
        const std::vector<Found> found = walk(parser);
        EXPECT_EQ(wordsOf(found), c.words) << c.name;
        EXPECT_TRUE(parser.atEnd()) << c.name;
        for (const Found &f : found) {
            const bool isAddress = f.word.contains(QLatin1Char('@')) || f.word.contains(QLatin1Char(':'));
            EXPECT_EQ(f.address, isAddress) << c.name << " " << qPrintable(f.word);
        }
    }
}

TEST(TParser, WithoutSkippingTagsAndAddressesTheirLettersAreWords)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("<B>bold</B> a@b.c"));
    TCustomMemoParser parser(editor);
    configure(parser, false, false);
    EXPECT_EQ(wordsOf(walk(parser)), QStringList({"B", "bold", "B", "a", "b", "c"}));
}

// Positions are one-based and count each line break as two; columns are one-based.
TEST(TParser, PositionsLinesAndColumns)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("ab <i>cd</i>\n\n  ef gh"));
    TCustomRichEditParser parser(editor);
    configure(parser);
    const std::vector<Found> found = walk(parser);
    ASSERT_EQ(found.size(), 4u);
    const int expected[][3] = {{1, 0, 1}, {7, 0, 7}, {19, 2, 3}, {22, 2, 6}};
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].position, expected[i][0]) << i;
        EXPECT_EQ(found[i].line, expected[i][1]) << i;
        EXPECT_EQ(found[i].column, expected[i][2]) << i;
    }
    EXPECT_TRUE(found[1].skipped); // the <i> before it
    EXPECT_TRUE(found[2].skipped); // the </i> lies between "cd" and "ef"
    EXPECT_FALSE(found[3].skipped);
    // Selecting the word selects exactly it in the window.
    BufferEditorAccess again(nullptr, editor.plainText());
    TCustomRichEditParser selecting(again);
    configure(selecting);
    selecting.setRange(19, 100);
    ASSERT_TRUE(selecting.nextWord());
    selecting.selectWord();
    EXPECT_EQ(again.selectedText(), QStringLiteral("ef"));
    EXPECT_EQ(again.selStart(), 18);
}

// A range is given in one-based positions; its start moves back to the start of its word,
// and a word that starts inside the range is returned whole.
TEST(TParser, RangesStartAtWordStartsAndKeepWordsWhole)
{
    const QString text = QStringLiteral("alpha beta\r\ngamma delta");
    struct Case {
        int start, end;
        QStringList words;
    };
    const Case cases[] = {
        {1, 100, {"alpha", "beta", "gamma", "delta"}},
        {3, 100, {"alpha", "beta", "gamma", "delta"}}, // inside alpha: back to its start
        {6, 100, {"beta", "gamma", "delta"}},          // the space before beta
        {1, 8, {"alpha", "beta"}},                     // ends inside beta: beta whole
        {1, 6, {"alpha"}},                             // beta starts at 7
        {11, 100, {"gamma", "delta"}},                 // on the line break
        {13, 13, {"gamma"}},
        {14, 100, {"gamma", "delta"}},
        {30, 100, {}},
    };
    for (const Case &c : cases) {
        BufferEditorAccess editor(nullptr, LineBreaks::fromCrLf(text));
        TCustomMemoParser parser(editor);
        configure(parser);
        parser.setRange(c.start, c.end);
        EXPECT_EQ(wordsOf(walk(parser)), c.words) << c.start << ".." << c.end;
    }
}

TEST(TParser, FromCaretAndSelection)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("one two three four"));
    {
        TCustomMemoParser parser(editor);
        configure(parser);
        editor.setSelection(5, 0); // inside "two"
        parser.startFromCaret();
        EXPECT_EQ(wordsOf(walk(parser)), QStringList({"two", "three", "four"}));
    }
    {
        TCustomMemoParser parser(editor);
        configure(parser);
        editor.setSelection(4, 6); // "two th"
        parser.startFromCaret();
        parser.limitToSelection();
        EXPECT_EQ(wordsOf(walk(parser)), QStringList({"two", "three"}));
    }
}

TEST(TParser, QuotedLinesAreSkippedWhenAsked)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("one\n> two\n|three\nfour"));
    TCustomMemoParser parser(editor);
    configure(parser);
    parser.setSkipQuoted(true);
    parser.setQuoteCharacters(QStringLiteral(">|"));
    EXPECT_EQ(wordsOf(walk(parser)), QStringList({"one", "four"}));
}

// Each kind walks and replaces its own text.
TEST(TParser, EveryKindReplacesInPlace)
{
    QString string = QStringLiteral("a teh b");
    QByteArray buffer = "a teh b";
    BufferEditorAccess memo(nullptr, QStringLiteral("x\na teh b"));
    StringLineEdit edit(QStringLiteral("a teh b"));
    TStringParser stringParser(string);
    TBufferParser bufferParser(buffer);
    TCustomMemoParser memoParser(memo);
    TCustomEditParser editParser(edit);
    for (TParser *parser : std::initializer_list<TParser *>{&stringParser, &bufferParser, &memoParser, &editParser}) {
        configure(*parser);
        while (parser->nextWord() && parser->word() != QLatin1String("teh")) {
        }
        ASSERT_FALSE(parser->atEnd());
        const int end = parser->rangeEnd();
        parser->pushUndo();
        parser->selectWord();
        parser->replaceWord(QStringLiteral("the"));
        EXPECT_EQ(parser->rangeEnd(), end);
        ASSERT_TRUE(parser->nextWord());
        EXPECT_EQ(parser->word(), QStringLiteral("b"));
        parser->replaceWord(QStringLiteral("bee"));
        EXPECT_EQ(parser->rangeEnd(), end + 2);
    }
    EXPECT_EQ(string, QStringLiteral("a the bee"));
    EXPECT_EQ(buffer, QByteArray("a the bee"));
    EXPECT_EQ(memo.plainText(), QStringLiteral("x\na the bee"));
    EXPECT_EQ(edit.value, QStringLiteral("a the bee"));
    EXPECT_EQ(stringParser.kind(), TParserKind::String);
    EXPECT_EQ(int(TParserKind::Memo), 4);
}

// Undo restores the word before and puts its old text back; only the newest records stay.
TEST(TParser, UndoRecordsAndTheirLimit)
{
    QString words;
    for (int i = 0; i < 30; ++i)
        words += QStringLiteral("w%1 ").arg(i, 2, 10, QLatin1Char('0'));
    TStringParser parser(words);
    configure(parser);
    EXPECT_FALSE(parser.popUndo());
    for (int i = 0; i < 26; ++i) {
        ASSERT_TRUE(parser.nextWord());
        parser.pushUndo();
        parser.setActionCode(TUndoAction::Ignore);
    }
    EXPECT_EQ(parser.word(), QStringLiteral("w25"));
    // Word 26 is in hand; of the 25 before it only the newest 20 come back.
    QStringList restored;
    while (auto undo = parser.popUndo()) {
        restored << undo->word;
        ASSERT_TRUE(parser.nextWord());
        EXPECT_EQ(parser.word(), undo->word);
        parser.pushUndo();
    }
    ASSERT_EQ(restored.size(), 20);
    EXPECT_EQ(restored.first(), QStringLiteral("w24"));
    EXPECT_EQ(restored.last(), QStringLiteral("w05"));
    EXPECT_FALSE(parser.canUndo());
}

TEST(TParser, UndoOfAReplacementPutsTheOldTextBack)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("one teh two\nthree"));
    TCustomRichEditParser parser(editor);
    configure(parser);
    parser.nextWord();
    parser.nextWord();
    parser.pushUndo();
    parser.replaceWord(QStringLiteral("the very"));
    parser.setActionCode(TUndoAction::Change);
    parser.nextWord();
    parser.pushUndo();
    EXPECT_EQ(editor.plainText(), QStringLiteral("one the very two\nthree"));
    const auto undo = parser.popUndo();
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->oldText, QStringLiteral("teh"));
    EXPECT_EQ(editor.plainText(), QStringLiteral("one teh two\nthree"));
    ASSERT_TRUE(parser.nextWord());
    EXPECT_EQ(parser.word(), QStringLiteral("teh"));
    EXPECT_EQ(parser.rangeEnd(), editor.textLength());
}

TEST(TParser, SpacesAroundTheWord)
{
    QString text = QStringLiteral("ab  cd");
    TStringParser parser(text);
    configure(parser);
    parser.nextWord();
    parser.nextWord();
    EXPECT_FALSE(parser.removeFollowingSpace()); // "c" is at the column
    parser.insertSpace();
    EXPECT_EQ(text, QStringLiteral("ab   cd"));
    EXPECT_TRUE(parser.removeFollowingSpace());
    EXPECT_EQ(text, QStringLiteral("ab  cd"));
    EXPECT_EQ(parser.rangeEnd(), 6);
}
