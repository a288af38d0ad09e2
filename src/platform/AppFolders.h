#pragma once

#include <QString>
#include <QStringList>

// The folder name of the program's data: <prefix>/share/tovarel and the user's
// ~/.local/share/tovarel.
inline constexpr const char *kDataFolderName = "tovarel";

// Where the program reads the files it ships and where it writes its own. Every path of
// the program starts from one of these two folders, both ending in "/".
//  - Run in place (the executable's folder holds the data and may be written, as the
//    build folder does): one folder for both.
//  - Installed: the shipped files (help, dictionaries, defaults) are read from the share
//    folder and are never written; everything the program writes goes to the user's data
//    folder, which starts as a copy of the shipped defaults.
class AppFolders final {
public:
    static AppFolders inPlace(const QString &folder);
    static AppFolders installed(const QString &shippedFolder, const QString &writableFolder);
    // Installed when <executable folder>/../share/tovarel exists or the executable's folder
    // cannot be written; the user's folder is then tovarel under the XDG data home.
    static AppFolders forExecutable(const QString &executableFolder);

    const QString &shipped() const { return m_shipped; }
    const QString &writable() const { return m_writable; }
    bool isInstalled() const { return m_shipped != m_writable; }

    // Creates the writable folder and copies into it each of `defaults` (paths relative to
    // the folders) that the shipped folder has and the writable one lacks, so a newer
    // version never replaces what the user has. Nothing to do when run in place.
    bool prepareWritable(const QStringList &defaults, QString *error = nullptr) const;

private:
    AppFolders(QString shipped, QString writable);

    QString m_shipped;
    QString m_writable;
};
