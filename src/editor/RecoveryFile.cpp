#include "editor/RecoveryFile.h"

#include "platform/Clock.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QLocale>

namespace {
const QByteArray kMagic = "Tovarel Pro recovery 2\n";
const QByteArray kFirstMagic = "Tovarel Pro recovery 1\n";
const QByteArray kPageKey = "page=";
const QByteArray kChangedKey = "changed=";
const QByteArray kFormatKey = "format=";

const std::pair<TextEncoding, QByteArray> kEncodingNames[] = {{TextEncoding::Utf8, "utf-8"},
                                                              {TextEncoding::Latin1, "latin-1"}};
const std::pair<LineEnd, QByteArray> kLineEndNames[] = {
    {LineEnd::CrLf, "crlf"}, {LineEnd::Lf, "lf"}, {LineEnd::Cr, "cr"}};
const QByteArray kBomName = "bom";

// "utf-8 lf", "latin-1 crlf", "utf-8 cr bom".
QByteArray formatName(const TextFormat &format)
{
    QByteArray name;
    for (const auto &[encoding, text] : kEncodingNames)
        if (encoding == format.encoding)
            name = text;
    for (const auto &[end, text] : kLineEndNames)
        if (end == format.lineEnd)
            name += ' ' + text;
    return format.utf8Bom ? name + ' ' + kBomName : name;
}

std::optional<TextFormat> formatFromName(const QByteArray &name)
{
    const QList<QByteArray> words = name.split(' ');
    if (words.size() < 2 || words.size() > 3 || (words.size() == 3 && words[2] != kBomName))
        return std::nullopt;
    TextFormat format;
    format.utf8Bom = words.size() == 3;
    bool encodingKnown = false;
    bool lineEndKnown = false;
    for (const auto &[encoding, text] : kEncodingNames)
        if (words[0] == text) {
            format.encoding = encoding;
            encodingKnown = true;
        }
    for (const auto &[end, text] : kLineEndNames)
        if (words[1] == text) {
            format.lineEnd = end;
            lineEndKnown = true;
        }
    if (!encodingKnown || !lineEndKnown)
        return std::nullopt;
    return format;
}

// The breaks of `decoded` marked against `lineEnd` instead of the style of its first break.
LineEndMarks marksAgainst(const DecodedText &decoded, LineEnd lineEnd)
{
    if (decoded.format.lineEnd == lineEnd)
        return decoded.otherLineEnds;
    LineEndMarks marks;
    auto mark = decoded.otherLineEnds.cbegin();
    const int breaks = int(decoded.text.count(u'\n'));
    for (int line = 0; line < breaks; ++line) {
        LineEnd end = decoded.format.lineEnd;
        if (mark != decoded.otherLineEnds.cend() && mark->line == line)
            end = (mark++)->end;
        if (end != lineEnd)
            marks.append({line, end});
    }
    return marks;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}
} // namespace

QString RecoveryTexts::restoreQuestion(const RecoveredPage &page)
{
    return QStringLiteral("Tovarel Pro was not closed properly. Unsaved changes to\n%1\nwere kept from %2.\n\n"
                          "Restore them now? (No throws them away.)")
        .arg(page.pageName, QLocale::system().toString(page.changed, QLocale::ShortFormat));
}

namespace RecoveryFile {

QByteArray encode(const RecoveredPage &page)
{
    TextFormat written;
    const QByteArray text = encodeText(page.text, page.format, &written, page.otherLineEnds);
    QByteArray bytes = kMagic;
    bytes += kPageKey + page.pageName.toUtf8() + '\n';
    bytes += kChangedKey + page.changed.toUTC().toString(Qt::ISODateWithMs).toUtf8() + '\n';
    bytes += kFormatKey + formatName(written) + '\n';
    bytes += '\n';
    return bytes + text;
}

std::optional<RecoveredPage> decode(const QByteArray &bytes, QString *error)
{
    const bool first = bytes.startsWith(kFirstMagic);
    if (!first && !bytes.startsWith(kMagic)) {
        fail(error, QStringLiteral("not a recovery file"));
        return std::nullopt;
    }
    RecoveredPage page;
    bool named = false;
    std::optional<TextFormat> format;
    qsizetype at = (first ? kFirstMagic : kMagic).size();
    for (;;) {
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) {
            fail(error, QStringLiteral("the header has no end"));
            return std::nullopt;
        }
        const QByteArray line = bytes.mid(at, end - at);
        at = end + 1;
        if (line.isEmpty())
            break;
        if (line.startsWith(kPageKey)) {
            page.pageName = QString::fromUtf8(line.mid(kPageKey.size()));
            named = true;
        } else if (line.startsWith(kChangedKey)) {
            page.changed = QDateTime::fromString(QString::fromLatin1(line.mid(kChangedKey.size())), Qt::ISODateWithMs)
                               .toLocalTime();
        } else if (line.startsWith(kFormatKey)) {
            format = formatFromName(line.mid(kFormatKey.size()));
        }
    }
    if (!named || !page.changed.isValid()) {
        fail(error, QStringLiteral("the page's name or time is missing"));
        return std::nullopt;
    }
    if (!first && !format) {
        fail(error, QStringLiteral("the page's format is missing or unknown"));
        return std::nullopt;
    }
    DecodedText text = decodeText(bytes.mid(at));
    // A copy of the first format kept no format: its page saves as new pages do.
    if (first) {
        page.text = std::move(text.text);
        return page;
    }
    // The header's format, not the one guessed from the bytes: an ASCII-only Latin-1 page, or
    // one whose first line ends otherwise than the page's style, would be guessed otherwise.
    page.otherLineEnds = marksAgainst(text, format->lineEnd);
    page.text = std::move(text.text);
    page.format = *format;
    return page;
}

bool write(const QString &path, const RecoveredPage &page, QString *error)
{
    return writeFileAtomically(path, encode(page), error);
}

std::optional<RecoveredPage> read(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readFileBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return decode(*bytes, error);
}

} // namespace RecoveryFile

RecoveryKeeper::RecoveryKeeper(QString filePath, const Clock &clock)
    : m_filePath(std::move(filePath)), m_clock(clock), m_onDisk(QFile::exists(m_filePath))
{
}

void RecoveryKeeper::textChanged()
{
    m_pendingChange = m_clock.now();
}

bool RecoveryKeeper::due() const
{
    return m_pendingChange && m_pendingChange->secsTo(m_clock.now()) >= kQuietSeconds;
}

void RecoveryKeeper::keep(RecoveredPage page)
{
    page.changed = *m_pendingChange;
    // A copy that cannot be written is tried again at the next tick; typing goes on regardless.
    if (RecoveryFile::write(m_filePath, page)) {
        m_pendingChange.reset();
        m_onDisk = true;
    }
}

void RecoveryKeeper::discard()
{
    m_pendingChange.reset();
    QFile::remove(m_filePath);
    m_onDisk = false;
}
