#include "project/MoveList.h"

MoveList MoveList::fromProject(const QList<ProjectPage> &pages, const QStringList &paths)
{
    MoveList list;
    for (qsizetype i = 0; i < pages.size(); ++i)
        list.m_lines.append({pages[i].level, pages[i].title, paths.value(i)});
    return list;
}

int MoveList::descendantCount(int line) const
{
    if (line < 0 || line >= m_lines.size())
        return 0;
    int count = 0;
    for (qsizetype i = line + 1; i < m_lines.size() && m_lines[i].level > m_lines[line].level; ++i)
        ++count;
    return count;
}

QString MoveList::displayText(int line) const
{
    const Line &l = m_lines.at(line);
    return QString(4 * (l.level - 1), QLatin1Char(' ')) + l.title;
}

void MoveList::relevel(int first, int count, int by)
{
    for (int i = first; i < first + count; ++i)
        m_lines[i].level = std::max(1, m_lines[i].level + by);
}

MoveList::Outcome MoveList::moveUp(int i)
{
    if (!movable(i))
        return {i, {}};
    const int level = m_lines[i].level;
    const int descendants = descendantCount(i);
    if (i == 1) {
        if (level == 2)
            relevel(i, descendants + 1, -1);
        return {i, {}};
    }
    const int above = m_lines[i - 1].level;
    relevel(i, descendants + 1, above - level);
    // The block (the line and its descendants) takes the place of the line above it.
    const Line moved = m_lines.takeAt(i - 1);
    m_lines.insert(i + descendants, moved);
    return {i - 1, {}};
}

MoveList::Outcome MoveList::moveDown(int i)
{
    if (!movable(i))
        return {i, {}};
    const int n = int(m_lines.size());
    const int level = m_lines[i].level;
    const int descendants = descendantCount(i);
    if (descendants > 0 && i + descendants >= n - 1)
        return {i, MoveTexts::onlyChildrenBelow};
    if (i == n - 1) {
        if (level > 1)
            relevel(i, 1, -1);
        return {i, {}};
    }
    const int next = i + descendants + 1;
    const int nextLevel = m_lines[next].level;
    const int nextDescendants = descendantCount(next);
    if (descendants == 0) {
        if (nextLevel < level && i >= 2)
            m_lines[i].level = nextLevel;
        if (i + 2 < n && m_lines[i + 2].level > m_lines[i].level)
            m_lines[i].level += 1; // it becomes the first sub-page of the next page
        m_lines.swapItemsAt(i, i + 1);
        return {i + 1, {}};
    }
    int by = (nextLevel < level && i >= 2) ? nextLevel - level : 0;
    if (nextDescendants > 0)
        by += 1;
    relevel(i, descendants + 1, by);
    // Put the block back directly after the next page's own line.
    const Line nextLine = m_lines.takeAt(next);
    m_lines.insert(i, nextLine);
    return {i + 1, {}};
}

MoveList::Outcome MoveList::moveIn(int i)
{
    if (!movable(i))
        return {i, {}};
    if (m_lines[i - 1].level < m_lines[i].level)
        return {i, MoveTexts::cannotIndent};
    relevel(i, descendantCount(i) + 1, +1);
    return {i, {}};
}

MoveList::Outcome MoveList::moveOut(int i)
{
    if (!movable(i))
        return {i, {}};
    if (m_lines[i].level >= 2)
        relevel(i, descendantCount(i) + 1, -1);
    return {i, {}};
}

QList<ProjectPage> MoveList::pages() const
{
    QList<ProjectPage> pages;
    for (const Line &line : m_lines)
        pages.append({line.title, line.level});
    return pages;
}

QStringList MoveList::paths() const
{
    QStringList paths;
    for (const Line &line : m_lines)
        paths.append(line.path);
    return paths;
}
