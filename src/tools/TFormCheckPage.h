#pragma once

#include "tools/HtmlTidy.h"

#include <QDialog>

template <typename Row> class RowTableModel;
using CheckPageModel = RowTableModel<HtmlTidy::Message>;
class QLabel;
class QModelIndex;
class QTreeView;

// "Check Page": HTML Tidy's errors and warnings for the text of the editing window, one row
// each (line, column, kind, message). It stays open beside the main window: a double-click
// moves the caret to the place, and "Check Again" checks the text as it is now.
class TFormCheckPage final : public QDialog {
    Q_OBJECT
public:
    explicit TFormCheckPage(QWidget *parent = nullptr);
    ~TFormCheckPage() override;

    void showMessages(const QList<HtmlTidy::Message> &messages);
    const QList<HtmlTidy::Message> &messages() const;
    QString summary() const;

Q_SIGNALS:
    void checkAgainRequested();
    void goToRequested(int line, int column);

public Q_SLOTS:
    void ListViewMessagesDblClick(const QModelIndex &index);

private:
    CheckPageModel *m_model = nullptr;
    QTreeView *m_list = nullptr;
    QLabel *m_summary = nullptr;
};
