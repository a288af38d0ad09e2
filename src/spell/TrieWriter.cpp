#include "spell/TrieWriter.h"

#include "spell/Suggestions.h"
#include "spell/TrieDictionary.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <unordered_map>

namespace {

// The word graph, built incrementally from sorted words; equal states are merged as soon as
// no later word can reach them any more.
class WordGraph {
public:
    struct Edge {
        unsigned char letter;
        int target;
    };
    struct State {
        bool final = false;
        std::vector<Edge> edges; // in letter order, since words arrive sorted
    };

    WordGraph() { m_states.emplace_back(); }

    void add(const std::string &word)
    {
        size_t common = 0;
        int state = 0;
        while (common < word.size() && !m_states[size_t(state)].edges.empty() &&
               m_states[size_t(state)].edges.back().letter == static_cast<unsigned char>(word[common])) {
            state = m_states[size_t(state)].edges.back().target;
            ++common;
        }
        if (!m_states[size_t(state)].edges.empty())
            replaceOrRegister(state);
        for (size_t i = common; i < word.size(); ++i) {
            m_states.emplace_back();
            const int next = int(m_states.size()) - 1;
            m_states[size_t(state)].edges.push_back({static_cast<unsigned char>(word[i]), next});
            state = next;
        }
        m_states[size_t(state)].final = true;
    }

    void finish()
    {
        if (!m_states[0].edges.empty())
            replaceOrRegister(0);
    }

    const State &state(int index) const { return m_states[size_t(index)]; }

private:
    std::string signature(const State &s) const
    {
        std::string key(1, s.final ? '1' : '0');
        for (const Edge &e : s.edges) {
            key.push_back(char(e.letter));
            key.append(reinterpret_cast<const char *>(&e.target), sizeof e.target);
        }
        return key;
    }

    void replaceOrRegister(int stateIndex)
    {
        const int childIndex = m_states[size_t(stateIndex)].edges.back().target;
        if (!m_states[size_t(childIndex)].edges.empty())
            replaceOrRegister(childIndex);
        const std::string key = signature(m_states[size_t(childIndex)]);
        const auto found = m_register.find(key);
        if (found != m_register.end()) {
            m_states[size_t(stateIndex)].edges.back().target = found->second;
            m_states[size_t(childIndex)] = State{}; // unreachable from now on
        } else {
            m_register.emplace(key, childIndex);
        }
    }

    std::vector<State> m_states;
    std::unordered_map<std::string, int> m_register;
};

void putU32(QByteArray &out, uint32_t value)
{
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

// One sub-dictionary's bytes, or empty when it exceeds the limits.
QByteArray encodeSub(const std::vector<std::string> &words, size_t from, size_t to, const TrieWriteLimits &limits,
                     int *nodeCount)
{
    WordGraph graph;
    for (size_t i = from; i < to; ++i)
        graph.add(words[i]);
    graph.finish();

    // A file node is one (letter, state) pair; its children are the state's edges, so every
    // node that leads to the same state shares that state's child list.
    std::unordered_map<uint64_t, int> nodeIndex;
    std::vector<std::pair<unsigned char, int>> nodes;
    std::vector<int> order; // states in the order their child lists are laid out
    std::unordered_map<int, bool> stateSeen;
    const auto keyOf = [](unsigned char letter, int state) { return (uint64_t(uint32_t(state)) << 8) | letter; };

    // Breadth-first from the root's targets, numbering nodes as they are met.
    std::vector<int> queue;
    for (const WordGraph::Edge &e : graph.state(0).edges) {
        if (!stateSeen[e.target]) {
            stateSeen[e.target] = true;
            queue.push_back(e.target);
        }
    }
    for (size_t q = 0; q < queue.size(); ++q) {
        const int s = queue[q];
        order.push_back(s);
        for (const WordGraph::Edge &e : graph.state(s).edges) {
            const uint64_t key = keyOf(e.letter, e.target);
            if (!nodeIndex.count(key)) {
                nodeIndex.emplace(key, int(nodes.size()));
                nodes.emplace_back(e.letter, e.target);
                if (int(nodes.size()) > limits.maxNodes)
                    return {};
            }
            if (!stateSeen[e.target]) {
                stateSeen[e.target] = true;
                queue.push_back(e.target);
            }
        }
    }

    // Child lists of states with two or more children, and each state's code and reference.
    QByteArray lists;
    std::unordered_map<int, uint32_t> codeAndRef;
    for (const int s : order) {
        const auto &edges = graph.state(s).edges;
        uint32_t code = 0;
        uint32_t ref = 0;
        if (edges.size() == 1) {
            code = 1;
            ref = uint32_t(nodeIndex.at(keyOf(edges[0].letter, edges[0].target)));
        } else if (edges.size() >= 2) {
            if (lists.size() > limits.maxReference)
                return {};
            ref = uint32_t(lists.size());
            if (edges.size() <= 6) {
                code = uint32_t(edges.size());
            } else {
                code = 7;
                lists.append(char(edges.size())); // at most 255 letters
            }
            for (const WordGraph::Edge &e : edges) {
                char bytes[2];
                qToLittleEndian<quint16>(quint16(nodeIndex.at(keyOf(e.letter, e.target))), bytes);
                lists.append(bytes, 2);
            }
        }
        if (ref > uint32_t(limits.maxReference))
            return {};
        codeAndRef.emplace(s, (code << TrieDictionary::kCodeShift) | ref);
    }
    const auto nodeValue = [&](unsigned char letter, int state) {
        return (uint32_t(letter) << 24) | (graph.state(state).final ? TrieDictionary::kEndOfWord : 0) |
               codeAndRef.at(state);
    };

    QByteArray out;
    putU32(out, uint32_t(nodes.size()));
    putU32(out, uint32_t(lists.size()));
    for (const auto &[letter, state] : nodes)
        putU32(out, nodeValue(letter, state));
    out += lists;
    const auto &roots = graph.state(0).edges;
    out.append(char(roots.size()));
    for (const WordGraph::Edge &e : roots)
        out.append(char(e.letter));
    for (const WordGraph::Edge &e : roots)
        putU32(out, nodeValue(e.letter, e.target));
    *nodeCount = int(nodes.size());
    return out;
}

// Splits [from, to) until each part fits, preferring cuts between first letters.
bool encodeRange(const std::vector<std::string> &words, size_t from, size_t to, const TrieWriteLimits &limits,
                 std::vector<QByteArray> &subs, int &nodes)
{
    int count = 0;
    QByteArray sub = encodeSub(words, from, to, limits, &count);
    if (!sub.isEmpty()) {
        subs.push_back(std::move(sub));
        nodes += count;
        return true;
    }
    if (to - from < 2)
        return false; // one word too long for the limits
    const size_t middle = from + (to - from) / 2;
    const unsigned char letter = static_cast<unsigned char>(words[middle][0]);
    size_t cut = middle;
    // Nearest first-letter boundary on either side of the middle.
    size_t down = middle;
    while (down > from && static_cast<unsigned char>(words[down - 1][0]) == letter)
        --down;
    size_t up = middle;
    while (up < to && static_cast<unsigned char>(words[up][0]) == letter)
        ++up;
    if (down > from && (up >= to || middle - down <= up - middle))
        cut = down;
    else if (up < to)
        cut = up;
    return encodeRange(words, from, cut, limits, subs, nodes) && encodeRange(words, cut, to, limits, subs, nodes);
}

} // namespace

QByteArray writeTrieDictionary(std::vector<std::string> words, const QString &description,
                               const std::string &extraAlphabet, TrieWriteStats *stats, QString *error,
                               const TrieWriteLimits &limits)
{
    std::erase_if(words, [](const std::string &w) { return w.empty() || w.find('\0') != std::string::npos; });
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());

