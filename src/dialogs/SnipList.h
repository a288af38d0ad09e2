#pragma once

#include "dialogs/LineListFile.h"

#include <QStringList>

// One list of snips (the URL snips or the misc snips): sorted texts stored in one file.
// `selected` is the selected entry's index, -1 for none.
class SnipList final {
public:
    // Reads the file when it exists; otherwise the list stays empty.
    void load(const QString &path);
    TextFileResult save(const QString &path) const;

    const QStringList &entries() const { return m_entries; }

    // Each returns the entry to select afterwards. A line break would split an entry in
    // two in the file, so it is stored as a blank.
    int add(const QString &text);
    int remove(int selected);
    int replace(int selected, const QString &text);

private:
    QStringList m_entries;
    TextFormat m_format;
};
