#include "tools/PageScans.h"

#include "config/PictureFiles.h"
#include "platform/TextFile.h"

#include <QStringDecoder>

#include <cstring>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace PageScans {
namespace {
// An ASCII letter in its small form, any other byte as it is; without a branch, as the
// searches run it on every byte.
unsigned char lowerAscii(unsigned char c)
{
    return static_cast<unsigned char>(c + ((unsigned(c - 'A') < 26u) << 5));
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

QString bareName(const QString &value)
{
    const qsizetype cut = std::max(value.lastIndexOf(QLatin1Char('/')), value.lastIndexOf(QLatin1Char('\\')));
    return value.mid(cut + 1);
}
} // namespace

void forEachLine(QByteArrayView bytes, const std::function<bool(QByteArrayView, int)> &line)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    for (int number = 0; at < size; ++number) {
        const auto *lf = static_cast<const char *>(std::memchr(data + at, '\n', size_t(size - at)));
        const qsizetype end = lf ? lf - data : size;
        const auto *cr = static_cast<const char *>(std::memchr(data + at, '\r', size_t(end - at)));
        qsizetype lineEnd = end;
        qsizetype next = lf ? end + 1 : size;
        if (cr) {
            lineEnd = cr - data;
            next = (lineEnd + 1 == end && lf) ? end + 1 : lineEnd + 1; // CR LF, or a lone CR
        }
        if (!line(QByteArrayView(data + at, lineEnd - at), number))
            return;
        at = next;
    }
}

QString decodePiece(QByteArrayView piece)
{
    if (isAscii(piece))
        return QString::fromLatin1(piece);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(piece);
    if (utf8.hasError())
        return QString::fromLatin1(piece);
    return text;
}

QStringList pictures(QByteArrayView bytes)
{
    // The quotes of a line pair up in order, each pair's text one value; a quote left
    // without a partner at the end of its line pairs with nothing.
    QStringList found;
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    const auto nextQuote = [data, size](qsizetype from) -> qsizetype {
        const void *at = from < size ? std::memchr(data + from, '"', size_t(size - from)) : nullptr;
        return at ? static_cast<const char *>(at) - data : -1;
    };
    for (qsizetype open = nextQuote(0); open >= 0;) {
        const qsizetype close = nextQuote(open + 1);
        if (close < 0)
            break;
        const size_t span = size_t(close - open - 1);
        if (std::memchr(data + open + 1, '\n', span) || std::memchr(data + open + 1, '\r', span)) {
            open = close; // the first quote of a later line
            continue;
        }
        const QByteArrayView value(data + open + 1, qsizetype(span));
        // Only a value with a dot can name a picture; most values are decoded for nothing else.
        if (value.contains('.')) {
            const QString name = bareName(decodePiece(value));
            if (PictureFiles::isPicture(name))
                found << name;
        }
        open = nextQuote(close + 1);
    }
    return found;
}

QStringList linksOfLine(QByteArrayView original)
{
    QStringList found;
    if (original.indexOf('<') < 0)
        return found;
    QByteArray line = original.toByteArray();
    const qsizetype last = original.size() - 1;
    while (true) {
        const qsizetype open = line.indexOf('<');
        if (open < 0)
            break;
        const qsizetype close = line.indexOf('>');
        qsizetype href = line.indexOf("href");
        if (href < 0)
            href = line.indexOf("HREF");
        const bool hrefInTag = close >= 0 && href > open && href < close;
        if (hrefInTag) {
            const qsizetype quote1 = line.indexOf('"');
            if (quote1 > open && quote1 < close) {
                const qsizetype quote2 = line.indexOf('"', quote1 + 1);
                if (quote2 > open && quote2 < close)
                    found << decodePiece(QByteArrayView(line).sliced(quote1 + 1, quote2 - quote1 - 1));
            }
        }
        for (qsizetype i = 0; i < close; ++i)
            if (line[i] == '"')
                line[i] = ' ';
        line[open] = ' ';
        if (close >= 0)
            line[close] = ' ';
        // Only an HREF of this tag is used up; one further along the line belongs to its own tag.
        if (hrefInTag)
            line.remove(href, 4);
        if (close >= 0 && close >= last)
            break;
    }
    return found;
}

