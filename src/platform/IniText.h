#pragma once

#include "platform/TextFile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The contents of a settings file, parsed from and written back to bytes, with no file
// access; IniFile does the reading and writing. Rules as in Windows profile files:
//  - "[Name]" starts a section (the name runs to the last ']' and is trimmed); a line
//    starting with '[' but holding no ']' is an ordinary line;
//  - a line whose first non-blank character is ';' is a comment;
//  - "Key=Value" lines belong to the section above them; lines before the first section
//    belong to none and are never found; a line without '=' (or with nothing before it)
//    is ignored;
//  - names compare case-insensitively; the first matching section, and the first
//    matching key in it, win; later duplicates are kept but never seen;
//  - a value is trimmed of blanks (space, tab, VT, FF) and one pair of enclosing double
//    quotes is dropped.
// Nothing is indexed: each question is one pass over the text, so a 10 MB file of tiny
// lines costs no more memory than its text. Many keys are asked in one pass with values()
// or section(), so reading a file's settings stays linear in its size.
class IniSection;

struct IniName {
    QString section;
    QString key;
};

class IniText final {
public:
    explicit IniText(const QByteArray &bytes);

    const TextFormat &format() const { return m_format; }

    std::optional<QString> value(QStringView section, QStringView key) const;
    // Key names of the first matching section in file order, first spelling of each.
    QStringList keys(QStringView section) const;
    // Section names in file order, first spelling of each.
    QStringList sections() const;
    // The values of many keys in one pass, in the order asked; nullopt for a missing key.
    QList<std::optional<QString>> values(const QList<IniName> &wanted) const;
    // Every key of the first matching section, in one pass.
    IniSection section(QStringView name) const;

    // The file's new bytes with the key set (CR LF line ends, the file's own encoding
    // unless the value needs UTF-8). nullopt when the names or value cannot be stored
    // so that they read back: see canStore. `used` receives the format written.
    std::optional<QByteArray> withValue(QStringView section, QStringView key, QStringView value,
                                        TextFormat *used = nullptr) const;
    // The file's new bytes without the first matching key line; nullopt when there is none.
    std::optional<QByteArray> withoutKey(QStringView section, QStringView key, TextFormat *used = nullptr) const;
    // The same for several keys in one pass; nullopt when none of them is there.
    std::optional<QByteArray> withoutKeys(QStringView section, const QStringList &keys,
                                          TextFormat *used = nullptr) const;

    // A name or value holding a line break, a key holding '=' or starting with ';' or
    // '[', an empty key, or broken UTF-16 cannot be written so that it reads back.
    // Names are trimmed first, as lookups trim them.
    static bool canStore(QStringView section, QStringView key, QStringView value);

    // Optional sign and decimal digits, nothing else, within int.
    static std::optional<int> parseInt(QStringView text);

    static QStringView trimmed(QStringView text);

private:
    QByteArray encode(const QString &text, TextFormat *used) const;

    QString m_text;
    TextFormat m_format;
};

// The keys of one section with their values (first of each name wins), so a file holding
// long lists is read once, whatever counts it claims.
class IniSection final {
public:
    std::optional<QString> value(QStringView key) const;
    // Key names in file order, first spelling of each.
    const QStringList &keys() const { return m_keys; }

private:
    friend class IniText;
    QStringList m_keys;
    QHash<QString, QString> m_values; // by case-folded name
};
