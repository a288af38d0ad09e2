#pragma once

#include "dialogs/LineListFile.h"

#include <QStringList>

// The order of the program's sorted lists (custom tags, snips): letters compare without
// regard to case, as a sorted list box does; texts equal but for case keep a fixed order.
bool entryLessThan(const QString &a, const QString &b);

// Inserts `entry` at its sorted place and returns that place.
int insertSorted(QStringList &entries, const QString &entry);
void sortEntries(QStringList &entries);

// A sorted list of one-line entries, read from and written whole to one file (custom tags,
// snips). A missing or unreadable file leaves the list empty; a failed save leaves the file
// as it was and the list as the user left it.
class SortedLineFile {
public:
    void load(const QString &path);
    bool save(const QString &path, QString *error = nullptr) const;
    const QStringList &entries() const { return m_entries; }

protected:
    QStringList m_entries;

private:
    TextFormat m_format;
};
