#pragma once

#include "platform/IniText.h"

#include <QString>
#include <QStringList>

// A settings file with the semantics of Windows profile files: section and key names
// compare case-insensitively, the first match wins, values are trimmed (and one pair of
// enclosing double quotes is dropped), a missing file or key gives the caller's default.
// Every call opens and closes the file; nothing is cached. A write rewrites the file
// atomically, keeping every other line and comment, with CR LF line ends.
class IniFile final {
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // Decimal (optionally signed) integers; anything else gives the default.
    int readInt(const QString &section, const QString &key, int defaultValue) const;
    // Stored as an integer: any value other than 0 is true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    bool hasKey(const QString &section, const QString &key) const;
    // Key names of a section in file order (first spelling of each), empty when missing.
    QStringList readKeys(const QString &section) const;
    QStringList readSections() const;
    // The whole file read once, for callers that ask for many keys (start-up, lists);
    // empty when the file is missing or cannot be read.
    IniText readAll() const;

    // Each returns false when the file could not be written; the file is then unchanged.
    bool writeString(const QString &section, const QString &key, const QString &value) const;
    bool writeInt(const QString &section, const QString &key, int value) const;
    bool writeBool(const QString &section, const QString &key, bool value) const;
    bool deleteKey(const QString &section, const QString &key) const;
    // Removes the named keys of a section in one rewrite.
    bool deleteKeys(const QString &section, const QStringList &keys) const;

private:
    QString m_path;
};
