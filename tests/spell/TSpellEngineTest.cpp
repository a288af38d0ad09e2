#include "SpellTestSupport.h"

#include "editor/BufferEditorAccess.h"
#include "platform/IniFile.h"
#include "spell/SpellMarks.h"
#include "spell/TSpellEngine.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
const QStringList kWords = {"the", "a",   "cat",  "sat", "on",   "mat",  "and", "dog", "dogs",  "is",    "it",  "I",
                            "tea", "ten", "tech", "eh",  "steh", "tehx", "eth", "te",  "hello", "world", "John"};

// The engine set up as the main window sets it, over a small dictionary in a fresh folder.
class SpellEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("spell/test.dct"), dictionaryOf(kWords, QStringLiteral("Test English")));
        makeEngine();
    }

    void makeEngine()
    {
        engine = std::make_unique<TSpellEngine>(folder.path(), prompts, dialog, loop);
        loop.engine = engine.get();
        TSpellProperties &p = engine->properties();
        p.maxSuggestions = 15;
        p.selectionBehavior = sbAvoidUpDown;
        p.defaultMain = QStringLiteral("test.dct");
        p.defaultOptions = {soHTML, soInternet, soAutoSuggest, soPrimaryOnly, soRecheck, soRepeated};
        engine->setConfigFileName(QStringLiteral("spell\\spell.cfg"));
        engine->setConfigKey(QStringLiteral("default"));
    }

    void setOption(TSpellOption option, bool on) { engine->configuration().options.set(option, on); }

    // Runs a whole check of `text`, answering each questioned word with Ignore.
    QStringList questionedIn(QString text, bool endMessage = true)
    {
        dialog.questionedWords.clear();
        if (endMessage)
            prompts.expectInformation();
        loop.steps.clear();
        for (int i = 0; i < 50; ++i)
            loop.then(SpellAction::Ignore);
        engine->checkString(text);
        EXPECT_FALSE(loop.ranOut);
        return dialog.questionedWords;
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    FakeSpellDialog dialog;
    ScriptedSpellLoop loop;
    std::unique_ptr<TSpellEngine> engine;
};
} // namespace

TEST_F(SpellEngineTest, WhichWordsAreQuestioned)
{
    struct Case {
        const char *text;
        std::vector<TSpellOption> on;
        QStringList questioned;
    };
    const Case cases[] = {
        {"the cat sat", {}, {}},
        {"The Cat", {}, {}},         // capitalised known words, via lower case
        {"TEH cat", {soUpcase}, {}}, // all capitals spared
        {"TEH cat", {}, {"TEH"}},
        {"teh2 cat", {soNumbers}, {}}, // holds a digit
        {"teh2 cat", {}, {"teh2"}},
        {"1998 and 2024", {}, {}},          // digits only: never
        {"'cat' dogs' cat's 'the", {}, {}}, // ignored prefix and suffixes
        {"it's's", {}, {"it's's"}},         // "'s" stripped only where its first occurrence ends the word
        {"mail john@zz.qq, see http://qq.zz/x) a", {}, {"mail", "see"}},
        {"<B CLASS=zz>cat</B> <qq", {}, {}},      // tags, and an unclosed one hiding the rest
        {"caf&eacute;", {}, {"caf", "eacute"}},   // entity names are words
        {"JOHN john John", {}, {"JOHN", "john"}}, // case only falls, never rises
    };
    for (const Case &c : cases) {
        for (TSpellOption o : {soUpcase, soNumbers})
            setOption(o, std::find(c.on.begin(), c.on.end(), o) != c.on.end());
        EXPECT_EQ(questionedIn(QString::fromUtf8(c.text)), c.questioned) << c.text;
    }
}

namespace {
QStringList markedTexts(const QString &text, const std::vector<MarkedWord> &marks)
{
    QStringList words;
    for (const MarkedWord &mark : marks)
        words << text.mid(mark.start, mark.length);
    return words;
}
} // namespace

TEST_F(SpellEngineTest, MarksAreTheWordsACheckQuestions)
{
    struct Case {
        const char *text;
        std::vector<TSpellOption> on;
        QStringList ignored; // Ignore All before the marks
        std::vector<MarkedWord> marked;
        bool asTheDialog = true; // false: the dialog also asks about a repeated word
    };
    const Case cases[] = {
        {"the cat sat", {}, {}, {}},
        {"teh cat\nzzq", {}, {}, {{0, 3}, {8, 3}}}, // over lines, offsets in the joined text
        {"<B CLASS=zzq>teh</B> <qq zzq", {}, {}, {{13, 3}}},
        {"<IMG SRC=a.gif\nALT=\"zzq\">teh", {}, {}, {{25, 3}}}, // a tag over two lines
        {"TEH teh2 1998", {soUpcase, soNumbers}, {}, {}},
        {"TEH teh2 1998", {}, {}, {{0, 3}, {4, 4}}}, // digits only: never
        {"a john@zz.qq http://qq.zz/x dog", {soInternet}, {}, {}},
        {"a john@zz.qq dog", {}, {}, {{2, 4}, {7, 2}, {10, 2}}}, // addresses read as words
        {"na\u00efve cat", {}, {}, {{0, 5}}},                    // a letter beyond the alphabet cuts no word
        {"zzq Zzq teh", {}, {"zzq"}, {{8, 3}}},                  // Ignore All regardless of case
        {"'cat' cat's Cat John JOHN", {}, {}, {{21, 4}}},
        {"the the cat", {}, {}, {}, false},
    };
    EXPECT_TRUE(SpellMarks::unknownWords(*engine, QStringLiteral("zzq")).empty()) << "no dictionaries open yet";
    engine->setAlwaysActive(true); // as the marks keep it: a check's end closes nothing
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        for (TSpellOption o : {soUpcase, soNumbers, soInternet})
            setOption(o, std::find(c.on.begin(), c.on.end(), o) != c.on.end());
        engine->resetIgnoreAll();
        for (const QString &word : c.ignored)
            engine->addToIgnoreAll(word);
        const std::vector<MarkedWord> marks = SpellMarks::unknownWords(*engine, text);
        EXPECT_EQ(marks, c.marked) << c.text;
        if (c.asTheDialog) {
            EXPECT_EQ(markedTexts(text, marks), questionedIn(text)) << c.text;
        }
    }
}

