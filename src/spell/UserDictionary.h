#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// A user dictionary (`TUserDictionary`): words the user added and auto-correct pairs.
// A ".dic" file is a plain read-only word list, one word a line; any other file (".udt")
// is an INI file: section "Added" with the list "IGN", section "Auto Correct" with the list
// "AC" of "misspelling@@@replacement" values. Lookups ignore case and allocate nothing.
class TUserDictionary final {
public:
    explicit TUserDictionary(QString path);
    ~TUserDictionary(); // writes the file back when modified

    const QString &path() const { return m_path; }
    bool isReadOnly() const { return m_readOnly; }
    bool isModified() const { return m_modified; }
    bool isLoaded() const { return m_loaded; }

    // A missing or unreadable file gives an empty dictionary.
    void load();
    // Writes the whole file when modified (never a ".dic"); false when that failed.
    bool save();

    bool contains(QStringView word) const;
    // Sorted case-insensitively.
    const QStringList &words() const { return m_words; }
    // Each returns whether the dictionary changed; a ".dic" list never does.
    bool addWord(const QString &word);
    bool removeWord(QStringView word);

    // The replacement stored for `word`, compared ignoring case; null when there is none.
    QString replacementFor(QStringView word) const;
    const QStringList &misspellings() const { return m_misspellings; }
    const QStringList &replacements() const { return m_replacements; }
    // An existing pair for the misspelling gets the new replacement.
    bool addPair(const QString &misspelling, const QString &replacement);
    bool removePair(QStringView misspelling);

    // The file's bytes as save() writes them.
    QByteArray toBytes() const;

private:
    qsizetype lowerBound(QStringView word) const;

    QString m_path;
    bool m_readOnly = false;
    bool m_modified = false;
    bool m_loaded = false;
    QStringList m_words;
    QStringList m_misspellings;
    QStringList m_replacements;
};

// Lists kept sorted without regard to case, searched without allocating.
namespace CaselessList {
qsizetype lowerBound(const QStringList &list, QStringView word);
bool contains(const QStringList &list, QStringView word);
// Inserts in order; false when an equal word (ignoring case) is there already.
bool insert(QStringList &list, const QString &word);
bool remove(QStringList &list, QStringView word);
// Sorts a whole list at once (an insert per word would move the list once per word); of
// equal words the first stays.
void sortUnique(QStringList &list);
} // namespace CaselessList
