#include "tools/ReportList.h"

void ReportLinesModel::append(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    beginInsertRows({}, int(m_lines.size()), int(m_lines.size() + lines.size() - 1));
    m_lines << lines;
    endInsertRows();
}

void ReportLinesModel::clear()
{
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

int ReportLinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ReportLinesModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_lines.size())
        return {};
    return m_lines.at(index.row());
}

ReportList::ReportList(QWidget *parent) : QListView(parent), m_model(new ReportLinesModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}