TEST_F(SpellEngineTest, AddedWordIsKnownToMarksAndWrittenAtOnce)
{
    engine->setAlwaysActive(true);
    const QString text = QStringLiteral("zzq cat");
    ASSERT_EQ(SpellMarks::unknownWords(*engine, text).size(), 1u);
    engine->addToUserDictionary(QStringLiteral("zzq"));
    EXPECT_TRUE(SpellMarks::unknownWords(*engine, text).empty());
    EXPECT_TRUE(folder.read(QStringLiteral("spell/default.udt")).contains("IGN_0=zzq\r\n")); // engine still open
}

TEST_F(SpellEngineTest, MenuOffersTheLikeliestSuggestionsFirst)
{
    // Swapped neighbours first; alphabetically "eh" and "eth" would be the two offered.
    EXPECT_EQ(SpellMarks::menuSuggestions(*engine, QStringLiteral("teh"), 2), QStringList({"eth", "the"}));
    EXPECT_EQ(SpellMarks::menuSuggestions(*engine, QStringLiteral("Teh"), 2), QStringList({"Eth", "The"}));
}

TEST(SpellMarksTest, TagOpenAtTheEndOfALine)
{
    const std::pair<const char *, std::optional<bool>> cases[] = {
        {"", std::nullopt},         {"plain words", std::nullopt}, {"a < b", true},
        {"<A HREF=x>b</A>", false}, {"text <IMG", true},           {"ALT=x> more", false},
    };
    for (const auto &[line, open] : cases)
        EXPECT_EQ(SpellMarks::tagOpenAtEnd(QString::fromUtf8(line)), open) << line;
}

TEST_F(SpellEngineTest, RepeatedWordsAndDelete)
{
    struct Case {
        const char *text;
        const char *after; // after Delete on the repeated word
    };
    const Case cases[] = {
        {"the the cat", "the cat"}, // the space after it goes too (105)
        {"the the.", "the ."},      // one space stays before the full stop (5)
        {"a cat\nthe\nthe dog", "a cat\nthe\ndog"},
        {"the\nthe", "the\n"},
    };
    for (const Case &c : cases) {
        BufferEditorAccess editor(nullptr, QString::fromUtf8(c.text));
        engine->properties().waitForCompletion = false;
        engine->checkRichEdit(editor, nullptr);
        ASSERT_TRUE(engine->checkRunning()) << c.text;
        EXPECT_TRUE(engine->isRepeatedWord());
        EXPECT_EQ(dialog.elementCaptions[SpellElement::ErrorLabel], QStringLiteral("Repeated Word:"));
        EXPECT_EQ(dialog.elementCaptions[SpellElement::Change], QStringLiteral("&Delete"));
        EXPECT_TRUE(dialog.enabled[SpellElement::Change]);
        EXPECT_EQ(editor.selectedText(), QStringLiteral("the"));
        prompts.expectInformation();
        engine->action(SpellAction::Change);
        EXPECT_EQ(editor.plainText(), QString::fromUtf8(c.after)) << c.text;
        EXPECT_EQ(dialog.elementCaptions[SpellElement::Change], QStringLiteral("C&hange"));
        EXPECT_FALSE(engine->checkRunning());
    }
    // A tag between the two, or a change of case, is no repeat.
    EXPECT_EQ(questionedIn(QStringLiteral("the <B>the</B> cat The the")), QStringList());
}

TEST_F(SpellEngineTest, UndoOfADeleteBringsTheRepeatBack)
{
    engine->properties().waitForCompletion = false;
    QString text = QStringLiteral("the the cat zzq");
    engine->checkString(text);
    engine->action(SpellAction::Change);
    EXPECT_EQ(text, QStringLiteral("the cat zzq"));
    EXPECT_EQ(dialog.questioned, QStringLiteral("zzq"));
    EXPECT_TRUE(dialog.enabled[SpellElement::UndoLast]);
    engine->action(SpellAction::UndoLast);
    EXPECT_EQ(text, QStringLiteral("the the cat zzq"));
    EXPECT_TRUE(engine->isRepeatedWord());
    EXPECT_EQ(dialog.questioned, QStringLiteral("the"));
    engine->action(SpellAction::Cancel);
}

TEST_F(SpellEngineTest, ChangeAllReplacesLaterOccurrencesWithoutAsking)
{
    QString text = QStringLiteral("teh cat, Teh dog teh.");
    prompts.expectInformation();
    loop.then(SpellAction::ChangeAll, QStringLiteral("the"), &dialog);
    engine->checkString(text);
    EXPECT_EQ(text, QStringLiteral("the cat, the dog the."));
    EXPECT_EQ(dialog.questionedWords, QStringList({"teh"}));
    EXPECT_EQ(engine->changeAllWords(), QStringList({"teh"}));
    EXPECT_EQ(engine->changeAllReplacements(), QStringList({"the"}));
    EXPECT_EQ(prompts.last().text, QStringLiteral("Spell Check Complete\n\nWords Checked: 6"));
}

