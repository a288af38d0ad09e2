#pragma once

#include "platform/IniFile.h"
#include "spell/SpellTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

// The configuration file's INI access (`TConfigIniFile`), with the list convention: a list
// L is the key "L_ListCount" and the keys "L_0" ... "L_<n-1>"; empty items are skipped.
// Lists are read from a section read once, and only the items present are visited, so a
// count of two thousand million costs nothing.
class TConfigIniFile final {
public:
    explicit TConfigIniFile(QString path) : m_ini(std::move(path)) {}

    const IniFile &ini() const { return m_ini; }
    IniSection readSection(const QString &section) const { return m_ini.readAll().section(section); }

    // The items present below the count, with their indices, in index order.
    static QList<std::pair<int, QString>> readIndexedList(const IniSection &section, const QString &name);
    // The non-empty items in order.
    static QStringList readList(const IniSection &section, const QString &name);
    // Item i of a list, empty when missing (for lists kept parallel to another).
    static QString readListItem(const IniSection &section, const QString &name, int index);
    bool writeList(const QString &section, const QString &name, const QStringList &items) const;

private:
    IniFile m_ini;
};

struct TMain {
    QString path; // as stored: absolute, or relative to the configuration's folder
    bool active = false;
    QString description;
    bool operator==(const TMain &) const = default;
};

struct TUser {
    QString path;
    bool active = false;
    bool operator==(const TUser &) const = default;
};

// What the engine's properties give a configuration built from defaults.
struct TConfigDefaults {
    QString defaultMain; // file name, e.g. "american.dct"
    QString defaultUser; // file name, e.g. "default.udt"
    TSpellOptions defaultOptions;
    // The folder of the configuration as shipped, when the program reads its shipped files
    // from elsewhere (installed): a dictionary named relatively that is not beside the
    // configuration is found there. Empty: nowhere else.
    QString shippedFolder;
};

// The engine's configuration (`TConfiguration`): one section of the configuration file.
class TConfiguration final {
public:
    // The option keys in the order they are written.
    static const QList<QPair<QString, TSpellOption>> &optionKeys();

    QString filePath;
    QString section;
    QString shippedFolder; // see TConfigDefaults
    QList<TMain> mains;
    QList<TUser> users;
    TSpellOptions options;
    int userIndex = -1;     // the user dictionary that receives added words
    bool writeBack = false; // built from defaults or changed: written when freed
    bool loaded = false;

    // Reads the section; without a valid one ("ID" = 1) builds the defaults from the
    // "*.dct" and "*.udt" files of the file's folder and marks them for writing back.
    void load(const QString &path, const QString &sectionName, const TConfigDefaults &defaults);
    // Writes "ID", the lists, every option flag and "UserIndex"; false when that failed.
    bool save() const;
    // Saves when marked for writing back; the engine calls it when it lets the
    // configuration go.
    void release();

    // The configuration file's folder, ending in "/".
    QString folder() const;
    // A stored path as a file path: relative ones (and "\" separators) are taken from the
    // configuration's folder, or from the shipped folder when only that one has the file.
    QString resolve(const QString &storedPath) const;
};
