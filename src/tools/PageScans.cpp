#include "tools/PageScans.h"

#include "platform/TextFile.h"

#include <QStringDecoder>

#include <cstring>

namespace PageScans {
namespace {
bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

bool endsWithPictureExtension(QByteArrayView piece)
{
    if (piece.size() < 4)
        return false;
    char tail[4];
    for (int i = 0; i < 4; ++i)
        tail[i] = lowerAscii(piece[piece.size() - 4 + i]);
    return std::memcmp(tail, ".gif", 4) == 0 || std::memcmp(tail, ".jpg", 4) == 0;
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
    QStringList found;
    forEachLine(bytes, [&found](QByteArrayView line, int) {
        // The quotes pair up in order: each pair's text is one value.
        qsizetype from = 0;
        while (true) {
            const qsizetype open = line.indexOf('"', from);
            if (open < 0)
                break;
            const qsizetype close = line.indexOf('"', open + 1);
            if (close < 0)
                break;
            const QByteArrayView value = line.sliced(open + 1, close - open - 1);
            if (isAscii(value)) {
                if (endsWithPictureExtension(value))
                    found << bareName(QString::fromLatin1(value).toLower());
            } else {
                const QString lower = decodePiece(value).toLower();
                if (lower.endsWith(QLatin1String(".gif")) || lower.endsWith(QLatin1String(".jpg")))
                    found << bareName(lower);
            }
            if (close >= line.size() - 1)
                break;
            from = close + 1;
        }
        return true;
    });
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
        ascii = ascii && c.unicode() < 0x80;
    m_ascii = ascii && !m_lower.isEmpty();
    if (m_ascii) {
        m_needle = m_lower.toLatin1();
        m_matcher.setPattern(m_needle);
    }
}

QList<int> TextSearch::matchingLines(QByteArrayView bytes) const
{
    if (m_lower.isEmpty())
        return {};
    // Lower-casing any character other than these two never gives an ASCII letter, so
    // without them an ASCII text can be looked for in the bytes lower-cased letter by letter.
    if (!m_ascii || bytes.indexOf("\xC4\xB0") >= 0 || bytes.indexOf("\xE2\x84\xAA") >= 0)
        return slowMatchingLines(bytes);
    QByteArray lower(bytes.size(), Qt::Uninitialized);
    char *out = lower.data();
    const char *in = bytes.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = lowerAscii(in[i]);
    QList<int> numbers;
    qsizetype match = m_matcher.indexIn(lower.constData(), lower.size(), 0);
    if (match < 0)
        return numbers;
    const char *base = lower.constData();
    forEachLine(lower, [&](QByteArrayView line, int number) {
        const qsizetype start = line.data() - base;
        const qsizetype end = start + line.size();
        if (match < end) { // the text holds no line break, so the match lies inside this line
            numbers << number;
            // Resume at the next line.
            match = m_matcher.indexIn(base, lower.size(), end);
            return match >= 0;
        }
        return true;
    });
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