TEST_F(SpellEngineTest, ChangeRechecksTheReplacementOnlyWithRecheck)
{
    for (bool recheck : {true, false}) {
        setOption(soRecheck, recheck);
        QString text = QStringLiteral("teh cat");
        prompts.expectInformation();
        loop.steps.clear();
        loop.then(SpellAction::Change, QStringLiteral("thw"), &dialog);
        if (recheck)
            loop.then(SpellAction::Ignore);
        dialog.questionedWords.clear();
        engine->checkString(text);
        EXPECT_EQ(text, QStringLiteral("thw cat"));
        EXPECT_EQ(dialog.questionedWords, recheck ? QStringList({"teh", "thw"}) : QStringList({"teh"}));
        EXPECT_FALSE(loop.ranOut);
    }
}

// Suggest looks up the field's text, or the questioned word while the field is empty, and
// adds what it finds behind the list in the order found; the word stays in question.
TEST_F(SpellEngineTest, SuggestAppendsForTheFieldOrTheQuestionedWord)
{
    setOption(soAutoSuggest, false);
    engine->properties().backgroundSuggestions = false;
    engine->properties().waitForCompletion = false;
    QString text = QStringLiteral("teh cat");
    engine->checkString(text);
    EXPECT_TRUE(dialog.suggestions.isEmpty());
    EXPECT_TRUE(dialog.enabled[SpellElement::Suggest]);
    const QStringList forTeh = {"eth", "the", "eh", "te", "tech", "tehx", "tea", "ten"}; // edit kinds in order
    const QStringList withDog = forTeh + QStringList{"dog"};
    const std::pair<const char *, QStringList> steps[] = {{"", forTeh}, {"dgo", withDog}, {"dgo", withDog}};
    for (const auto &[field, shown] : steps) {
        dialog.replacement = QString::fromLatin1(field);
        engine->action(SpellAction::Suggest);
        EXPECT_EQ(dialog.suggestions, shown) << field;
    }
    EXPECT_EQ(dialog.questioned, QStringLiteral("teh"));
    EXPECT_TRUE(engine->checkRunning());
    EXPECT_EQ(text, QStringLiteral("teh cat"));
    engine->action(SpellAction::Cancel);
}

TEST_F(SpellEngineTest, UndoOfEachActionTakesItBack)
{
    engine->properties().waitForCompletion = false;
    QString text = QStringLiteral("zqa zqb zqc zqd zqe zqf");
    engine->checkString(text);
    dialog.replacement = QStringLiteral("cat");
    engine->action(SpellAction::ChangeAll); // zqa -> cat
    engine->action(SpellAction::IgnoreAll); // zqb
    engine->action(SpellAction::Add);       // zqc
    dialog.replacement = QStringLiteral("dog");
    engine->action(SpellAction::AutoCorrect); // zqd -> dog
    EXPECT_EQ(text, QStringLiteral("cat zqb zqc dog zqe zqf"));
    EXPECT_TRUE(engine->addToDictionary()->contains(u"zqc"));
    EXPECT_EQ(engine->addToDictionary()->replacementFor(u"zqd"), QStringLiteral("dog"));
    EXPECT_EQ(dialog.questioned, QStringLiteral("zqe"));

    engine->action(SpellAction::UndoLast);
    EXPECT_EQ(text, QStringLiteral("cat zqb zqc zqd zqe zqf"));
    EXPECT_TRUE(engine->addToDictionary()->replacementFor(u"zqd").isNull());
    EXPECT_EQ(dialog.questioned, QStringLiteral("zqd"));
    engine->action(SpellAction::UndoLast);
    EXPECT_FALSE(engine->addToDictionary()->contains(u"zqc"));
    engine->action(SpellAction::UndoLast);
    EXPECT_TRUE(engine->ignoreAllList().isEmpty());
    engine->action(SpellAction::UndoLast);
    EXPECT_TRUE(engine->changeAllWords().isEmpty());
    EXPECT_EQ(text, QStringLiteral("zqa zqb zqc zqd zqe zqf"));
    EXPECT_EQ(dialog.questioned, QStringLiteral("zqa"));
    EXPECT_FALSE(dialog.enabled[SpellElement::UndoLast]);
    engine->action(SpellAction::Cancel);
}

TEST_F(SpellEngineTest, OnlyTheNewestTwentyActionsCanBeUndone)
{
    engine->properties().waitForCompletion = false;
    const auto name = [](int i) { // word i, counting from 1: zqaa, zqab, ...
        return QStringLiteral("zq%1%2").arg(QChar(u'a' + (i - 1) / 26)).arg(QChar(u'a' + (i - 1) % 26));
    };
    QString text;
    for (int i = 1; i <= 30; ++i)
        text += name(i) + QLatin1Char(' ');
    engine->checkString(text);
    for (int i = 0; i < 25; ++i)
        engine->action(SpellAction::Ignore);
    EXPECT_EQ(dialog.questioned, name(26));
    int undone = 0;
    while (dialog.enabled[SpellElement::UndoLast]) {
        engine->action(SpellAction::UndoLast);
        ++undone;
        ASSERT_LE(undone, 25);
    }
    EXPECT_EQ(undone, 20);
    EXPECT_EQ(dialog.questioned, name(6)); // the 25 actions less the newest 20
    engine->action(SpellAction::Cancel);
}

