#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A Unix socket bound at `path`; it stays a socket in the folder until the folder goes.
void makeSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    ASSERT_LT(size_t(native.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
}

} // namespace

// Anything but a regular file is refused at once (a FIFO would block, /dev/zero would never
// end), with a message naming the file; a symlink counts as what it points at.
TEST(RegularFile, RefusesEverythingButRegularFilesWithoutBlocking)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    {
        QFile page(folder + QStringLiteral("page.html"));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<B>x</B>");
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + QStringLiteral("fifo")).constData(), 0600), 0);
    makeSocket(folder + QStringLiteral("socket"));
    QFile::link(QStringLiteral("/dev/zero"), folder + QStringLiteral("zero-link"));
    QFile::link(folder + QStringLiteral("fifo"), folder + QStringLiteral("fifo-link"));
    QFile::link(folder + QStringLiteral("page.html"), folder + QStringLiteral("page-link"));
    QDir(folder).mkdir(QStringLiteral("sub"));

    struct Case {
        QString path;
        const char *reason; // empty: read
    };
    const Case cases[] = {
        {folder + QStringLiteral("page.html"), ""},
        {folder + QStringLiteral("page-link"), ""},
        {QStringLiteral("/dev/zero"), "it is a device, not a file."},
        {QStringLiteral("/dev/urandom"), "it is a device, not a file."},
        {folder + QStringLiteral("zero-link"), "it is a device, not a file."},
        {folder + QStringLiteral("fifo"), "it is a pipe (FIFO), not a file."},
        {folder + QStringLiteral("fifo-link"), "it is a pipe (FIFO), not a file."},
        {folder + QStringLiteral("socket"), "it is a socket, not a file."},
        {folder + QStringLiteral("sub"), "it is a folder."},
        {folder + QStringLiteral("missing.html"), "the file does not exist."},
        {QString(), "Cannot read a file without a name."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QByteArray bytes("left over");
        QString error;
        const bool read = readRegularFile(c.path, bytes, &error);
        if (*c.reason == '\0') {
            EXPECT_TRUE(read) << error.toStdString();
            EXPECT_EQ(bytes, QByteArray("<B>x</B>"));
        } else {
            EXPECT_FALSE(read);
            EXPECT_TRUE(error.endsWith(QLatin1String(c.reason))) << error.toStdString();
            if (!c.path.isEmpty()) {
                EXPECT_TRUE(error.contains(c.path)) << error.toStdString();
            }
        }
    }
}

TEST(RegularFile, RefusesAFileOverTheLimitBeforeReadingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();

    QByteArray bytes;
    QString error;
    EXPECT_TRUE(readRegularFile(path, bytes, &error, 2048));
    EXPECT_EQ(bytes.size(), 2048);
    EXPECT_FALSE(readRegularFile(path, bytes, &error, 2047));
    EXPECT_TRUE(error.contains(QLatin1String("too large"))) << error.toStdString();
}
