#include "dialogs/SortedEntries.h"

#include <algorithm>

bool entryLessThan(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

int insertSorted(QStringList &entries, const QString &entry)
{
    const auto at = std::upper_bound(entries.begin(), entries.end(), entry, entryLessThan);
    const int index = int(at - entries.begin());
    entries.insert(index, entry);
    return index;
}

void sortEntries(QStringList &entries)
{
    std::stable_sort(entries.begin(), entries.end(), entryLessThan);
}
