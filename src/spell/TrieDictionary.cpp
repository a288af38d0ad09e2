#include "spell/TrieDictionary.h"

#include "spell/SpellTypes.h"

#include "platform/RegularFile.h"

#include <QtEndian>

#include <algorithm>

namespace {
uint32_t u32At(const unsigned char *p)
{
    return qFromLittleEndian<quint32>(p);
}
uint16_t u16At(const unsigned char *p)
{
    return qFromLittleEndian<quint16>(p);
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}
} // namespace

std::unique_ptr<TrieDictionary> TrieDictionary::fromBytes(QByteArray bytes, QString *error)
{
    std::unique_ptr<TrieDictionary> dictionary(new TrieDictionary);
    dictionary->m_bytes = std::move(bytes);
    // Our pointers go into the buffer: keep it unshared so nothing reallocates it.
    dictionary->m_bytes.detach();
    if (!dictionary->parse(error))
        return nullptr;
    return dictionary;
}

std::unique_ptr<TrieDictionary> TrieDictionary::open(const QString &path, QString *error)
{
    QByteArray bytes;
    if (!readRegularFile(path, bytes, error))
        return nullptr;
    QString reason;
    std::unique_ptr<TrieDictionary> dictionary = fromBytes(std::move(bytes), &reason);
    if (!dictionary)
        fail(error, QStringLiteral("The dictionary file \"%1\" is corrupt: %2.").arg(path, reason));
    return dictionary;
}

QString TrieDictionary::readDescription(const QString &path)
{
    QByteArray text;
    if (!readRegularFile(path, text) || text.size() < kDescriptionOffset)
        return {};
    text = text.mid(kDescriptionOffset, kDescriptionLength);
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    return QString::fromLatin1(text).trimmed();
}

bool TrieDictionary::parse(QString *error)
{
    const auto *data = reinterpret_cast<const unsigned char *>(m_bytes.constData());
    const uint64_t size = uint64_t(m_bytes.size());
    if (size < uint64_t(kAlphabetOffset))
        return fail(error, QStringLiteral("file too short for a dictionary header"));

    QByteArray description(reinterpret_cast<const char *>(data + kDescriptionOffset), kDescriptionLength);
    const qsizetype nul = description.indexOf('\0');
    if (nul >= 0)
        description.truncate(nul);
    m_description = QString::fromLatin1(description).trimmed();

    const unsigned subCount = data[kSubCountOffset];
    const unsigned alphabetLength = data[kAlphabetLengthOffset];
    uint64_t at = uint64_t(kAlphabetOffset) + alphabetLength;
    if (at > size)
        return fail(error, QStringLiteral("alphabet runs past the end of the file"));
    m_alphabet = QByteArray(reinterpret_cast<const char *>(data + kAlphabetOffset), alphabetLength);

    std::array<bool, 256> used{};
    std::vector<std::vector<Root>> rootsByLetter(256);
    m_subs.reserve(subCount);
    for (unsigned s = 0; s < subCount; ++s) {
        if (size - at < 8)
            return fail(error, QStringLiteral("sub-dictionary %1: header cut short").arg(s));
        const uint64_t nodeCount = u32At(data + at);
        const uint64_t listBytes = u32At(data + at + 4);
        at += 8;
        if (nodeCount > (size - at) / 4)
            return fail(error, QStringLiteral("sub-dictionary %1: nodes run past the end").arg(s));
        Sub sub;
        sub.nodes.resize(size_t(nodeCount));
        for (uint64_t i = 0; i < nodeCount; ++i)
            sub.nodes[size_t(i)] = u32At(data + at + 4 * i);
        at += 4 * nodeCount;
        if (listBytes > size - at)
            return fail(error, QStringLiteral("sub-dictionary %1: child lists run past the end").arg(s));
        sub.lists = data + at;
        sub.listBytes = uint32_t(listBytes);
        at += listBytes;
        if (size - at < 1)
            return fail(error, QStringLiteral("sub-dictionary %1: root count missing").arg(s));
        const unsigned rootCount = data[at];
        at += 1;
        if (size - at < uint64_t(rootCount) * 5)
            return fail(error, QStringLiteral("sub-dictionary %1: roots run past the end").arg(s));
        const unsigned char *rootLetters = data + at;
        const unsigned char *rootNodes = data + at + rootCount;
        at += uint64_t(rootCount) * 5;

        // Every reference must land inside this sub-dictionary, so a walk never checks again.
        const auto valid = [&](uint32_t node) {
            const unsigned code = (node >> kCodeShift) & 7;
            const uint32_t ref = node & kReferenceMask;
            if (code == 0)
                return true;
            if (code == 1)
                return ref < nodeCount;
            uint64_t listAt = ref;
            uint64_t count = code;
            if (code == 7) {
                if (listAt >= listBytes)
                    return false;
                count = sub.lists[listAt];
                listAt += 1;
            }
            if (listAt + 2 * count > listBytes)
                return false;
            for (uint64_t i = 0; i < count; ++i) {
                if (u16At(sub.lists + listAt + 2 * i) >= nodeCount)
                    return false;
            }
            return true;
        };
        for (uint32_t node : sub.nodes) {
            if (!valid(node))
                return fail(error, QStringLiteral("sub-dictionary %1: a node points outside it").arg(s));
            used[node >> 24] = true;
        }
        std::array<bool, 256> seenRoot{};
        for (unsigned r = 0; r < rootCount; ++r) {
            const uint32_t node = u32At(rootNodes + 4 * r);
            if (!valid(node))
                return fail(error, QStringLiteral("sub-dictionary %1: a root points outside it").arg(s));
            const unsigned char letter = rootLetters[r];
            used[letter] = true;
            // The first root with a letter is the one a lookup finds.
            if (!seenRoot[letter]) {
                seenRoot[letter] = true;
                rootsByLetter[letter].push_back({node, uint16_t(s)});
            }
        }
        m_subs.push_back(std::move(sub));
    }

    m_roots.clear();
    for (int c = 0; c < 256; ++c) {
        m_rootStart[size_t(c)] = uint32_t(m_roots.size());
        m_roots.insert(m_roots.end(), rootsByLetter[size_t(c)].begin(), rootsByLetter[size_t(c)].end());
    }
    m_rootStart[256] = uint32_t(m_roots.size());
    m_lettersInUse.clear();
    for (unsigned char c : std::as_const(m_alphabet)) {
        if (used[c] && m_lettersInUse.find(char(c)) == std::string::npos)
            m_lettersInUse.push_back(char(c));
    }
    return true;
}

