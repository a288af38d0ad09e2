#include "SpellTestSupport.h"

#include "spell/TrieDictionary.h"
#include "spell/TrieWriter.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>

#include <gtest/gtest.h>

#include <set>

namespace {
std::string latin1(const QString &word)
{
    const QByteArray b = word.toLatin1();
    return std::string(b.constData(), size_t(b.size()));
}

QStringList wordListSample()
{
    QFile file(QStringLiteral(TOVAREL_WORD_LIST));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << TOVAREL_WORD_LIST;
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

TEST(TrieDictionary, RoundTripFindsEveryWordAndNoCloseNonWord)
{
    const QStringList words = {"a",      "I",     "at",     "ate",   "later", "water",   "waters",
                               "crater", "cater", "caters", "don't", "Aaron", "Aaron's", "café",
                               "naïve",  "zebra", "zebras", "ab",    "abc",   "abcd",    "abcde"};
    const auto dictionary = TrieDictionary::fromBytes(dictionaryOf(words, QStringLiteral("Tiny")));
    ASSERT_TRUE(dictionary);
    EXPECT_EQ(dictionary->description(), QStringLiteral("Tiny"));
    for (const QString &w : words)
        EXPECT_TRUE(dictionary->contains(latin1(w))) << qPrintable(w);
    // Prefixes, extensions, shared endings in the wrong place, case: none is a word.
    for (const char *non : {"", "A", "i", "ca", "cat", "wat", "waterss", "atea", "crate", "Cater", "abcdef", "don",
                            "Aaron'", "cafe", "zebr", "b", "e"})
        EXPECT_FALSE(dictionary->contains(non)) << non;
}

// A minimal graph shares endings: 26 words ending in "ation" need the 26 first letters (root
// nodes, kept apart from the node array) and one shared "ation".
TEST(TrieDictionary, SharedEndingsKeepTheGraphSmall)
{
    TrieWriteStats stats;
    std::vector<std::string> words;
    for (char c = 'a'; c <= 'z'; ++c)
        words.push_back(std::string(1, c) + "ation");
    writeTrieDictionary(words, QStringLiteral("x"), {}, &stats);
    EXPECT_EQ(stats.words, 26);
    EXPECT_EQ(stats.nodes, 5);
}

TEST(TrieDictionary, SplitsIntoSubDictionariesWhenIndicesRunOut)
{
    const QStringList sample = wordListSample().mid(0, 20000);
    ASSERT_GT(sample.size(), 1000);
    std::vector<std::string> words;
    QStringList kept;
    for (const QString &w : sample) {
        if (std::all_of(w.begin(), w.end(), [](QChar c) { return c.unicode() < 256; })) {
            words.push_back(latin1(w));
            kept << w;
        }
    }
    for (const TrieWriteLimits limits : {TrieWriteLimits{2000, (1 << 20) - 1}, TrieWriteLimits{65536, 3000}}) {
        TrieWriteStats stats;
        QString error;
        const QByteArray bytes = writeTrieDictionary(words, QStringLiteral("Split"), {}, &stats, &error, limits);
        ASSERT_FALSE(bytes.isEmpty()) << qPrintable(error);
        EXPECT_GT(stats.subDictionaries, 1);
        const auto dictionary = TrieDictionary::fromBytes(bytes);
        ASSERT_TRUE(dictionary);
        EXPECT_EQ(dictionary->subDictionaryCount(), stats.subDictionaries);
        for (const QString &w : kept)
            ASSERT_TRUE(dictionary->contains(latin1(w))) << qPrintable(w);
        EXPECT_FALSE(dictionary->contains("zzzzq"));
    }
}

TEST(TrieDictionary, ShippedDictionaryKnowsTheWordListAndNotItsNeighbours)
{
    const auto dictionary = TrieDictionary::open(QStringLiteral(TOVAREL_TEST_DICTIONARY));
    ASSERT_TRUE(dictionary);
    EXPECT_EQ(dictionary->description(), QStringLiteral("American English"));
    const QStringList words = wordListSample();
    ASSERT_GT(words.size(), 100000);
    std::set<std::string> all;
    for (const QString &w : words)
        all.insert(latin1(w));
    int checked = 0;
    for (const std::string &w : all) {
        ASSERT_TRUE(dictionary->contains(w)) << w;
        // A close non-word: the word with one more letter at its end.
        const std::string longer = w + "q";
        if (!all.count(longer)) {
            ASSERT_FALSE(dictionary->contains(longer)) << longer;
        }
        ++checked;
    }
    EXPECT_EQ(checked, int(all.size()));
    EXPECT_TRUE(dictionary->alphabet().contains('7')); // digits are word characters
    for (const char *non : {"teh", "recieve", "seperate", "definately", "THE"})
        EXPECT_FALSE(dictionary->contains(non)) << non;
}

namespace {
// A one-sub-dictionary file from its parts: node values, child-list bytes, root letters and
// root node values.
QByteArray handMade(const std::vector<quint32> &nodes, const QByteArray &lists, const QByteArray &rootLetters,
                    const std::vector<quint32> &roots)
{
    QByteArray out(TrieDictionary::kAlphabetOffset, '\0');
    out[278] = 1;
    out[279] = 2;
    out += "ab";
    const auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        out.append(b, 4);
    };
    u32(quint32(nodes.size()));
    u32(quint32(lists.size()));
    for (quint32 n : nodes)
        u32(n);
    out += lists;
    out.append(char(rootLetters.size()));
    out += rootLetters;
    for (quint32 r : roots)
        u32(r);
    return out;
}

constexpr quint32 node(char letter, bool end, quint32 code, quint32 ref)
{
    return (quint32(static_cast<unsigned char>(letter)) << 24) | (end ? TrieDictionary::kEndOfWord : 0) |
           (code << TrieDictionary::kCodeShift) | ref;
}
} // namespace

TEST(TrieDictionary, ReadsEveryChildCode)
{
    // Words: a, ab, aa (root a: two children listed), b, ba, bab (root b: a counted list with
    // one child), and "ba" -> "bab" through a single child.
    const QByteArray lists("\x00\x00\x01\x00" // code 2 at 0: nodes 0 and 1
                           "\x01\x02\x00",
                           7); // code 7 at 4: one child, node 2
    const auto d = TrieDictionary::fromBytes(
        handMade({node('a', true, 0, 0), node('b', true, 0, 0), node('a', true, 1, 3), node('b', true, 0, 0)}, lists,
                 "ab", {node('a', true, 2, 0), node('b', true, 7, 4)}));
    ASSERT_TRUE(d);
    for (const char *w : {"a", "aa", "ab", "b", "ba", "bab"})
        EXPECT_TRUE(d->contains(w)) << w;
    for (const char *w : {"bb", "aab", "baa", "c", "abab"})
        EXPECT_FALSE(d->contains(w)) << w;
}

// Hostile files are refused whole, without reading outside them (run under ASan).
TEST(TrieDictionary, RefusesMalformedFiles)
{
    const QByteArray good = dictionaryOf({"one", "two", "three", "seven", "eleven", "twelve", "abcdefgh", "abd", "abe",
                                          "abf", "abg", "abh", "abi", "abj"});
    ASSERT_TRUE(TrieDictionary::fromBytes(good));
    // The last bytes are the roots of the last sub-dictionary: every truncation is refused.
    for (qsizetype length = 0; length < good.size(); ++length) {
        QString error;
        const auto d = TrieDictionary::fromBytes(good.left(length), &error);
        EXPECT_FALSE(d) << length;
        if (!d) {
            EXPECT_FALSE(error.isEmpty());
        }
    }

    const int subStart = TrieDictionary::kAlphabetOffset + static_cast<unsigned char>(good[279]);
    const quint32 nodeCount = qFromLittleEndian<quint32>(good.constData() + subStart);
    const quint32 listBytes = qFromLittleEndian<quint32>(good.constData() + subStart + 4);
    ASSERT_GT(listBytes, 0u);
    const auto withNode = [&](quint32 index, quint32 value) {
        QByteArray bad = good;
        qToLittleEndian<quint32>(value, bad.data() + subStart + 8 + 4 * index);
        return bad;
    };
    struct Case {
        const char *what;
        QByteArray bytes;
    };
    QByteArray hugeCount = good;
    qToLittleEndian<quint32>(0xFFFFFFFFu, hugeCount.data() + subStart);
    QByteArray hugeLists = good;
    qToLittleEndian<quint32>(0x7FFFFFFFu, hugeLists.data() + subStart + 4);
    QByteArray moreSubs = good;
    moreSubs[278] = char(2);
    QByteArray longAlphabet = good;
    longAlphabet[279] = char(255);
    QByteArray badList = good;
    badList[subStart + 8 + 4 * int(nodeCount)] = char(0xFF); // first child index now points far away
    badList[subStart + 8 + 4 * int(nodeCount) + 1] = char(0xFF);
    const Case cases[] = {
        {"single child beyond the nodes", withNode(0, (quint32('o') << 24) | (1u << 20) | nodeCount)},
        {"child list beyond the list area", withNode(0, (quint32('o') << 24) | (3u << 20) | listBytes)},
        {"node count past the end", hugeCount},
        {"list length past the end", hugeLists},
        {"a second sub-dictionary that is not there", moreSubs},
        {"alphabet past the end", longAlphabet.left(300)},
        {"child index out of range", badList},
    };
    for (const Case &c : cases)
        EXPECT_FALSE(TrieDictionary::fromBytes(c.bytes)) << c.what;
    const QByteArray twoBytes("\x00\x01", 2);
    const Case handMadeCases[] = {
        {"counted list running past the area",
         handMade({node('a', true, 7, 1)}, twoBytes, "a", {node('a', true, 0, 0)})},
        {"counted list starting past the area",
         handMade({node('a', true, 7, 2)}, twoBytes, "a", {node('a', true, 0, 0)})},
        {"six-child list past the area", handMade({node('a', true, 6, 0)}, twoBytes, "a", {node('a', true, 0, 0)})},
        {"root pointing outside", handMade({node('a', true, 0, 0)}, twoBytes, "a", {node('a', true, 1, 1)})},
        {"roots cut short", handMade({node('a', true, 0, 0)}, twoBytes, "ab", {node('a', true, 0, 0)})},
    };
    for (const Case &c : handMadeCases)
        EXPECT_FALSE(TrieDictionary::fromBytes(c.bytes)) << c.what;
    EXPECT_TRUE(TrieDictionary::fromBytes(handMade({node('a', true, 0, 0)}, twoBytes, "a", {node('a', true, 1, 0)})));

    // Random damage: whatever is accepted must answer lookups without crashing.
    QRandomGenerator random(42);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bad = good;
        for (int flips = 1 + int(random.bounded(4)); flips > 0; --flips)
            bad[int(random.bounded(int(bad.size())))] = char(random.bounded(256));
        if (const auto d = TrieDictionary::fromBytes(bad)) {
            for (const char *w : {"one", "two", "abcdefgh", "x", "abj"})
                d->contains(w);
        }
    }
}