TEST_F(SpellEngineTest, SuggestionsInOrderWithCaseAndLimit)
{
    struct Case {
        const char *word;
        int limit;
        QStringList expected;
    };
    const Case cases[] = {
        // No "steh": nothing is inserted before the first letter.
        {"teh", 15, {"eh", "eth", "te", "tea", "tech", "tehx", "ten", "the"}},
        {"Teh", 15, {"Eh", "Eth", "Te", "Tea", "Tech", "Tehx", "Ten", "The"}},
        {"TEH", 15, {"EH", "ETH", "TE", "TEA", "TECH", "TEHX", "TEN", "THE"}},
        // Generation stops once the list holds more than the limit: the first four found.
        {"teh", 3, {"eh", "eth", "te", "the"}},
        {"catdog", 15, {"cat dog"}},
    };
    for (const Case &c : cases) {
        engine->properties().maxSuggestions = c.limit;
        engine->reopenDictionaries();
        EXPECT_EQ(engine->suggestionsFor(QString::fromLatin1(c.word), false), c.expected) << c.word;
    }
}

TEST_F(SpellEngineTest, QuestionedWordSetsUpTheDialog)
{
    engine->properties().waitForCompletion = false;
    QString text = QStringLiteral("cat teh");
    engine->checkString(text);
    using namespace SpellElement;
    EXPECT_EQ(dialog.created, 1);
    EXPECT_TRUE(dialog.visible);
    EXPECT_EQ(dialog.caption, QStringLiteral("Spell Check"));
    EXPECT_TRUE(dialog.captions.contains(QStringLiteral("Spell Check (Working...)")));
    EXPECT_EQ(dialog.elementCaptions[ChangeAll], QStringLiteral("&Change All"));
    EXPECT_EQ(dialog.elementCaptions[Help], QStringLiteral("Hel&p"));
    EXPECT_EQ(dialog.elementCaptions[Cancel], QStringLiteral("Cancel"));
    EXPECT_EQ(dialog.elementCaptions[ErrorLabel], QStringLiteral("Not Found:"));
    EXPECT_EQ(dialog.questioned, QStringLiteral("teh"));
    EXPECT_TRUE(dialog.suggestions.contains(QStringLiteral("the")));
    const QMap<int, bool> expected = {{ChangeAll, false}, {Change, false},      {IgnoreAll, true}, {Ignore, true},
                                      {Add, true},        {AutoCorrect, false}, {Suggest, false},  {Start, false},
                                      {UndoLast, false},  {Options, true}};
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(dialog.enabled.value(it.key()), it.value()) << it.key();
    // Picking a suggestion fills the field and enables the replacing buttons.
    const int index = int(dialog.suggestions.indexOf(QStringLiteral("the")));
    engine->suggestionClicked(index);
    EXPECT_EQ(dialog.replacement, QStringLiteral("the"));
    for (int e : {ChangeAll, Change, Suggest, Add, AutoCorrect})
        EXPECT_TRUE(dialog.enabled[e]) << e;
    // Clicking into the document: word buttons off, Start on; Start resumes at the caret.
    engine->dialogDeactivated();
    EXPECT_TRUE(dialog.enabled[Start]);
    EXPECT_FALSE(dialog.enabled[Ignore]);
    EXPECT_TRUE(dialog.replacement.isEmpty());
    engine->action(SpellAction::Help);
    EXPECT_EQ(dialog.helpShown, QStringList({"spellchk.hlp#100"}));
    engine->action(SpellAction::Cancel); // no message after a cancel
    EXPECT_FALSE(engine->checkRunning());
    EXPECT_TRUE(engine->cancelled());
    EXPECT_EQ(dialog.freed, 1);
}

TEST_F(SpellEngineTest, EndOfCheckMessagesAndEvents)
{
    struct Case {
        TEndMessage when;
        bool cancel;
        bool wordCount;
        const char *text;
        const char *message; // null: none
    };
    const Case cases[] = {
        {emExceptCancel, false, true, "cat zzq dog", "Spell Check Complete\n\nWords Checked: 3"},
        {emExceptCancel, true, true, "cat zzq dog", nullptr},
        {emAlways, true, false, "cat zzq dog", "Spell Check Complete"},
        {emNever, false, true, "cat zzq dog", nullptr},
        {emNoDialog, false, true, "cat zzq dog", nullptr},
        {emNoDialog, false, true, "cat dog", "Spell Check Complete\n\nWords Checked: 2"},
    };
    for (const Case &c : cases) {
        int completed = 0;
        int canceled = 0;
        engine->events().onCheckComplete = [&] { ++completed; };
        engine->events().onCheckCanceled = [&] { ++canceled; };
        engine->properties().endShowMessage = c.when;
        engine->properties().wordCountVisible = c.wordCount;
        prompts.clear();
        if (c.message)
            prompts.expectInformation();
        loop.steps.clear();
        loop.then(c.cancel ? SpellAction::Cancel : SpellAction::Ignore);
        QString text = QString::fromLatin1(c.text);
        const int freedBefore = dialog.freed;
        engine->checkString(text);
        if (QString::fromLatin1(c.text).contains(QLatin1String("zzq"))) {
            EXPECT_EQ(dialog.freed, freedBefore + 1);
        }
        if (c.message) {
            EXPECT_EQ(prompts.last().text, QString::fromLatin1(c.message));
        }
        EXPECT_TRUE(prompts.allAnswered());
        EXPECT_EQ(completed, 1);
        EXPECT_EQ(canceled, c.cancel ? 1 : 0);
        EXPECT_EQ(engine->cancelled(), c.cancel);
    }
}

// The main window's passes: end handling held back, the word count adding up.
TEST_F(SpellEngineTest, PassesWithEndHandlingSuppressed)
{
    engine->setAlwaysActive(true);
    engine->setSuppressEndHandling(true);
    QString first = QStringLiteral("cat zzq");
    loop.then(SpellAction::Ignore);
    engine->checkString(first);
    EXPECT_TRUE(dialog.exists);
    engine->setResetCountAtStart(false);
    engine->setSuppressEndHandling(false);
    QString second = QStringLiteral("dog cat");
    prompts.expectInformation();
    engine->checkString(second);
    EXPECT_EQ(prompts.last().text, QStringLiteral("Spell Check Complete\n\nWords Checked: 4"));
    EXPECT_FALSE(dialog.exists);
    EXPECT_TRUE(engine->isActive());
    engine->setAlwaysActive(false);
    EXPECT_FALSE(engine->isActive());
}

