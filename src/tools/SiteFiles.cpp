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

bool readWhole(const QString &path, QByteArray &buffer)
{
    return readRegularFile(path, buffer);
}

std::optional<QByteArray> readWhole(const QString &path)
{
    QByteArray bytes;
    if (!readWhole(path, bytes))
        return std::nullopt;
    return bytes;
}

bool replaceWhole(const QString &path, const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    QString target = path;
    if (QFileInfo(path).isSymLink()) {
        target = QFileInfo(path).canonicalFilePath();
        if (target.isEmpty())
            return false;
    }
    const QByteArray native = QFile::encodeName(target);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const qsizetype slash = native.lastIndexOf('/');
    QByteArray temporary = native.left(slash + 1) + '.' + native.mid(slash + 1) + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, info.st_mode & 07777) == 0;
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        ok = wrote > 0;
        done += std::max<ssize_t>(wrote, 0);
    }
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temporary.constData(), native.constData()) == 0;
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
#else
    return writeFileAtomically(path, bytes);
#endif
}

FileOutcome replaceInFile(const QString &path, const QString &search, const QString &replacement, bool matchCase)
{
    const std::optional<QByteArray> bytes = readWhole(path);
    if (!bytes)
        return FileOutcome::Unreadable;
    int count = 0;
    QByteArray result;
    if (isAscii(search) && isAscii(replacement)) {
        // ASCII letters are the same bytes in either encoding a page can have.
        result = replaceBytes(*bytes, search.toLatin1(), replacement.toLatin1(), matchCase, &count);
    } else {
        const DecodedText decoded = decodeText(*bytes);
        const bool latin1 = decoded.format.encoding == TextEncoding::Latin1;
        if (latin1 && !fitsLatin1(search))
            return FileOutcome::Unchanged; // no such text can be in the file
        if (!latin1 || fitsLatin1(replacement)) {
            const QByteArray encode = latin1 ? search.toLatin1() : search.toUtf8();
            result =
                replaceBytes(*bytes, encode, latin1 ? replacement.toLatin1() : replacement.toUtf8(), matchCase, &count);
        } else {
            // The replacement needs characters Latin-1 lacks: the page becomes UTF-8, byte for
            // byte the same text, rather than losing them.
            const QByteArray utf8 = QString::fromLatin1(*bytes).toUtf8();
            result = replaceBytes(utf8, search.toUtf8(), replacement.toUtf8(), matchCase, &count);
        }
    }
    if (count == 0)
        return FileOutcome::Unchanged;
    return replaceWhole(path, result) ? FileOutcome::Replaced : FileOutcome::WriteFailed;
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

bool copyInto(const QString &source, const QString &folder, const QString &target, QString *error)
{
    const std::optional<QByteArray> bytes = readFileBytes(source, error);
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
    return writeFileAtomically(folder + target, *bytes, error);
}
} // namespace SiteFiles
