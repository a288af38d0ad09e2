#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

// A list of report lines that a site-wide run can grow by tens of thousands of lines:
// plain strings in a model, no item object per line.
class ReportLinesModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    const QStringList &lines() const { return m_lines; }
    void append(const QStringList &lines);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList m_lines;
};

class ReportList final : public QListView {
    Q_OBJECT
public:
    explicit ReportList(QWidget *parent = nullptr);

    const QStringList &lines() const { return m_model->lines(); }
    int count() const { return int(m_model->lines().size()); }
    void addItems(const QStringList &lines) { m_model->append(lines); }
    void clear() { m_model->clear(); }

private:
    ReportLinesModel *m_model;
};
