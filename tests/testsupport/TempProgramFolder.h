#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty program folder for one test, removed afterwards.
class TempProgramFolder final {
public:
    TempProgramFolder();

    // The folder, ending in "/".
    QString path() const;
    QString file(const QString &relative) const;

    // Writes raw bytes to a file under the folder (creating sub-folders); returns its path.
    QString write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};
