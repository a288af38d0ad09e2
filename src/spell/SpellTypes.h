#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>

// Spell options; the enumerator is the bit number stored in a set (bit = 1 << value).
enum TSpellOption {
    soUpcase = 0,
    soNumbers,
    soHTML,
    soInternet,
    soQuoted,
    soAutoSuggest,
    soPrimaryOnly,
    soRecheck,
    soRepeated,
    soDualCaps,
    soUser1,
    soUser2,
    soUser3,
    soUser4,
    // Ours: the suggestion list likeliest first instead of alphabetical.
    soBestGuessesFirst,
};
constexpr int kSpellOptionCount = soBestGuessesFirst + 1;

class TSpellOptions {
public:
    constexpr TSpellOptions() = default;
    constexpr TSpellOptions(std::initializer_list<TSpellOption> options)
    {
        for (TSpellOption o : options)
            m_bits |= bit(o);
    }
    static constexpr TSpellOptions fromBits(quint32 bits)
    {
        TSpellOptions s;
        s.m_bits = bits & ((1u << kSpellOptionCount) - 1);
        return s;
    }
    constexpr quint32 bits() const { return m_bits; }
    constexpr bool has(TSpellOption o) const { return m_bits & bit(o); }
    constexpr void set(TSpellOption o, bool on) { m_bits = on ? m_bits | bit(o) : m_bits & ~bit(o); }
    constexpr bool operator==(const TSpellOptions &) const = default;

private:
    static constexpr quint32 bit(TSpellOption o) { return 1u << unsigned(o); }
    quint32 m_bits = 0;
};

enum TInitialPos { ipScreenCenter, ipUnderSelection, ipAvoidControl, ipUserDefined, ipIgnore };
enum TSelBehavior { sbNone, sbAvoid, sbAvoidUpDown, sbMove, sbMoveUpDown };
enum TEndMessage { emNever, emAlways, emExceptCancel, emNoDialog };
enum class TParserKind { Buffer = 0, String = 1, RichEdit = 2, Edit = 3, Memo = 4 };

// The dictionaries hold Latin-1 letters; documents' characters U+0000..U+00FF map one to one.
namespace Latin1 {
constexpr std::array<unsigned char, 256> makeLower()
{
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) ? c + 0x20
                                                                                                            : c);
    return t;
}
constexpr std::array<unsigned char, 256> makeUpper()
{
    // ß and ÿ have no Latin-1 capital; they stay as they are.
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) ? c - 0x20
                                                                                                            : c);
    return t;
}
inline constexpr std::array<unsigned char, 256> lower = makeLower();
inline constexpr std::array<unsigned char, 256> upper = makeUpper();
inline bool isUpper(unsigned char c)
{
    return lower[c] != c;
}
inline bool isLower(unsigned char c)
{
    return upper[c] != c;
}
} // namespace Latin1
