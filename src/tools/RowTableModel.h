#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <functional>

// A read-only table over a list of rows, for lists that may grow by thousands of rows: the
// column headings and how a row shows in each column and role.
template <typename Row> class RowTableModel final : public QAbstractTableModel {
public:
    using Cell = std::function<QVariant(const Row &row, int column, int role)>;

    RowTableModel(QStringList headings, Cell cell, QObject *parent)
        : QAbstractTableModel(parent), m_headings(std::move(headings)), m_cell(std::move(cell))
    {
    }

    const QList<Row> &rows() const { return m_rows; }

    void setRows(QList<Row> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }

    // Moves the rows in at the end.
    void append(QList<Row> &rows)
    {
        if (rows.isEmpty())
            return;
        beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + rows.size() - 1));
        m_rows << rows;
        endInsertRows();
        rows.clear();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_headings.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size())
            return {};
        return m_cell(m_rows.at(index.row()), index.column(), role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_headings.value(section);
        return {};
    }

private:
    QStringList m_headings;
    Cell m_cell;
    QList<Row> m_rows;
};