template <typename Visit> void TrieDictionary::forEachChild(const Sub &sub, uint32_t node, Visit &&visit) const
{
    const unsigned code = (node >> kCodeShift) & 7;
    const uint32_t ref = node & kReferenceMask;
    if (code == 0)
        return;
    if (code == 1) {
        visit(sub.nodes[ref]);
        return;
    }
    const unsigned char *list = sub.lists + ref;
    unsigned count = code;
    if (code == 7)
        count = *list++;
    for (unsigned i = 0; i < count; ++i) {
        if (!visit(sub.nodes[u16At(list + 2 * i)]))
            return;
    }
}

bool TrieDictionary::child(const Sub &sub, uint32_t node, unsigned char letter, uint32_t &out) const
{
    const unsigned code = (node >> kCodeShift) & 7;
    const uint32_t ref = node & kReferenceMask;
    if (code == 0)
        return false;
    if (code == 1) {
        const uint32_t next = sub.nodes[ref];
        if ((next >> 24) != letter)
            return false;
        out = next;
        return true;
    }
    const unsigned char *list = sub.lists + ref;
    unsigned count = code;
    if (code == 7)
        count = *list++;
    for (unsigned i = 0; i < count; ++i) {
        const uint32_t next = sub.nodes[u16At(list + 2 * i)];
        if ((next >> 24) == letter) {
            out = next;
            return true;
        }
    }
    return false;
}

bool TrieDictionary::contains(std::string_view word) const
{
    if (word.empty())
        return false;
    const auto first = static_cast<unsigned char>(word[0]);
    for (uint32_t r = m_rootStart[first]; r < m_rootStart[size_t(first) + 1]; ++r) {
        const Sub &sub = m_subs[m_roots[r].sub];
        uint32_t node = m_roots[r].node;
        size_t i = 1;
        for (; i < word.size(); ++i) {
            if (!child(sub, node, static_cast<unsigned char>(word[i]), node))
                break;
        }
        if (i == word.size() && (node & kEndOfWord))
            return true;
    }
    return false;
}

