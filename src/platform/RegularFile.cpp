#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString cannotRead(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot read \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
}

bool fail(QString *error, const QString &path, const QString &reason)
{
    if (error)
        *error = cannotRead(path, reason);
    return false;
}

QString tooLarge(qint64 limit)
{
    return QStringLiteral("it is larger than %1 MB, too large to open as a page.").arg(limit / (1024 * 1024));
}

} // namespace

#ifdef Q_OS_UNIX
QString notRegularFileReason(unsigned int mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder.");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe (FIFO), not a file.");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a file.");
    return QStringLiteral("it is not a regular file.");
}
#else
QString notRegularFileReason(unsigned int)
{
    return QStringLiteral("it is not a regular file.");
}
#endif

QString systemErrorReason(int errorNumber)
{
    if (errorNumber == ENOENT)
        return QStringLiteral("the file does not exist.");
    return QString::fromLocal8Bit(std::strerror(errorNumber)) + QLatin1Char('.');
}

bool readRegularFile(const QString &path, QByteArray &buffer, QString *error, qint64 limit)
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("Cannot read a file without a name.");
        return false;
    }
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    // stat first, so a FIFO is never opened at all; the opened file is checked again below
    // in case the path was swapped in between.
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return fail(error, path, systemErrorReason(errno));
    if (!S_ISREG(info.st_mode))
        return fail(error, path, notRegularFileReason(info.st_mode));
    if (info.st_size > limit)
        return fail(error, path, tooLarge(limit));

    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return fail(error, path, systemErrorReason(errno));
    const auto closeAndFail = [&](const QString &reason) {
        ::close(fd);
        return fail(error, path, reason);
    };
    if (::fstat(fd, &info) != 0)
        return closeAndFail(systemErrorReason(errno));
    if (!S_ISREG(info.st_mode))
        return closeAndFail(notRegularFileReason(info.st_mode));
    if (info.st_size > limit)
        return closeAndFail(tooLarge(limit));

    // The size the file had when opened is what is read; one more read would only find its end.
    buffer.resize(qsizetype(info.st_size));
    qsizetype have = 0;
    while (have < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + have, size_t(buffer.size() - have));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return closeAndFail(systemErrorReason(errno));
        if (got == 0)
            break;
        have += got;
    }
    ::close(fd);
    buffer.resize(have);
    return true;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return fail(error, path, QStringLiteral("the file does not exist."));
    if (!info.isFile())
        return fail(error, path,
                    info.isDir() ? QStringLiteral("it is a folder.") : QStringLiteral("it is not a regular file."));
    if (info.size() > limit)
        return fail(error, path, tooLarge(limit));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, path, file.errorString());
    buffer = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return fail(error, path, file.errorString());
    return true;
#endif
}