QStringList links(QByteArrayView bytes)
{
    QStringList found;
    forEachLine(bytes, [&found](QByteArrayView line, int) {
        found << linksOfLine(line);
        return true;
    });
    return found;
}

TextSearch::TextSearch(const QString &text) : m_lower(text.toLower())
{
    bool ascii = true;
    for (QChar c : std::as_const(m_lower))
        ascii = ascii && c.unicode() < 0x80 && c != QLatin1Char('\n') && c != QLatin1Char('\r');
    m_ascii = ascii && !m_lower.isEmpty();
    if (!m_ascii)
        return;
    m_needle = m_lower.toLatin1();
    const qsizetype size = m_needle.size();
    for (qsizetype &skip : m_skip)
        skip = size;
    for (qsizetype i = 0; i + 1 < size; ++i) {
        const auto c = static_cast<unsigned char>(m_needle[i]);
        m_skip[c] = size - 1 - i;
        if (c >= 'a' && c <= 'z')
            m_skip[c - 32] = size - 1 - i;
    }
}

qsizetype TextSearch::find(const unsigned char *bytes, qsizetype size, qsizetype from) const
{
    const auto *needle = reinterpret_cast<const unsigned char *>(m_needle.constData());
    const qsizetype last = m_needle.size() - 1;
    const auto matchesAt = [&](qsizetype at) {
        for (qsizetype i = 0; i < last; ++i)
            if (lowerAscii(bytes[at + i]) != needle[i])
                return false;
        return true;
    };
    qsizetype at = from;
#ifdef __SSE2__
    // Sixteen places at a time: those whose first and last letters fit (a letter OR 0x20 is
    // its small form) are checked in full.
    const __m128i caseBit = _mm_set1_epi8(0x20);
    const __m128i first = _mm_set1_epi8(char(needle[0] | 0x20));
    const __m128i lastByte = _mm_set1_epi8(char(needle[last] | 0x20));
    for (; at + last + 16 <= size; at += 16) {
        const __m128i head = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + at)), caseBit);
        const __m128i tail =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + at + last)), caseBit);
        unsigned mask =
            unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(head, first), _mm_cmpeq_epi8(tail, lastByte))));
        while (mask) {
            const int bit = __builtin_ctz(mask);
            if (lowerAscii(bytes[at + bit + last]) == needle[last] && matchesAt(at + bit))
                return at + bit;
            mask &= mask - 1;
        }
    }
#endif
    while (at + last < size) {
        const unsigned char tail = bytes[at + last];
        if (lowerAscii(tail) == needle[last] && matchesAt(at))
            return at;
        at += m_skip[tail];
    }
    return -1;
}

namespace {
// Line breaks in [from, to): each LF, each CR, less each CR LF pair.
int lineBreaks(const unsigned char *bytes, qsizetype from, qsizetype to, qsizetype size)
{
    qsizetype lf = 0, cr = 0, pairs = 0;
    for (qsizetype i = from; i < to; ++i) {
        lf += bytes[i] == '\n';
        cr += bytes[i] == '\r';
        pairs += bytes[i] == '\r' && i + 1 < size && bytes[i + 1] == '\n';
    }
    return int(lf + cr - pairs);
}

int countByte(const unsigned char *bytes, qsizetype from, qsizetype to, unsigned char c)
{
    int count = 0;
    for (const void *at; from < to && (at = std::memchr(bytes + from, c, size_t(to - from)));) {
        ++count;
        from = static_cast<const unsigned char *>(at) - bytes + 1;
    }
    return count;
}

bool holdsByte(QByteArrayView bytes, char c)
{
    return std::memchr(bytes.data(), c, size_t(bytes.size())) != nullptr;
}

// True when some CR is not followed by LF (a line end of its own).
bool hasLoneCr(const unsigned char *bytes, qsizetype size)
{
    for (qsizetype from = 0; from < size;) {
        const void *at = std::memchr(bytes + from, '\r', size_t(size - from));
        if (!at)
            return false;
        const qsizetype cr = static_cast<const unsigned char *>(at) - bytes;
        if (cr + 1 >= size || bytes[cr + 1] != '\n')
            return true;
        from = cr + 2;
    }
    return false;
}
} // namespace