TEST(TrieDictionary, EmptyAndWordlessFilesAreDictionariesWithoutWords)
{
    QByteArray header(TrieDictionary::kAlphabetOffset, '\0');
    const auto empty = TrieDictionary::fromBytes(header);
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->contains("a"));
    const auto none = TrieDictionary::fromBytes(writeTrieDictionary({}, QStringLiteral("None")));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->subDictionaryCount(), 0);
    EXPECT_FALSE(none->contains("a"));
}

TEST(TrieDictionary, TwoReplacementWalkFindsExactlyTheWordsTwoLettersAway)
{
    const auto dictionary =
        TrieDictionary::fromBytes(dictionaryOf({"cart", "cast", "bolt", "cant", "carp", "colt", "coat"}));
    ASSERT_TRUE(dictionary);
    std::array<bool, 256> allowed{};
    for (char c = 'a'; c <= 'z'; ++c)
        allowed[static_cast<unsigned char>(c)] = true;
    QStringList found;
    dictionary->forEachTwoReplacements("cult", allowed, [&](std::string_view w) {
        found << QString::fromLatin1(w.data(), qsizetype(w.size()));
        return true;
    });
    found.sort();
    // cult -> bolt (c,u), cart (u,l), cast (u,l), cant (u,l), coat (u,l); colt is one away.
    EXPECT_EQ(found, QStringList({"bolt", "cant", "cart", "cast", "coat"}));
}