// Likelihood: fewer edits first (case is no edit); among equally many, slips of the fingers
// (swapped neighbours, doubled letters, neighbouring keys) before other edits.
TEST(SuggestionLikelihood, EditsThenKeyboardNearness)
{
    struct Distance {
        const char *typed;
        const char *candidate;
        int edits;
    };
    const Distance distances[] = {
        {"abc", "abc", 0},         {"paris", "Paris", 0},      {"teh", "the", 1},        {"Teh", "the", 1},
        {"recieve", "receive", 1}, {"acuracy", "accuracy", 1}, {"catdog", "cat dog", 1}, {"", "a", 1},
        {"abc", "cba", 2},         {"teh", "tenth", 2},        {"naïve", "naive", 1},
    };
    for (const Distance &d : distances)
        EXPECT_EQ(suggestionLikelihood(QString::fromUtf8(d.typed), QString::fromUtf8(d.candidate)).distance, d.edits)
            << d.typed << " " << d.candidate;

    struct Order {
        const char *typed;
        const char *likelier;
        const char *lessLikely;
    };
    const Order orders[] = {
        {"teh", "the", "ten"},             // swapped neighbours before a neighbouring key
        {"teh", "ten", "tea"},             // a neighbouring key before a far one
        {"teh", "tea", "tenth"},           // one edit before two, however far
        {"recieve", "receive", "relieve"}, // swap before a far key
        {"acuracy", "accuracy", "curacy"}, // a doubled letter left out before a letter too many
        {"paris", "Paris", "pairs"},       // case only before any edit
        {"thw", "the", "tho"},             // w is beside e, far from o
        {"hellp", "help", "hello"},        // a doubled letter too many before a neighbouring key
    };
    for (const Order &o : orders) {
        const QString typed = QString::fromUtf8(o.typed);
        EXPECT_LT(suggestionLikelihood(typed, QString::fromUtf8(o.likelier)),
                  suggestionLikelihood(typed, QString::fromUtf8(o.lessLikely)))
            << o.typed << ": " << o.likelier << " before " << o.lessLikely;
    }
}

TEST_F(SpellEngineTest, BestGuessesFirstOrdersTheListByLikelihood)
{
    setOption(soBestGuessesFirst, true);
    const QStringList teh = engine->suggestionsFor(QStringLiteral("teh"), false);
    // Swapped neighbours, then the key beside h, then the other single edits alphabetically.
    EXPECT_EQ(teh, QStringList({"eth", "the", "ten", "eh", "te", "tea", "tech", "tehx"}));
    // Case adapted as ever; what the background stages add is ordered in with the rest.
    const QStringList capital = engine->suggestionsFor(QStringLiteral("Teh"), true);
    ASSERT_GT(capital.size(), teh.size());
    EXPECT_EQ(capital.mid(0, 3), QStringList({"Eth", "The", "Ten"}));
    for (qsizetype i = 1; i < capital.size(); ++i)
        EXPECT_LE(suggestionLikelihood(u"Teh", capital[i - 1]), suggestionLikelihood(u"Teh", capital[i]))
            << qPrintable(capital.join(u','));
    // Off again: alphabetical.
    setOption(soBestGuessesFirst, false);
    EXPECT_EQ(engine->suggestionsFor(QStringLiteral("teh"), false),
              QStringList({"eh", "eth", "te", "tea", "tech", "tehx", "ten", "the"}));
}

TEST_F(SpellEngineTest, ConfigurationWithoutTheSectionIsBuiltAndWrittenBack)
{
    folder.write(QStringLiteral("spell/spell.cfg"), "[other]\r\nID=1\r\n");
    folder.write(QStringLiteral("spell/second.dct"), dictionaryOf({"zzq"}, QStringLiteral("Second")));
    TConfiguration &config = engine->configuration();
    EXPECT_TRUE(config.writeBack);
    ASSERT_EQ(config.mains.size(), 2);
    EXPECT_EQ(config.mains[0].path, folder.file(QStringLiteral("spell/second.dct")));
    EXPECT_FALSE(config.mains[0].active);
    EXPECT_EQ(config.mains[0].description, QStringLiteral("Second"));
    EXPECT_TRUE(config.mains[1].active);
    ASSERT_EQ(config.users.size(), 1);
    EXPECT_EQ(config.users[0].path, folder.file(QStringLiteral("spell/default.udt")));
    EXPECT_EQ(config.userIndex, 0);
    const QList<TMain> mains = config.mains;
    const QList<TUser> users = config.users;
    config.options.set(soBestGuessesFirst, true);
    config.writeBack = true;
    engine.reset(); // freed: written back

    const IniFile ini(folder.file(QStringLiteral("spell/spell.cfg")));
    const QString s = QStringLiteral("default");
    EXPECT_EQ(ini.readInt(s, QStringLiteral("ID"), 0), 1);
    EXPECT_EQ(ini.readInt(QStringLiteral("other"), QStringLiteral("ID"), 0), 1);
    EXPECT_EQ(ini.readString(s, QStringLiteral("U_MU_DCT_ListCount"), {}), QStringLiteral("2"));
    EXPECT_EQ(ini.readString(s, QStringLiteral("U_MU_DCT_1"), {}),
              QLatin1Char('T') + folder.file(QStringLiteral("spell/test.dct")));
    EXPECT_EQ(ini.readString(s, QStringLiteral("M_DCT_1"), {}), QStringLiteral("Test English"));
    EXPECT_EQ(ini.readString(s, QStringLiteral("U_DCT_0"), {}),
              QLatin1Char('T') + folder.file(QStringLiteral("spell/default.udt")));
    EXPECT_EQ(ini.readInt(s, QStringLiteral("UserIndex"), -5), 0);
    const std::pair<const char *, int> flags[] = {{"soUpcase", 0},      {"soNumbers", 0}, {"soHTML", 1},
                                                  {"soInternet", 1},    {"soQuoted", 0},  {"soAutoSuggest", 1},
                                                  {"soPrimaryOnly", 1}, {"soRecheck", 1}, {"soRepeated", 1},
                                                  {"soDualCaps", 0},    {"soUser4", 0},   {"soBestGuessesFirst", 1}};
    for (const auto &[key, value] : flags)
        EXPECT_EQ(ini.readInt(s, QString::fromLatin1(key), -1), value) << key;

    // Read again, the written section gives the same configuration.
    makeEngine();
    const TConfiguration &again = engine->configuration();
    EXPECT_FALSE(again.writeBack);
    EXPECT_EQ(again.mains, mains);
    EXPECT_EQ(again.users, users);
    EXPECT_EQ(again.options, (TSpellOptions{soHTML, soInternet, soAutoSuggest, soPrimaryOnly, soRecheck, soRepeated,
                                            soBestGuessesFirst}));
}

