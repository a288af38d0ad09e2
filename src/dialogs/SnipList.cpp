#include "dialogs/SnipList.h"

#include "dialogs/SortedEntries.h"

#include <QRegularExpression>

namespace {
QString oneLine(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return QString(text).replace(lineBreak, QStringLiteral(" "));
}
} // namespace

int SnipList::add(const QString &text)
{
    return insertSorted(m_entries, oneLine(text));
}

int SnipList::remove(int selected)
{
    if (selected < 0 || selected >= m_entries.size())
        return -1;
    m_entries.removeAt(selected);
    return selected - 1;
}

int SnipList::replace(int selected, const QString &text)
{
    if (selected < 0 || selected >= m_entries.size())
        return selected;
    m_entries.removeAt(selected);
    return insertSorted(m_entries, oneLine(text));
}
