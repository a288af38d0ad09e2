#include "platform/TextFile.h"

#include "platform/RegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <QRandomGenerator>

#include <algorithm>
#include <csignal>
#include <cstring>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// Turns CR LF and lone CR into '\n' in place, in one pass without allocating, and lists
// every break whose style is not `first`.
LineEndMarks normaliseLineBreaks(QString &text, LineEnd first)
{
    LineEndMarks marks;
    const qsizetype size = text.size();
    const char16_t *begin = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *firstCr = std::find(begin, begin + size, u'\r');
    if (firstCr == begin + size)
        return marks; // LF-only files, the common case on this side: every break is the first style

    // Before the first CR there are only LF breaks, so the first style is LF if there are any.
    int line = int(std::count(begin, firstCr, u'\n'));
    char16_t *data = reinterpret_cast<char16_t *>(text.data());
    qsizetype out = firstCr - begin;
    for (qsizetype in = out; in < size; ++in) {
        const char16_t c = data[in];
        LineEnd style = LineEnd::Lf;
        if (c == u'\r') {
            style = LineEnd::Cr;
            if (in + 1 < size && data[in + 1] == u'\n') {
                style = LineEnd::CrLf;
                ++in;
            }
        } else if (c != u'\n') {
            data[out++] = c;
            continue;
        }
        data[out++] = u'\n';
        if (style != first)
            marks.append({line, style});
        ++line;
    }
    text.truncate(out);
    return marks;
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
    result.otherLineEnds = normaliseLineBreaks(*text, result.format.lineEnd);
    result.text = std::move(*text);
    return result;
}

QByteArray encodeText(const QString &text, const TextFormat &format, TextFormat *used,
                      const LineEndMarks &otherLineEnds)
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
    if (actual.lineEnd == LineEnd::Lf && prefix == 0 && otherLineEnds.isEmpty())
        return encoded;

    // '\n' is one ASCII byte in both encodings and never part of a UTF-8 sequence, so the
    // line ends are put in on the bytes, with one allocation (a break takes at most two).
    QByteArray out(prefix + encoded.size() + encoded.count('\n'), Qt::Uninitialized);
    char *dst = out.data();
    std::memcpy(dst, kUtf8Bom, prefix);
    dst += prefix;
    const char *src = encoded.constData();
    const char *end = src + encoded.size();
    auto mark = otherLineEnds.cbegin();
    const auto styleOf = [&](int line) {
        while (mark != otherLineEnds.cend() && mark->line < line)
            ++mark;
        return mark != otherLineEnds.cend() && mark->line == line ? mark->end : actual.lineEnd;
    };
    for (int line = 0; src < end; ++line) {
        const char *nl = static_cast<const char *>(std::memchr(src, '\n', end - src));
        const char *stop = nl ? nl : end;
        std::memcpy(dst, src, stop - src);
        dst += stop - src;
        if (!nl)
            break;
        LineEnd style = styleOf(line);
        // A lone CR just before an empty line's LF would read back as one CR LF, a line less.
        if (style == LineEnd::Cr && nl + 1 < end && nl[1] == '\n' && styleOf(line + 1) == LineEnd::Lf)
            style = LineEnd::CrLf;
        if (style != LineEnd::Lf)
            *dst++ = '\r';
        if (style != LineEnd::Cr)
            *dst++ = '\n';
        src = nl + 1;
    }
    out.truncate(dst - out.constData());
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

bool failWrite(QString *error, const QString &path, const QString &reason)
{
    if (error)
        *error = QStringLiteral("Cannot write \"%1\": %2").arg(shownPath(path), reason);
    return false;
}

namespace {

#ifdef Q_OS_UNIX
// Writes everything or returns false with errno set (a full disk, the size limit).
bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Fills and closes `fd`; 0 or the error number.
int fillAndClose(int fd, const QByteArray &bytes)
{
    int code = 0;
    if (!writeAll(fd, bytes.constData(), bytes.size()) || ::fsync(fd) != 0)
        code = errno;
    if (::close(fd) != 0 && code == 0)
        code = errno;
    return code;
}

// A new file beside the target, renamed over it once it is whole. The new file gets the old
// one's permissions and, where allowed, its owner. 0, or the error number with `tempFailed`
// telling whether not even the new file could be made.
int replaceByRename(const QByteArray &target, const QByteArray &bytes, const struct stat *old, bool &tempFailed)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash);
    const QByteArray name = target.mid(slash + 1);
    const mode_t mode = old ? (old->st_mode & 07777) : 0666;
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = folder + "/." + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (fd < 0 && errno != EEXIST) {
            tempFailed = true;
            return errno;
        }
    }
    if (fd < 0) {
        tempFailed = true;
        return EEXIST;
    }
    tempFailed = false;
    if (old) {
        (void)::fchmod(fd, mode); // the umask may have taken bits away
        if (old->st_uid != ::geteuid() || old->st_gid != ::getegid())
            (void)::fchown(fd, old->st_uid, old->st_gid);
    }
    int code = fillAndClose(fd, bytes);
    if (code == 0 && ::rename(temp.constData(), target.constData()) != 0)
        code = errno;
    if (code != 0)
        ::unlink(temp.constData());
    return code;
}

// The file itself rewritten, for a writable file in a folder that takes no new file. Its
// room is claimed first, so a full disk or the size limit stops before a byte is changed.
int rewriteInPlace(const QByteArray &target, const QByteArray &bytes)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno;
    if (!bytes.isEmpty()) {
        const int claimed = ::posix_fallocate(fd, 0, off_t(bytes.size()));
        if (claimed != 0 && claimed != EOPNOTSUPP && claimed != EINVAL) {
            ::close(fd);
            return claimed;
        }
    }
    if (::ftruncate(fd, off_t(bytes.size())) != 0) {
        const int code = errno;
        ::close(fd);
        return code;
    }
    return fillAndClose(fd, bytes);
}
#endif

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("Cannot write a file without a name.");
        return false;
    }
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return failWrite(error, path,
                         QStringLiteral("the folder \"%1\" does not exist.").arg(shownPath(folder.filePath())));
    if (!folder.isDir())
        return failWrite(error, path, QStringLiteral("\"%1\" is not a folder.").arg(shownPath(folder.filePath())));
#ifdef Q_OS_UNIX
    // A symlink stays one: the file it points at is written.
    const QString resolved = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray target = QFile::encodeName(resolved);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return failWrite(error, path, notRegularFileReason(old.st_mode));

    bool tempFailed = false;
    int code = replaceByRename(target, bytes, exists ? &old : nullptr, tempFailed);
    if (code != 0 && tempFailed && (code == EACCES || code == EPERM) && exists &&
        ::access(target.constData(), W_OK) == 0)
        code = rewriteInPlace(target, bytes);
    if (code != 0)
        return failWrite(error, path, systemErrorReason(code));
    return true;
#else
    if (info.isDir())
        return failWrite(error, path, QStringLiteral("it is a folder."));
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return failWrite(error, path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failWrite(error, path, reason);
    }
    if (!file.commit())
        return failWrite(error, path, file.errorString());
    return true;
#endif
}

bool writeTextFileAtomically(const QString &path, const QString &text, const TextFormat &format, TextFormat *used,
                             QString *error)
{
    return writeFileAtomically(path, encodeText(text, format, used), error);
}

std::optional<FileStamp> fileStamp(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileStamp{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                     qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
#else
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return std::nullopt;
    return FileStamp{0, 0, info.size(), info.lastModified().toMSecsSinceEpoch() * 1000000};
#endif
}

void ignoreFileSizeLimitSignal()
{
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}
