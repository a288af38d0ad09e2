#include "tools/SiteFiles.h"

#include "platform/ProgramFolder.h"
#include "platform/RegularFile.h"

#include <QByteArrayMatcher>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SiteFiles {
namespace {
QByteArray upperAsciiCopy(QByteArrayView text)
{
    QByteArray upper(text.size(), Qt::Uninitialized);
    char *out = upper.data();
    const char *in = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(in[i]);
        out[i] = char(c - ((unsigned(c - 'a') < 26u) << 5)); // branch-free, so the loop vectorises
    }
    return upper;
}

bool fitsLatin1(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

bool isAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}
} // namespace

QString dateFolderName(const QDate &date)
{
    return QStringLiteral("%1_%2_%3").arg(date.month()).arg(date.day()).arg(date.year());
}

bool isPlainFolderName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() == 0)
            return false;
    return !QDir::isAbsolutePath(name);
}

QByteArray replaceBytes(QByteArrayView text, QByteArrayView search, QByteArrayView replacement, bool matchCase,
                        int *count)
{
    int found = 0;
    QByteArray result;
    if (!search.isEmpty()) {
        const QByteArray folded = matchCase ? QByteArray() : upperAsciiCopy(text);
        const QByteArray pattern = matchCase ? search.toByteArray() : upperAsciiCopy(search);
        const QByteArrayMatcher matcher(pattern);
        const char *haystack = matchCase ? text.data() : folded.constData();
        qsizetype from = 0;
        for (qsizetype at = matcher.indexIn(haystack, text.size(), 0); at >= 0;
             at = matcher.indexIn(haystack, text.size(), from)) {
            if (found == 0)
                result.reserve(text.size() + std::max<qsizetype>(0, replacement.size() - search.size()) * 16);
            result.append(text.sliced(from, at - from)).append(replacement);
            from = at + search.size();
            ++found;
        }
        if (found > 0)
            result.append(text.sliced(from));
    }
    if (count)
        *count = found;
    return found > 0 ? result : text.toByteArray();
}