TEST_F(SpellEngineTest, StoredSectionMissingKeysAndMissingFiles)
{
    folder.write(QStringLiteral("spell/spell.cfg"),
                 "[DEFAULT]\r\nID=1\r\nU_MU_DCT_ListCount=3\r\nU_MU_DCT_0=Tgone.dct\r\nU_MU_DCT_1=\r\n"
                 "U_MU_DCT_2=Ttest.dct\r\nM_DCT_ListCount=3\r\nM_DCT_0=Gone\r\nU_DCT_ListCount=2\r\n"
                 "U_DCT_0=Fa.udt\r\nU_DCT_1=Tnames.dic\r\nsoNumbers=1\r\nsoHTML=0\r\nUserIndex=7\r\n");
    folder.write(QStringLiteral("spell/names.dic"), "Zyx\r\nQwv\r\n");
    const TConfiguration &config = engine->configuration();
    EXPECT_FALSE(config.writeBack);
    ASSERT_EQ(config.mains.size(), 2);
    EXPECT_FALSE(config.mains[0].active); // its file is missing
    EXPECT_TRUE(config.mains[1].active);
    EXPECT_EQ(config.mains[1].description, QStringLiteral("Test English")); // read from the file
    EXPECT_EQ(config.userIndex, -1);
    EXPECT_EQ(config.options, (TSpellOptions{soUpcase, soNumbers, soInternet, soQuoted, soAutoSuggest, soPrimaryOnly,
                                             soRecheck, soRepeated}));
    // The read-only list is known, and Add leaves it alone.
    EXPECT_EQ(questionedIn(QStringLiteral("zyx QWV cat")), QStringList());
    EXPECT_EQ(engine->addToDictionary(), nullptr);
    EXPECT_EQ(folder.read(QStringLiteral("spell/names.dic")), QByteArray("Zyx\r\nQwv\r\n"));
}

TEST_F(SpellEngineTest, AddedWordsAndAutoCorrectPairsPersist)
{
    loop.then(SpellAction::Add);
    loop.then(SpellAction::AutoCorrect, QStringLiteral("the"), &dialog);
    prompts.expectInformation();
    QString text = QStringLiteral("zzq teh teh");
    engine->checkString(text);
    EXPECT_EQ(text, QStringLiteral("zzq the the"));
    // Closed at the end of the check: the user dictionary was created.
    const QByteArray udt = folder.read(QStringLiteral("spell/default.udt"));
    EXPECT_TRUE(udt.contains("IGN_0=zzq\r\n")) << udt.constData();
    EXPECT_TRUE(udt.contains("AC_0=teh@@@the\r\n")) << udt.constData();
    engine.reset();
    makeEngine();
    prompts.expectInformation();
    QString later = QStringLiteral("ZZQ teh");
    engine->checkString(later);
    EXPECT_EQ(later, QStringLiteral("ZZQ the"));
    EXPECT_TRUE(loop.steps.empty());
}

TEST_F(SpellEngineTest, MissingOrBrokenMainDictionary)
{
    // A dictionary that is there but corrupt is said to be corrupt, not missing.
    folder.write(QStringLiteral("spell/spell.cfg"),
                 "[default]\r\nID=1\r\nU_MU_DCT_ListCount=1\r\nU_MU_DCT_0=Tbroken.dct\r\n");
    folder.write(QStringLiteral("spell/broken.dct"), QByteArray(300, 'x'));
    prompts.expectInformation(); // cannot be read
    EXPECT_EQ(questionedIn(QStringLiteral("cat")), QStringList({"cat"}));
    EXPECT_TRUE(prompts.shownTexts().first().startsWith(
        QStringLiteral("The dictionary file \"%1\" is corrupt: ").arg(folder.file(QStringLiteral("spell/broken.dct")))))
        << prompts.shownTexts().first().toStdString();

    // One that went missing after the configuration was read is not found.
    QFile::remove(folder.file(QStringLiteral("spell/broken.dct")));
    prompts.clear();
    prompts.expectInformation();
    EXPECT_EQ(questionedIn(QStringLiteral("cat")), QStringList({"cat"}));
    EXPECT_EQ(prompts.shownTexts().first(),
              QStringLiteral("Unable to find dictionary file:\n") + folder.file(QStringLiteral("spell/broken.dct")));

    // No active main dictionary: asked whether to edit the configuration.
    folder.write(QStringLiteral("spell/spell.cfg"), "[default]\r\nID=1\r\n");
    engine->reloadConfiguration();
    prompts.clear();
    prompts.expectConfirm(true);
    dialog.configure = [&](TConfiguration &config) {
        config.mains.append({QStringLiteral("test.dct"), true, QString()});
        return true;
    };
    EXPECT_EQ(questionedIn(QStringLiteral("cat zzq")), QStringList({"zzq"}));
    EXPECT_EQ(dialog.configurationEdits, 1);
    EXPECT_EQ(prompts.shownTexts().first(),
              QStringLiteral("A main dictionary has yet to be\nset for this configuration.\n\nEdit configuration?"));
}

