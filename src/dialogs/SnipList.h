#pragma once

#include "dialogs/SortedEntries.h"

#include <QStringList>

// One list of snips (the URL snips or the misc snips): sorted texts stored in one file.
// `selected` is the selected entry's index, -1 for none.
class SnipList final : public SortedLineFile {
public:
    // Each returns the entry to select afterwards. A line break would split an entry in
    // two in the file, so it is stored as a blank.
    int add(const QString &text);
    int remove(int selected);
    int replace(int selected, const QString &text);
};