TEST(TrieWriter, WordListsKeepLatin1WordsAndCutAtSeparators)
{
    struct Case {
        const char *name;
        QByteArray list;
        const char *separators;
        std::vector<std::string> words;
        int leftOut;
    };
    const Case cases[] = {
        {"UTF-8 letters become Latin-1 bytes",
         "Gr\xC3\xB6\xC3\x9F"
         "e\nna\xC3\xAF"
         "ve\r\ncaf\xC3\xA9\n",
         "",
         {"Gr\xF6\xDF"
          "e",
          "na\xEF"
          "ve",
          "caf\xE9"},
         0},
        {"a list that is not UTF-8 is Latin-1",
         "Gr\xF6\xDF"
         "e\n",
         "",
         {"Gr\xF6\xDF"
          "e"},
         0},
        {"words Latin-1 cannot spell are left out and counted",
         "\xC5\x93uvre\n\xC5\x81\xC3\xB3\x64\xC5\xBA\nok\n",
         "",
         {"ok"},
         2},
        {"blanks end words, blank lines give none", "  one \n\n\t two words\r\n", "", {"one", "two", "words"}, 0},
        {"entries are cut at separators",
         "etc.\nc.-\xC3\xA0-d.\naujourd'hui\npeut-\xC3\xAAtre\n",
         "'.-",
         {"etc", "c", "\xE0", "d", "aujourd", "hui", "peut", "\xEAtre"},
         0},
        {"without separators the entries stay whole", "etc.\naujourd'hui\n", "", {"etc.", "aujourd'hui"}, 0},
    };
    for (const Case &c : cases) {
        int leftOut = -1;
        EXPECT_EQ(wordsOfList(c.list, QString::fromLatin1(c.separators), &leftOut), c.words) << c.name;
        EXPECT_EQ(leftOut, c.leftOut) << c.name;
    }
}

