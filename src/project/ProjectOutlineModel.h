#pragma once

#include "project/ProjectModel.h"

#include <QAbstractItemModel>

#include <vector>

// The page tree of a project as the outline view shows it. The view asks for rows on
// demand, so a project of thousands of pages costs no widget per page.
class ProjectOutlineModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit ProjectOutlineModel(const ProjectModel &project, QObject *parent = nullptr);

    // After any change of the project's pages.
    void reload();
    void titleChanged(int page);

    QModelIndex indexOfPage(int page) const;
    static int pageOf(const QModelIndex &index) { return index.isValid() ? int(index.internalId()) - 1 : -1; }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;

private:
    const std::vector<int> &childrenOf(int page) const { return page < 0 ? m_roots : m_children[page]; }

    const ProjectModel &m_project;
    std::vector<int> m_roots;
    std::vector<std::vector<int>> m_children;
    std::vector<int> m_parent;
    std::vector<int> m_row;
};