    std::array<bool, 256> used{};
    for (const std::string &w : words) {
        for (char c : w)
            used[static_cast<unsigned char>(c)] = true;
    }
    QByteArray alphabet;
    for (int c = 1; c < 256; ++c) {
        if (used[size_t(c)])
            alphabet.append(char(c));
    }
    for (char c : extraAlphabet) {
        if (c != '\0' && !alphabet.contains(c))
            alphabet.append(c);
    }
    if (alphabet.size() > 255) {
        if (error)
            *error = QStringLiteral("the alphabet has more than 255 characters");
        return {};
    }

    std::vector<QByteArray> subs;
    int nodes = 0;
    if (!words.empty() && !encodeRange(words, 0, words.size(), limits, subs, nodes)) {
        if (error)
            *error = QStringLiteral("a word does not fit into one sub-dictionary");
        return {};
    }
    if (subs.size() > 255) {
        if (error)
            *error = QStringLiteral("more than 255 sub-dictionaries would be needed");
        return {};
    }

    QByteArray out(TrieDictionary::kAlphabetOffset, '\0');
    // The header bytes before the description are ours to use: a signature and the counts.
    const QByteArray signature = "Tovarel Pro word trie\r\n\x1a";
    out.replace(0, signature.size(), signature);
    qToLittleEndian<quint32>(quint32(words.size()), out.data() + 32);
    qToLittleEndian<quint32>(quint32(nodes), out.data() + 36);
    const QByteArray text = description.toLatin1().left(TrieDictionary::kDescriptionLength);
    out.replace(TrieDictionary::kDescriptionOffset, text.size(), text);
    out[TrieDictionary::kSubCountOffset] = char(subs.size());
    out[TrieDictionary::kAlphabetLengthOffset] = char(alphabet.size());
    out += alphabet;
    for (const QByteArray &sub : subs)
        out += sub;
    if (stats) {
        stats->words = int(words.size());
        stats->subDictionaries = int(subs.size());
        stats->nodes = nodes;
    }
    return out;
}

std::vector<std::string> wordsOfList(const QByteArray &list, QStringView separators, int *leftOut)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(list);
    if (utf8.hasError())
        text = QString::fromLatin1(list);
    int skipped = 0;
    std::vector<std::string> words;
    std::string latin1;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        qsizetype start = 0;
        // Each piece between separators (and the line's ends); blanks end a piece too.
        for (qsizetype i = 0; i <= line.size(); ++i) {
            if (i < line.size() && !line[i].isSpace() && !separators.contains(line[i]))
                continue;
            const QStringView piece = line.mid(start, i - start);
            start = i + 1;
            if (piece.isEmpty())
                continue;
            if (toLatin1(piece, latin1))
                words.push_back(latin1);
            else
                ++skipped;
        }
    }
    if (leftOut)
        *leftOut = skipped;
    return words;
}