// Background suggestions: an action that arrives meanwhile waits until they stop.
TEST_F(SpellEngineTest, ActionDuringBackgroundSuggestionsIsHeld)
{
    engine->properties().waitForCompletion = false;
    bool sent = false;
    loop.onPending = [&] {
        if (engine->backgroundRunning() && !sent) {
            sent = true;
            engine->action(SpellAction::Ignore);
            EXPECT_EQ(dialog.questioned, QStringLiteral("zzqa")); // not yet carried out
        }
    };
    QString text = QStringLiteral("zzqa cat zzqb");
    engine->checkString(text);
    EXPECT_TRUE(sent);
    EXPECT_EQ(dialog.questioned, QStringLiteral("zzqb"));
    EXPECT_EQ(dialog.caption, QStringLiteral("Spell Check"));
    loop.onPending = nullptr;
    prompts.expectInformation();
    engine->action(SpellAction::Ignore);
    EXPECT_FALSE(engine->checkRunning());
}

TEST_F(SpellEngineTest, BackgroundAddsWordsTwoEditsAway)
{
    // Nothing is one edit from "xqt"; "cat", "mat" and "sat" are two replacements away, "it"
    // a deletion and a replacement; "John" is one swap from "jhon" when case is set aside,
    // "on" two deletions.
    const QStringList automatic = engine->suggestionsFor(QStringLiteral("xqt"), false);
    EXPECT_TRUE(automatic.isEmpty());
    EXPECT_EQ(engine->suggestionsFor(QStringLiteral("xqt"), true), QStringList({"cat", "it", "mat", "sat"}));
    EXPECT_EQ(engine->suggestionsFor(QStringLiteral("Xqt"), true), QStringList({"Cat", "It", "Mat", "Sat"}));
    EXPECT_EQ(engine->suggestionsFor(QStringLiteral("jhon"), true), QStringList({"John", "on"}));
}

// The rich-edit parser selects through the editing window, counting CR LF as two.
TEST_F(SpellEngineTest, RichEditCheckOverLinesAndRanges)
{
    BufferEditorAccess editor(nullptr, QStringLiteral("cat\ndog zzq\nzzr"));
    engine->properties().waitForCompletion = false;
    engine->checkRichEdit(editor, nullptr, TSpellEngine::Scope::Range, 1, 12);
    EXPECT_EQ(dialog.questioned, QStringLiteral("zzq"));
    EXPECT_EQ(editor.selStart(), 9);
    EXPECT_EQ(editor.selectedText(), QStringLiteral("zzq"));
    prompts.expectInformation();
    engine->action(SpellAction::Ignore); // zzr starts at 15, past the range
    EXPECT_FALSE(engine->checkRunning());

    // Selection: only the words of the selection.
    prompts.expectInformation();
    editor.setSelection(5, 3);
    engine->checkRichEdit(editor, nullptr, TSpellEngine::Scope::Selection);
    EXPECT_FALSE(engine->checkRunning());
    EXPECT_EQ(engine->wordCount(), 1);
    EXPECT_TRUE(prompts.allAnswered());
    prompts.expectInformation();
    editor.setSelection(10, 0);
    engine->checkRichEdit(editor, nullptr, TSpellEngine::Scope::FromCaret); // inside zzq
    EXPECT_EQ(dialog.questioned, QStringLiteral("zzq"));
    engine->action(SpellAction::IgnoreAll);
    EXPECT_EQ(dialog.questioned, QStringLiteral("zzr"));
    engine->action(SpellAction::Ignore);
}

TEST_F(SpellEngineTest, StartResumesFromTheCaret)
{
    StringLineEdit edit(QStringLiteral("zza cat zzb zzc"));
    engine->properties().waitForCompletion = false;
    engine->checkEdit(edit, nullptr);
    EXPECT_EQ(dialog.questioned, QStringLiteral("zza"));
    engine->dialogDeactivated();
    edit.setSelection(13, 0); // in zzc
    engine->action(SpellAction::Start);
    EXPECT_FALSE(dialog.enabled[SpellElement::Start]);
    EXPECT_EQ(dialog.questioned, QStringLiteral("zzc"));
    prompts.expectInformation();
    engine->action(SpellAction::Ignore);
}

