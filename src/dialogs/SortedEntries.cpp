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

void SortedLineFile::load(const QString &path)
{
    m_entries.clear();
    m_format = {};
    if (const std::optional<LineList> file = readLineList(path)) {
        m_entries = file->lines;
        m_format = file->format;
        sortEntries(m_entries);
    }
}

bool SortedLineFile::save(const QString &path, QString *error) const
{
    return writeLineList(path, m_entries, m_format, error);
}
