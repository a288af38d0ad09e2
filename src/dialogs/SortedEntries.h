#pragma once

#include <QStringList>

// The order of the program's sorted lists (custom tags, snips): letters compare without
// regard to case, as a sorted list box does; texts equal but for case keep a fixed order.
bool entryLessThan(const QString &a, const QString &b);

// Inserts `entry` at its sorted place and returns that place.
int insertSorted(QStringList &entries, const QString &entry);
void sortEntries(QStringList &entries);
