#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

// A main dictionary: the read-only binary word trie (`TDictionary`). The whole file is
// checked when it is opened, so a lookup can walk it without bounds tests and a hostile
// file is refused before any word is looked up.
//
// Layout (little-endian): description at 88 (25 bytes), sub-dictionary count at 278,
// alphabet length A at 279, the alphabet at 280, then the sub-dictionaries, each: node
// count N, child-list byte length M, N nodes, M bytes of child lists, root count K, K root
// letters, K root nodes. A node: letter in bits 24-31, end of word in bit 23, child code in
// bits 20-22, reference in bits 0-19.
class TrieDictionary final {
public:
    static constexpr int kDescriptionOffset = 88;
    static constexpr int kDescriptionLength = 25;
    static constexpr int kSubCountOffset = 278;
    static constexpr int kAlphabetLengthOffset = 279;
    static constexpr int kAlphabetOffset = 280;

    static constexpr uint32_t kEndOfWord = 1u << 23;
    static constexpr int kCodeShift = 20;
    static constexpr uint32_t kReferenceMask = (1u << 20) - 1;

    // nullptr (and a reason in `error`) when the bytes are not a well-formed dictionary.
    static std::unique_ptr<TrieDictionary> fromBytes(QByteArray bytes, QString *error = nullptr);
    static std::unique_ptr<TrieDictionary> open(const QString &path, QString *error = nullptr);
    // The description stored in a dictionary file's header; empty when it cannot be read.
    static QString readDescription(const QString &path);

    const QString &description() const { return m_description; }
    // The characters its words use, as Latin-1 bytes, in file order.
    const QByteArray &alphabet() const { return m_alphabet; }
    int subDictionaryCount() const { return int(m_subs.size()); }

    // Case-sensitive, byte by byte.
    bool contains(std::string_view word) const;

    int suggestionLimit() const { return m_suggestionLimit; }
    void setSuggestionLimit(int limit) { m_suggestionLimit = limit; }

    // The letters that occur in some node: an alphabet letter that occurs nowhere can never
    // make a known candidate, so suggestions need not try it.
    const std::string &lettersInUse() const { return m_lettersInUse; }

    // Every word of the same length that differs from `word` in exactly two positions,
    // where the new letters are `allowed`; a trie walk instead of trying every pair of
    // replacements. `found` returns false to stop.
    void forEachTwoReplacements(std::string_view word, const std::array<bool, 256> &allowed,
                                const std::function<bool(std::string_view)> &found) const;

    // Every word within `maxDistance` edits (insert, delete, replace, swap of neighbours) of
    // `word`, letters compared without regard to case, other than the word itself, with its
    // distance; a walk with one row of edit
    // distances per trie level, abandoning a branch once every entry of its row is too far.
    // `found` returns false to stop. Words longer than 64 letters are not searched.
    void forEachWithinDistance(std::string_view word, int maxDistance,
                               const std::function<bool(std::string_view, int)> &found) const;

private:
    struct Sub {
        std::vector<uint32_t> nodes;
        const unsigned char *lists = nullptr; // into m_bytes
        uint32_t listBytes = 0;
    };
    struct Root {
        uint32_t node;
        uint16_t sub;
    };

    TrieDictionary() = default;
    bool parse(QString *error);
    bool child(const Sub &sub, uint32_t node, unsigned char letter, uint32_t &out) const;
    template <typename Visit> void forEachChild(const Sub &sub, uint32_t node, Visit &&visit) const;
    bool twoReplacementsFrom(const Sub &sub, uint32_t node, std::string_view word, size_t depth, int changes,
                             std::string &built, const std::array<bool, 256> &allowed,
                             const std::function<bool(std::string_view)> &found) const;

    struct DistanceWalk;
    bool distanceFrom(const Sub &sub, uint32_t node, size_t depth, DistanceWalk &walk) const;

    QByteArray m_bytes;
    QString m_description;
    QByteArray m_alphabet;
    std::vector<Sub> m_subs;
    // Roots grouped by first letter: m_roots[m_rootStart[c] .. m_rootStart[c + 1]).
    std::vector<Root> m_roots;
    std::array<uint32_t, 257> m_rootStart{};
    std::string m_lettersInUse;
    int m_suggestionLimit = 50;
};