QList<int> TextSearch::matchingLines(QByteArrayView bytes) const
{
    if (m_lower.isEmpty())
        return {};
    // Lower-casing any character other than these two never gives an ASCII letter, so
    // without them an ASCII text can be looked for letter by letter in the bytes.
    const bool special = (holdsByte(bytes, '\xC4') && bytes.indexOf("\xC4\xB0") >= 0) ||
                         (holdsByte(bytes, '\xE2') && bytes.indexOf("\xE2\x84\xAA") >= 0);
    if (!m_ascii || special)
        return slowMatchingLines(bytes);
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    QList<int> numbers;
    qsizetype at = find(data, size, 0);
    if (at < 0)
        return numbers;
    // Lines end at LF (alone or after CR) unless a CR stands alone somewhere.
    const bool loneCr = hasLoneCr(data, size);
    int line = 0;
    qsizetype counted = 0; // the line breaks before here are in `line`
    for (; at >= 0; at = find(data, size, counted)) {
        line += loneCr ? lineBreaks(data, counted, at, size) : countByte(data, counted, at, '\n');
        numbers << line;
        // On with the next line: this one is in the list already.
        qsizetype end = at;
        if (loneCr) {
            while (end < size && data[end] != '\n' && data[end] != '\r')
                ++end;
        } else {
            const void *lf = std::memchr(data + at, '\n', size_t(size - at));
            end = lf ? static_cast<const unsigned char *>(lf) - data : size;
        }
        counted = end;
    }
    return numbers;
}

QList<int> TextSearch::slowMatchingLines(QByteArrayView bytes) const
{
    QList<int> numbers;
    const QStringList lines = decodeText(bytes.toByteArray()).text.split(QLatin1Char('\n'));
    const qsizetype count = lines.size() - (lines.last().isEmpty() ? 1 : 0);
    for (qsizetype i = 0; i < count; ++i)
        if (lines[i].toLower().contains(m_lower))
            numbers << int(i);
    return numbers;
}
} // namespace PageScans

namespace PageScans {
namespace {
struct ReferenceAttribute {
    std::string_view tag; // lower case
    std::string_view attribute;
};
constexpr ReferenceAttribute kReferenceAttributes[] = {
    {"a", "href"},           {"area", "href"},     {"link", "href"},     {"img", "src"},
    {"script", "src"},       {"frame", "src"},     {"iframe", "src"},    {"body", "background"},
    {"table", "background"}, {"tr", "background"}, {"td", "background"}, {"th", "background"},
};
constexpr size_t kLongestTag = 6;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool equalsLowerAscii(QByteArrayView text, std::string_view lower)
{
    if (size_t(text.size()) != lower.size())
        return false;
    for (size_t i = 0; i < lower.size(); ++i)
        if (lowerAscii(static_cast<unsigned char>(text[qsizetype(i)])) != lower[i])
            return false;
    return true;
}

// The first place from `from` on where `lower` starts, letters compared without case; `size` when none.
qsizetype findLowerAscii(QByteArrayView bytes, qsizetype from, std::string_view lower)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    const qsizetype length = qsizetype(lower.size());
    for (qsizetype at = from; at + length <= size;) {
        const void *lt = std::memchr(data + at, lower[0], size_t(size - at));
        if (!lt)
            break;
        at = static_cast<const char *>(lt) - data;
        if (at + length <= size && equalsLowerAscii(bytes.sliced(at, length), lower))
            return at;
        ++at;
    }
    return size;
}

// The line of a place, counted on from the last place asked for (places only grow).
class LineCounter final {
public:
    explicit LineCounter(QByteArrayView bytes)
        : m_data(reinterpret_cast<const unsigned char *>(bytes.data())), m_size(bytes.size()),
          m_loneCr(hasLoneCr(m_data, m_size))
    {
    }

