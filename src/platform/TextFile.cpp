#include "platform/TextFile.h"

#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype kUtf8BomSize = 3;

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The style of the first line break in the raw bytes. CR and LF are ASCII in both
// encodings we read, so the bytes answer this without decoding.
LineEnd firstLineEnd(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] == '\n')
            return LineEnd::Lf;
        if (data[i] == '\r')
            return (i + 1 < size && data[i + 1] == '\n') ? LineEnd::CrLf : LineEnd::Cr;
    }
    return LineEnd::CrLf;
}

// Turns CR LF and lone CR into '\n' in place: one pass, no allocation.
void normaliseLineBreaks(QString &text)
{
    const qsizetype size = text.size();
    const char16_t *begin = reinterpret_cast<const char16_t *>(text.constData());
    const void *firstCr = nullptr;
    for (qsizetype i = 0; i < size; ++i) {
        if (begin[i] == u'\r') {
            firstCr = begin + i;
            break;
        }
    }
    if (!firstCr)
        return; // LF-only files, the common case on this side, need no rewrite

    char16_t *data = reinterpret_cast<char16_t *>(text.data());
    qsizetype out = static_cast<const char16_t *>(firstCr) - begin;
    for (qsizetype in = out; in < size; ++in) {
        const char16_t c = data[in];
        if (c == u'\r') {
            data[out++] = u'\n';
            if (in + 1 < size && data[in + 1] == u'\n')
                ++in;
        } else {
            data[out++] = c;
        }
    }
    text.truncate(out);
}

// Stateless, so a sequence cut off at the end counts as an error instead of waiting
// for more input; a BOM is left in, the caller takes it off.
QStringDecoder strictUtf8()
{
    return QStringDecoder(QStringConverter::Utf8,
                          QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
}

bool hasHighByte(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The text when the bytes are valid UTF-8, else nullopt. Decodes in slices cut before a
// lead byte, so a stateless decoder sees whole sequences and a Latin-1 file is given up
// on at its first bad byte instead of after decoding all of it.
std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    constexpr qsizetype kSlice = 256 * 1024;
    if (bytes.isEmpty())
        return QString();
    QString text(bytes.size(), Qt::Uninitialized); // UTF-16 never needs more units than UTF-8 bytes
    QChar *out = text.data();
    QStringDecoder utf8 = strictUtf8();
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype end = std::min(pos + kSlice, bytes.size());
        if (end < bytes.size()) {
            qsizetype cut = end;
            for (int i = 0; i < 3 && cut > pos && isContinuation(bytes[cut]); ++i)
                --cut;
            if (cut > pos && !isContinuation(bytes[cut]))
                end = cut; // else four continuation bytes in a row: invalid wherever we cut
        }
        out = utf8.appendToBuffer(out, bytes.sliced(pos, end - pos));
        if (utf8.hasError())
            return std::nullopt;
        pos = end;
    }
    text.truncate(out - text.constData());
    return text;
}

// Latin-1 bytes that happen to be valid UTF-8 would be read back as UTF-8, as other
// characters; this happens when an edit removes the only bytes that were not UTF-8.
bool wouldReadAsUtf8(const QByteArray &latin1)
{
    if (!hasHighByte(latin1))
        return false; // plain ASCII reads the same either way
    return decodeUtf8(latin1).has_value();
}

} // namespace

DecodedText decodeText(const QByteArray &bytes)
{
    DecodedText result;
    result.format.lineEnd = firstLineEnd(bytes.constData(), bytes.size());

    const bool bom = bytes.size() >= kUtf8BomSize && std::memcmp(bytes.constData(), kUtf8Bom, kUtf8BomSize) == 0;
    const QByteArrayView body = bom ? QByteArrayView(bytes).sliced(kUtf8BomSize) : QByteArrayView(bytes);

    std::optional<QString> text = decodeUtf8(body);
    if (text) {
        result.format.encoding = TextEncoding::Utf8;
        result.format.utf8Bom = bom;
    } else {
        text = QString::fromLatin1(bytes); // the BOM bytes, if any, are then ordinary text
        result.format.encoding = TextEncoding::Latin1;
    }
    normaliseLineBreaks(*text);
    result.text = std::move(*text);
    return result;
}

QByteArray encodeText(const QString &text, const TextFormat &format, TextFormat *used)
{
    TextFormat actual = format;
    QByteArray encoded;
    if (actual.encoding == TextEncoding::Latin1) {
        actual.utf8Bom = false; // a BOM would make it UTF-8
        const bool fits = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
        if (fits)
            encoded = text.toLatin1();
        if (!fits || wouldReadAsUtf8(encoded))
            actual.encoding = TextEncoding::Utf8;
    }
    if (actual.encoding == TextEncoding::Utf8) {
        encoded = text.toUtf8();
        // A text that itself begins with U+FEFF would lose it to the reader's BOM rule.
        if (text.startsWith(QChar(0xFEFF)))
            actual.utf8Bom = true;
    }
    if (used)
        *used = actual;
    const qsizetype prefix = actual.utf8Bom ? kUtf8BomSize : 0;

    // '\n' is one ASCII byte in both encodings and never part of a UTF-8 sequence, so
    // the line ends are put in on the bytes, with one allocation.
    if (actual.lineEnd == LineEnd::Lf && prefix == 0)
        return encoded;
    if (actual.lineEnd != LineEnd::CrLf) {
        QByteArray out;
        out.reserve(prefix + encoded.size());
        out.append(kUtf8Bom, prefix);
        out.append(encoded);
        if (actual.lineEnd == LineEnd::Cr)
            out.replace('\n', '\r');
        return out;
    }

    const qsizetype breaks = encoded.count('\n');
    QByteArray out(prefix + encoded.size() + breaks, Qt::Uninitialized);
    char *dst = out.data();
    std::memcpy(dst, kUtf8Bom, prefix);
    dst += prefix;
    const char *src = encoded.constData();
    const char *end = src + encoded.size();
    while (src < end) {
        const char *nl = static_cast<const char *>(std::memchr(src, '\n', end - src));
        const char *stop = nl ? nl : end;
        std::memcpy(dst, src, stop - src);
        dst += stop - src;
        if (!nl)
            break;
        *dst++ = '\r';
        *dst++ = '\n';
        src = nl + 1;
    }
    return out;
}

std::optional<QByteArray> readFileBytes(const QString &path, QString *error)
{
    QByteArray bytes;
    if (!readRegularFile(path, bytes, error))
        return std::nullopt;
    return bytes;
}

std::optional<DecodedText> readTextFile(const QString &path, QString *error)
{
    std::optional<QByteArray> bytes = readFileBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return decodeText(*bytes);
}

TextFileResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const auto fail = [&](const QString &reason) {
        return TextFileResult{false, QStringLiteral("Cannot write \"%1\": %2").arg(shownPath(path), reason)};
    };
    if (path.isEmpty())
        return {false, QStringLiteral("Cannot write a file without a name.")};
    const QFileInfo info(path);
    if (info.isDir())
        return fail(QStringLiteral("it is a folder."));
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return fail(QStringLiteral("the folder \"%1\" does not exist.").arg(shownPath(folder.filePath())));
    if (!folder.isDir())
        return fail(QStringLiteral("\"%1\" is not a folder.").arg(shownPath(folder.filePath())));

    QSaveFile file(path);
    // Never fall back to writing in place: that is what could leave half a file behind.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return {true, {}};
}

TextFileResult writeTextFileAtomically(const QString &path, const QString &text, const TextFormat &format,
                                       TextFormat *used)
{
    return writeFileAtomically(path, encodeText(text, format, used));
}
