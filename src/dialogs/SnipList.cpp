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

void SnipList::load(const QString &path)
{
    m_entries.clear();
    m_format = {};
    if (const std::optional<LineList> file = readLineList(path)) {
        m_entries = file->lines;
        m_format = file->format;
        sortEntries(m_entries);
    }
}

TextFileResult SnipList::save(const QString &path) const
{
    return writeLineList(path, m_entries, m_format);
}

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
