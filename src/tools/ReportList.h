#pragma once

#include "tools/RowTableModel.h"

#include <QListView>
#include <QStringList>

// A list of report lines that a site-wide run can grow by tens of thousands of lines:
// plain strings in a model, no item object per line.
class ReportList final : public QListView {
    Q_OBJECT
public:
    explicit ReportList(QWidget *parent = nullptr);

    const QStringList &lines() const { return m_model->rows(); }
    int count() const { return int(m_model->rows().size()); }
    void addItems(QStringList lines) { m_model->append(lines); }
    void clear() { m_model->setRows({}); }

private:
    RowTableModel<QString> *m_model;
};