    int lineAt(qsizetype place)
    {
        m_line += m_loneCr ? lineBreaks(m_data, m_counted, place, m_size) : countByte(m_data, m_counted, place, '\n');
        m_counted = place;
        return m_line;
    }

private:
    const unsigned char *m_data;
    qsizetype m_size;
    bool m_loneCr;
    qsizetype m_counted = 0;
    int m_line = 0;
};
} // namespace

void forEachReference(QByteArrayView bytes, const std::function<void(QByteArrayView value, int line)> &found)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    LineCounter lines(bytes);
    for (qsizetype at = 0; at < size;) {
        const void *lt = std::memchr(data + at, '<', size_t(size - at));
        if (!lt)
            return;
        const qsizetype open = static_cast<const char *>(lt) - data;
        if (bytes.sliced(open).startsWith("<!--")) {
            const qsizetype end = bytes.indexOf("-->", open + 4);
            at = end < 0 ? size : end + 3;
            continue;
        }
        qsizetype nameEnd = open + 1;
        if (nameEnd >= size || !isAsciiLetter(data[nameEnd])) {
            at = open + 1;
            continue;
        }
        while (nameEnd < size && (isAsciiLetter(data[nameEnd]) || isAsciiDigit(data[nameEnd])))
            ++nameEnd;
        const QByteArrayView name = bytes.sliced(open + 1, nameEnd - open - 1);
        at = nameEnd;
        if (size_t(name.size()) > kLongestTag)
            continue;
        std::string_view wanted;
        for (const ReferenceAttribute &entry : kReferenceAttributes)
            if (equalsLowerAscii(name, entry.tag))
                wanted = entry.attribute;
        const bool script = equalsLowerAscii(name, "script");
        const bool style = equalsLowerAscii(name, "style");
        if (wanted.empty() && !script && !style)
            continue;
        // The attributes, up to the ">" that is not inside a quoted value.
        while (at < size) {
            while (at < size && isSpace(data[at]))
                ++at;
            if (at >= size || data[at] == '<')
                break; // a tag left open: the next one starts here
            if (data[at] == '>') {
                ++at;
                break;
            }
            const qsizetype attributeStart = at;
            while (at < size && !isSpace(data[at]) && data[at] != '=' && data[at] != '>' && data[at] != '<')
                ++at;
            const QByteArrayView attribute = bytes.sliced(attributeStart, at - attributeStart);
            while (at < size && isSpace(data[at]))
                ++at;
            if (at >= size || data[at] != '=')
                continue;
            ++at;
            while (at < size && isSpace(data[at]))
                ++at;
            qsizetype valueStart = at;
            qsizetype valueEnd = at;
            if (at < size && (data[at] == '"' || data[at] == '\'')) {
                valueStart = at + 1;
                const void *close = std::memchr(data + valueStart, data[at], size_t(size - valueStart));
                valueEnd = close ? static_cast<const char *>(close) - data : size;
                at = close ? valueEnd + 1 : size;
            } else {
                while (valueEnd < size && !isSpace(data[valueEnd]) && data[valueEnd] != '>')
                    ++valueEnd;
                at = valueEnd;
            }
            if (!wanted.empty() && equalsLowerAscii(attribute, wanted))
                found(bytes.sliced(valueStart, valueEnd - valueStart), lines.lineAt(valueStart));
        }
        // What a script or style element holds is not HTML: a "<a href" in it is text.
        if (script)
            at = findLowerAscii(bytes, at, "</script");
        else if (style)
            at = findLowerAscii(bytes, at, "</style");
    }
}
} // namespace PageScans
