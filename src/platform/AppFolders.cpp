#include "platform/AppFolders.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString cleanFolder(const QString &folder)
{
    return withTrailingSeparator(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
}

bool copyDefault(const QString &from, const QString &to, QString *error)
{
    if (QFileInfo::exists(to) || !QFileInfo(from).isFile())
        return true;
    QFile source(from);
    if (QDir().mkpath(QFileInfo(to).absolutePath()) && source.copy(to)) {
        // The shipped copy is read-only; the user's copy is the user's to change.
        QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
        return true;
    }
    if (error)
        *error = QStringLiteral("Cannot copy %1 to %2: %3").arg(from, to, source.errorString());
    return false;
}
} // namespace

AppFolders::AppFolders(QString shipped, QString writable)
    : m_shipped(cleanFolder(shipped)), m_writable(cleanFolder(writable))
{
}

AppFolders AppFolders::inPlace(const QString &folder)
{
    return AppFolders(folder, folder);
}

AppFolders AppFolders::installed(const QString &shippedFolder, const QString &writableFolder)
{
    return AppFolders(shippedFolder, writableFolder);
}

AppFolders AppFolders::forExecutable(const QString &executableFolder)
{
    const QString share = executableFolder + QStringLiteral("/../share/") + QLatin1String(kDataFolderName);
    const bool shareExists = QFileInfo(share).isDir();
    if (!shareExists && QFileInfo(executableFolder).isWritable())
        return inPlace(executableFolder);
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return installed(shareExists ? share : executableFolder,
                     userData + QLatin1Char('/') + QLatin1String(kDataFolderName));
}

bool AppFolders::prepareWritable(const QStringList &defaults, QString *error) const
{
    if (!isInstalled())
        return true;
    if (!QDir().mkpath(m_writable)) {
        if (error)
            *error = QStringLiteral("Cannot create the folder %1").arg(m_writable);
        return false;
    }
    bool ok = true;
    for (const QString &name : defaults)
        ok = copyDefault(m_shipped + name, m_writable + name, error) && ok;
    return ok;
}
