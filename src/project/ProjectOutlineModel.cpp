#include "project/ProjectOutlineModel.h"

ProjectOutlineModel::ProjectOutlineModel(const ProjectModel &project, QObject *parent)
    : QAbstractItemModel(parent), m_project(project)
{
}

void ProjectOutlineModel::reload()
{
    beginResetModel();
    const int count = m_project.pageCount();
    m_roots.clear();
    m_children.assign(size_t(count), {});
    m_parent.assign(size_t(count), -1);
    m_row.assign(size_t(count), 0);
    // The nearest earlier page one level up is the parent: a stack of the open ancestors.
    std::vector<int> ancestors;
    for (int page = 0; page < count; ++page) {
        const int level = m_project.pages()[page].level;
        while (!ancestors.empty() && m_project.pages()[ancestors.back()].level >= level)
            ancestors.pop_back();
        const int parent = ancestors.empty() ? -1 : ancestors.back();
        std::vector<int> &siblings = parent < 0 ? m_roots : m_children[size_t(parent)];
        m_parent[size_t(page)] = parent;
        m_row[size_t(page)] = int(siblings.size());
        siblings.push_back(page);
        ancestors.push_back(page);
    }
    endResetModel();
}

void ProjectOutlineModel::titleChanged(int page)
{
    const QModelIndex at = indexOfPage(page);
    Q_EMIT dataChanged(at, at, {Qt::DisplayRole});
}

QModelIndex ProjectOutlineModel::indexOfPage(int page) const
{
    if (page < 0 || size_t(page) >= m_row.size())
        return {};
    return createIndex(m_row[size_t(page)], 0, quintptr(page + 1));
}

QModelIndex ProjectOutlineModel::index(int row, int column, const QModelIndex &parent) const
{
    const std::vector<int> &siblings = childrenOf(pageOf(parent));
    if (column != 0 || row < 0 || size_t(row) >= siblings.size())
        return {};
    return createIndex(row, 0, quintptr(siblings[size_t(row)] + 1));
}

QModelIndex ProjectOutlineModel::parent(const QModelIndex &child) const
{
    const int page = pageOf(child);
    return page < 0 ? QModelIndex() : indexOfPage(m_parent[size_t(page)]);
}

int ProjectOutlineModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(childrenOf(pageOf(parent)).size());
}

int ProjectOutlineModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool ProjectOutlineModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0;
}

QVariant ProjectOutlineModel::data(const QModelIndex &index, int role) const
{
    const int page = pageOf(index);
    if (page < 0 || page >= m_project.pageCount() || role != Qt::DisplayRole)
        return {};
    return m_project.pages()[page].title;
}
