#pragma once

#include "tools/LinkCheck.h"

#include <QByteArray>
#include <QDialog>

class EventPump;
template <typename Row> class RowTableModel;
using LinkFindingsModel = RowTableModel<LinkCheck::Finding>;
class Prompts;
class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;
class ToolStatusBar;

// "Check Links": the findings of a link check of a project's pages, one row each (page, line,
// target, problem), filled in as the check goes on. It stays open beside the main window, so
// that a double-clicked row's page can be mended and the check run again.
class TFormCheckLinks final : public QDialog {
    Q_OBJECT
public:
    TFormCheckLinks(Prompts &prompts, EventPump &pump, QWidget *parent = nullptr);
    ~TFormCheckLinks() override;

    // Checks the pages (in this order) against the files of their site folder. Runs until
    // done or stopped, letting window events run between pages.
    void checkPages(const QString &projectName, const QStringList &pagePaths);
    bool isChecking() const { return m_checking; }

    const QList<LinkCheck::Finding> &findings() const;
    QString status() const;

Q_SIGNALS:
    void checkAgainRequested();
    void openRequested(const QString &page, int line);

public Q_SLOTS:
    void BitBtnCheckAgainClick();
    void BitBtnStopMouseDown();
    void BitBtnSaveReportClick();
    void ListViewLinksDblClick(const QModelIndex &index);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void setChecking(bool checking);
    bool pumpAndAskStop();

    Prompts &m_prompts;
    EventPump &m_pump;
    bool m_checking = false;
    bool m_stop = false;
    QString m_projectName;
    QString m_siteFolder;
    QByteArray m_pageBuffer; // reused from page to page

    QLabel *m_siteLabel = nullptr;
    LinkFindingsModel *m_model = nullptr;
    QTreeView *m_list = nullptr;
    QPushButton *m_checkAgain = nullptr;
    QPushButton *m_stopButton = nullptr;
    QPushButton *m_saveReport = nullptr;
    ToolStatusBar *m_statusBar = nullptr;
};