TEST(SpellEngineDictionary, ShippedDictionarySuggestsWithCase)
{
    TempProgramFolder folder;
    QFile::copy(QStringLiteral(TOVAREL_TEST_DICTIONARY), folder.file(QStringLiteral("american.dct")));
    folder.write(QStringLiteral("spell.cfg"), "");
    ScriptedPrompts prompts;
    FakeSpellDialog dialog;
    ScriptedSpellLoop loop;
    TSpellEngine engine(folder.path(), prompts, dialog, loop);
    engine.properties().defaultMain = QStringLiteral("american.dct");
    engine.properties().maxSuggestions = 15;
    engine.setConfigFileName(QStringLiteral("spell.cfg"));
    engine.setConfigKey(QStringLiteral("default"));
    engine.activate();
    EXPECT_TRUE(engine.isAccepted(u"The"));
    EXPECT_TRUE(engine.isAccepted(u"Aaron's"));
    EXPECT_TRUE(engine.isAccepted(u"dogs'"));
    EXPECT_FALSE(engine.isAccepted(u"teh"));
    const QStringList teh = engine.suggestionsFor(QStringLiteral("Teh"), true);
    EXPECT_TRUE(teh.contains(QStringLiteral("The"))) << qPrintable(teh.join(u','));
    EXPECT_TRUE(engine.suggestionsFor(QStringLiteral("TEH"), false).contains(QStringLiteral("THE")));
    const QStringList recieve = engine.suggestionsFor(QStringLiteral("recieve"), true);
    EXPECT_TRUE(recieve.contains(QStringLiteral("receive")));
    QStringList sorted = teh;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(teh, sorted);
}

// A configuration claiming two thousand million entries holds three: reading visits those,
// and writing a shorter list removes the ones past its end, without counting to the claim.
TEST(SpellConfigurationFile, HostileListCountsVisitOnlyTheItemsPresent)
{
    TempProgramFolder folder;
    const QString path = folder.write(
        QStringLiteral("spell.cfg"),
        "[default]\r\nID=1\r\nU_MU_DCT_ListCount=2000000000\r\nU_MU_DCT_1500000000=Fc.dct\r\nU_MU_DCT_0=Fa.dct\r\n"
        "U_MU_DCT_7=Fb.dct\r\nM_DCT_ListCount=2000000000\r\nM_DCT_7=Bee\r\nU_DCT_ListCount=2000000000\r\n"
        "U_DCT_3=Tu.udt\r\n");
    TConfiguration config;
    config.load(path, QStringLiteral("default"), TConfigDefaults{});
    ASSERT_EQ(config.mains.size(), 3);
    EXPECT_EQ(config.mains[0].path, QStringLiteral("a.dct"));
    EXPECT_EQ(config.mains[1].description, QStringLiteral("Bee")); // the parallel list by index
    EXPECT_EQ(config.mains[2].path, QStringLiteral("c.dct"));
    ASSERT_EQ(config.users.size(), 1);
    EXPECT_EQ(config.users[0].path, QStringLiteral("u.udt"));

    config.mains.removeLast();
    config.mains.removeLast();
    ASSERT_TRUE(config.save());
    const IniFile ini(path);
    const QString s = QStringLiteral("default");
    EXPECT_EQ(ini.readInt(s, QStringLiteral("U_MU_DCT_ListCount"), -1), 1);
    EXPECT_EQ(ini.readString(s, QStringLiteral("U_MU_DCT_0"), {}), QStringLiteral("Fa.dct"));
    for (const char *gone : {"U_MU_DCT_7", "U_MU_DCT_1500000000", "M_DCT_7", "U_DCT_3"})
        EXPECT_FALSE(ini.hasKey(s, QLatin1String(gone))) << gone;
    EXPECT_EQ(ini.readString(s, QStringLiteral("U_DCT_0"), {}), QStringLiteral("Tu.udt"));
}

// Installed, the configuration and user dictionaries live in the user's folder while the
// main dictionary stays where it was shipped; added words never go to the shipped folder.
TEST_F(SpellEngineTest, ShippedMainDictionaryWithTheUsersConfiguration)
{
    const QByteArray storedConfig = "[default]\r\nID=1\r\nU_MU_DCT_ListCount=1\r\nU_MU_DCT_0=Ttest.dct\r\n"
                                    "U_DCT_ListCount=1\r\nU_DCT_0=Tdefault.udt\r\nUserIndex=0\r\n";
    for (const QByteArray &config : {storedConfig, QByteArray()}) {
        SCOPED_TRACE(config.isEmpty() ? "no configuration yet" : "configuration copied from the shipped one");
        TempProgramFolder user;
        TempProgramFolder shipped;
        shipped.write(QStringLiteral("spell/test.dct"), folder.read(QStringLiteral("spell/test.dct")));
        shipped.write(QStringLiteral("spell/spell.cfg"), storedConfig);
        QDir().mkpath(user.file(QStringLiteral("spell")));
        if (!config.isEmpty())
            user.write(QStringLiteral("spell/spell.cfg"), config);
        engine = std::make_unique<TSpellEngine>(user.path(), prompts, dialog, loop);
        loop.engine = engine.get();
        engine->properties().defaultMain = QStringLiteral("test.dct");
        engine->setShippedFolder(shipped.path());
        engine->setConfigFileName(QStringLiteral("spell\\spell.cfg"));
        engine->setConfigKey(QStringLiteral("default"));

        const TConfiguration &loaded = engine->configuration();
        ASSERT_EQ(loaded.mains.size(), 1);
        EXPECT_TRUE(loaded.mains[0].active);
        EXPECT_EQ(loaded.resolve(loaded.mains[0].path), shipped.file(QStringLiteral("spell/test.dct")));
        loop.then(SpellAction::Add);
        prompts.expectInformation();
        QString text = QStringLiteral("cat zzq");
        engine->checkString(text);
        EXPECT_EQ(dialog.questionedWords.value(0), QStringLiteral("zzq")); // the shipped words are known
        engine.reset();
        EXPECT_TRUE(user.read(QStringLiteral("spell/default.udt")).contains("zzq"));
        EXPECT_FALSE(shipped.exists(QStringLiteral("spell/default.udt")));
        EXPECT_EQ(shipped.read(QStringLiteral("spell/spell.cfg")), storedConfig);
        dialog.questionedWords.clear();
    }
}