// Each shipped dictionary besides the American one (tested above) is its Debian list: every
// word of the list (cut at its separators) is known, the separators are no word characters,
// and the language's own letters are.
TEST(TrieDictionary, ShippedDictionariesKnowTheirListsAndLetters)
{
    struct Case {
        const char *file;
        const char *list;
        const char *description;
        const char *separators;
        const char *letters;
        QStringList known;
        QStringList unknown;
    };
    const Case cases[] = {
        {"british.dct", "british-english", "British English", "", "'", {"colour", "organise"}, {"color", "colr"}},
        {"canadian.dct", "canadian-english", "Canadian English", "", "'", {"colour", "organize"}, {"colr"}},
        {"german.dct",
         "ngerman",
         "German",
         "",
         "äöüÄÖÜß",
         {"Größe", "Äpfel", "über", "Straße"},
         {"Grösse", "Gröse", "Apfel's"}},
        {"french.dct",
         "french",
         "French",
         "'.-",
         "éèàçêôîû",
         {"être", "etc", "aujourd", "hui", "peut", "français"},
         {"etc.", "peut-être", "aujourd'hui"}},
        {"spanish.dct", "spanish", "Spanish", "", "ñáéíóú", {"año", "canción", "niño"}, {"ano2", "nino"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const auto dictionary = TrieDictionary::open(QStringLiteral(TOVAREL_TEST_SPELL_FOLDER "/") + c.file);
        ASSERT_TRUE(dictionary);
        EXPECT_EQ(dictionary->description(), QString::fromLatin1(c.description));
        QFile list(QStringLiteral("/usr/share/dict/") + c.list);
        ASSERT_TRUE(list.open(QIODevice::ReadOnly));
        const std::vector<std::string> words = wordsOfList(list.readAll(), QString::fromLatin1(c.separators));
        ASSERT_GT(words.size(), 50000u);
        for (const std::string &w : words)
            ASSERT_TRUE(dictionary->contains(w)) << w;
        const QString alphabet = QString::fromLatin1(dictionary->alphabet());
        for (QChar separator : QString::fromLatin1(c.separators))
            EXPECT_FALSE(alphabet.contains(separator)) << separator.toLatin1();
        for (QChar letter : QString::fromUtf8(c.letters))
            EXPECT_TRUE(alphabet.contains(letter)) << int(letter.unicode());
        EXPECT_TRUE(alphabet.contains(QLatin1Char('7'))); // digits are word characters
        for (const QString &w : c.known)
            EXPECT_TRUE(dictionary->contains(latin1(w))) << qPrintable(w);
        for (const QString &w : c.unknown)
            EXPECT_FALSE(dictionary->contains(latin1(w))) << qPrintable(w);
    }
}
