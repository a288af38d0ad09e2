#include "tools/ReportList.h"

ReportList::ReportList(QWidget *parent)
    : QListView(parent),
      m_model(new RowTableModel<QString>(
          {QString()}, // one column, without a heading
          [](const QString &line, int, int role) { return role == Qt::DisplayRole ? QVariant(line) : QVariant(); },
          this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}