QString replaceText(const QString &text, const QString &search, const QString &replacement, bool matchCase, int *count)
{
    int found = 0;
    QString result;
    qsizetype from = 0;
    const auto fold = [matchCase](QChar c) {
        return (!matchCase && c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
    };
    if (!search.isEmpty()) {
        for (qsizetype at = 0; at + search.size() <= text.size();) {
            qsizetype i = 0;
            while (i < search.size() && fold(text[at + i]) == fold(search[i]))
                ++i;
            if (i == search.size()) {
                result += QStringView(text).sliced(from, at - from);
                result += replacement;
                at += search.size();
                from = at;
                ++found;
            } else {
                ++at;
            }
        }
    }
    if (count)
        *count = found;
    if (found == 0)
        return text;
    result += QStringView(text).sliced(from);
    return result;
}

bool readWhole(const QString &path, QByteArray &buffer, QString *error)
{
    return readRegularFile(path, buffer, error);
}

std::optional<QByteArray> readWhole(const QString &path, QString *error)
{
    QByteArray bytes;
    if (!readWhole(path, bytes, error))
        return std::nullopt;
    return bytes;
}

namespace {
const QString kTemporaryMark = QStringLiteral(".tovarel-replace-");

#ifdef Q_OS_UNIX
// Writes `bytes` to a hidden, marked temporary file beside `native` and renames it over
// `native`: the error number of the step that failed (the temporary file is then gone), 0
// when it worked. A short write is tried again, so a full disk says so.
int writeBeside(const QByteArray &native, const QByteArray &bytes, mode_t mode)
{
    const qsizetype slash = native.lastIndexOf('/');
    QByteArray temporary =
        native.left(slash + 1) + '.' + native.mid(slash + 1) + QFile::encodeName(kTemporaryMark) + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return errno;
    int code = ::fchmod(fd, mode) == 0 ? 0 : errno;
    for (qsizetype done = 0; code == 0 && done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            code = wrote < 0 ? errno : ENOSPC;
        done += std::max<ssize_t>(wrote, 0);
    }
    if (::close(fd) != 0 && code == 0)
        code = errno;
    if (code == 0 && ::rename(temporary.constData(), native.constData()) != 0)
        code = errno;
    if (code != 0)
        ::unlink(temporary.constData());
    return code;
}

// The file a path names, links followed: the temporary file goes beside it.
QString linkTarget(const QString &path)
{
    return QFileInfo(path).isSymLink() ? QFileInfo(path).canonicalFilePath() : path;
}
#endif

QString folderOfFile(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

bool isOwnFile(const QFileInfo &file)
{
#ifdef Q_OS_UNIX
    return file.ownerId() == ::geteuid();
#else
    return file.isWritable();
#endif
}
} // namespace

bool replaceWhole(const QString &path, const QByteArray &bytes, QString *error)
{
#ifdef Q_OS_UNIX
    const QString target = linkTarget(path);
    if (target.isEmpty())
        return failWrite(error, path, QStringLiteral("the link leads nowhere."));
    const QByteArray native = QFile::encodeName(target);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return failWrite(error, path, systemErrorReason(errno));
    if (!S_ISREG(info.st_mode))
        return failWrite(error, path, notRegularFileReason(info.st_mode));
    // Renaming over a file needs only the folder's permission: ask the file's own instead, and
    // never take over another user's file (the new one would be ours).
    if (info.st_uid != ::geteuid())
        return failWrite(error, path, QStringLiteral("it belongs to another user."));
    if (!(info.st_mode & S_IWUSR))
        return failWrite(error, path, QStringLiteral("it is read-only."));
    if (const int code = writeBeside(native, bytes, info.st_mode & 07777))
        return failWrite(error, path, systemErrorReason(code));
    return true;
#else
    return writeFileAtomically(path, bytes, error);
#endif
}

int removeLeftoverTemporaries(const QStringList &paths)
{
    QSet<QString> folders;
    for (const QString &path : paths) {
#ifdef Q_OS_UNIX
        const QString target = linkTarget(path);
        if (!target.isEmpty())
            folders.insert(folderOfFile(target));
#else
        folders.insert(folderOfFile(path));
#endif
    }
    int removed = 0;
    const QString pattern = QStringLiteral(".*") + kTemporaryMark + QStringLiteral("??????");
    for (const QString &folder : std::as_const(folders)) {
        const QDir dir(folder);
        for (const QFileInfo &file : dir.entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
            // Only what this program made: hidden, marked, and the user's own.
            if (isOwnFile(file) && QFile::remove(file.filePath()))
                ++removed;
        }
    }
    return removed;
}

FileOutcome replaceInFile(const QString &path, const QString &search, const QString &replacement, bool matchCase,
                          QString *error)
{
    QByteArray bytes;
    if (!readRegularFile(path, bytes, error))
        return FileOutcome::Unreadable;
    int count = 0;
    QByteArray result;
    if (isAscii(search) && isAscii(replacement)) {
        // ASCII letters are the same bytes in either encoding a page can have.
        result = replaceBytes(bytes, search.toLatin1(), replacement.toLatin1(), matchCase, &count);
    } else {
        const DecodedText decoded = decodeText(bytes);
        const bool latin1 = decoded.format.encoding == TextEncoding::Latin1;
        if (latin1 && !fitsLatin1(search))
            return FileOutcome::Unchanged; // no such text can be in the file
        if (!latin1 || fitsLatin1(replacement)) {
            const QByteArray encode = latin1 ? search.toLatin1() : search.toUtf8();
            result =
                replaceBytes(bytes, encode, latin1 ? replacement.toLatin1() : replacement.toUtf8(), matchCase, &count);
        } else {
            // The replacement needs characters Latin-1 lacks: the page becomes UTF-8, byte for
            // byte the same text, rather than losing them.
            const QByteArray utf8 = QString::fromLatin1(bytes).toUtf8();
            result = replaceBytes(utf8, search.toUtf8(), replacement.toUtf8(), matchCase, &count);
        }
    }
    if (count == 0)
        return FileOutcome::Unchanged;
    return replaceWhole(path, result, error) ? FileOutcome::Replaced : FileOutcome::WriteFailed;
}

QList<Copy> planCopies(const QStringList &sources, const QStringList &reserved)
{
    QList<Copy> plan;
    QSet<QString> topNames; // lower case: names taken at the top, files and sub-folders alike
    QHash<QString, QString> targetOf;
    QSet<QString> takenTargets;
    for (const QString &name : reserved)
        topNames.insert(name.toLower());
    for (const QString &source : sources) {
        if (targetOf.contains(source))
            continue; // the same file listed twice is the same copy
        const QString name = fileNamePart(source);
        QString target;
        if (!topNames.contains(name.toLower())) {
            target = name;
            topNames.insert(name.toLower());
        } else {
            QString folder = fileNamePart(folderPart(source).chopped(folderPart(source).isEmpty() ? 0 : 1));
            folder.replace(QLatin1Char(':'), QLatin1Char('_'));
            if (!isPlainFolderName(folder))
                folder = QStringLiteral("_");
            QString candidate = folder;
            for (int n = 2;; ++n) {
                const QString key = candidate.toLower();
                const bool folderIsFile = topNames.contains(key) && !takenTargets.contains(key + QLatin1Char('/'));
                if (!folderIsFile && !takenTargets.contains(key + QLatin1Char('/') + name.toLower()))
                    break;
                candidate = folder + QStringLiteral("_%1").arg(n);
            }
            topNames.insert(candidate.toLower());
            takenTargets.insert(candidate.toLower() + QLatin1Char('/'));
            target = candidate + QLatin1Char('/') + name;
        }
        takenTargets.insert(target.toLower());
        targetOf.insert(source, target);
        plan.append({source, target});
    }
    return plan;
}

bool copyInto(const QString &source, const QString &folder, const QString &target, bool *unreadable, QString *error)
{
    const std::optional<QByteArray> bytes = readFileBytes(source, error);
    if (unreadable)
        *unreadable = !bytes;
    if (!bytes)
        return false;
    const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
    if (slash > 0) {
        QDir dir(folder);
        const QString sub = target.left(slash);
        if (!dir.exists(sub) && !dir.mkdir(sub)) {
            if (error)
                *error = QStringLiteral("cannot create the folder ") + folder + sub;
            return false;
        }
    }
#ifdef Q_OS_UNIX
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (const int code = writeBeside(QFile::encodeName(folder + target), *bytes, 0666 & ~mask))
        return failWrite(error, folder + target, systemErrorReason(code));
    return true;
#else
    return writeFileAtomically(folder + target, *bytes, error);
#endif
}
} // namespace SiteFiles