void TrieDictionary::forEachTwoReplacements(std::string_view word, const std::array<bool, 256> &allowed,
                                            const std::function<bool(std::string_view)> &found) const
{
    if (word.size() < 2)
        return;
    std::string built;
    built.reserve(word.size());
    for (const Root &root : m_roots) {
        const auto letter = static_cast<unsigned char>(root.node >> 24);
        const bool changed = letter != static_cast<unsigned char>(word[0]);
        if (changed && !allowed[letter])
            continue;
        built.assign(1, char(letter));
        if (!twoReplacementsFrom(m_subs[root.sub], root.node, word, 1, changed ? 1 : 0, built, allowed, found))
            return;
    }
}

bool TrieDictionary::twoReplacementsFrom(const Sub &sub, uint32_t node, std::string_view word, size_t depth,
                                         int changes, std::string &built, const std::array<bool, 256> &allowed,
                                         const std::function<bool(std::string_view)> &found) const
{
    if (depth == word.size())
        return changes != 2 || !(node & kEndOfWord) || found(built);
    bool keepGoing = true;
    forEachChild(sub, node, [&](uint32_t next) {
        const auto letter = static_cast<unsigned char>(next >> 24);
        const bool changed = letter != static_cast<unsigned char>(word[depth]);
        if (changed && (changes == 2 || !allowed[letter]))
            return true;
        built.push_back(char(letter));
        keepGoing = twoReplacementsFrom(sub, next, word, depth + 1, changes + (changed ? 1 : 0), built, allowed, found);
        built.pop_back();
        return keepGoing;
    });
    return keepGoing;
}

struct TrieDictionary::DistanceWalk {
    std::string_view word;
    int maxDistance;
    size_t width;          // word length + 1
    std::vector<int> rows; // one row per depth, depth 0 first
    std::string built;
    const std::function<bool(std::string_view, int)> &found;
};

void TrieDictionary::forEachWithinDistance(std::string_view word, int maxDistance,
                                           const std::function<bool(std::string_view, int)> &found) const
{
    if (word.empty() || word.size() > 64 || maxDistance < 1)
        return;
    const size_t width = word.size() + 1;
    const size_t maxDepth = word.size() + size_t(maxDistance);
    DistanceWalk walk{word, maxDistance, width, std::vector<int>(width * (maxDepth + 1)), std::string(), found};
    for (size_t j = 0; j < width; ++j)
        walk.rows[j] = int(j);
    walk.built.reserve(maxDepth);
    for (const Root &root : m_roots) {
        walk.built.assign(1, char(root.node >> 24));
        if (!distanceFrom(m_subs[root.sub], root.node, 1, walk))
            return;
    }
}

bool TrieDictionary::distanceFrom(const Sub &sub, uint32_t node, size_t depth, DistanceWalk &walk) const
{
    const std::string_view word = walk.word;
    const size_t n = word.size();
    int *row = walk.rows.data() + depth * walk.width;
    const int *above = row - walk.width;
    const int *twoAbove = depth >= 2 ? above - walk.width : nullptr;
    // Letters compare without regard to case, so "ghandi" reaches "Gandhi".
    const unsigned char letter = Latin1::lower[static_cast<unsigned char>(walk.built[depth - 1])];
    const auto lower = [](char c) { return Latin1::lower[static_cast<unsigned char>(c)]; };
    row[0] = int(depth);
    int best = row[0];
    for (size_t j = 1; j <= n; ++j) {
        int value = std::min({above[j] + 1, row[j - 1] + 1, above[j - 1] + (lower(word[j - 1]) == letter ? 0 : 1)});
        if (twoAbove && j >= 2 && letter == lower(word[j - 2]) && lower(walk.built[depth - 2]) == lower(word[j - 1]))
            value = std::min(value, twoAbove[j - 2] + 1);
        row[j] = value;
        best = std::min(best, value);
    }
    if ((node & kEndOfWord) && row[n] > 0 && row[n] <= walk.maxDistance && !walk.found(walk.built, row[n]))
        return false;
    if (best > walk.maxDistance || depth >= n + size_t(walk.maxDistance))
        return true;
    bool keepGoing = true;
    forEachChild(sub, node, [&](uint32_t next) {
        walk.built.push_back(char(next >> 24));
        keepGoing = distanceFrom(sub, next, depth + 1, walk);
        walk.built.pop_back();
        return keepGoing;
    });
    return keepGoing;
}
