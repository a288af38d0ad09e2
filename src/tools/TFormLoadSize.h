#pragma once

#include "project/ProjectModel.h"
#include "tools/SiteAnalysis.h"

#include "tools/SiteToolContext.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>

#include <memory>

class Clock;
class EventPump;
class Prompts;
class ProjectOutlineModel;
class QListWidget;
class QModelIndex;
class QTreeWidgetItem;
class ReportList;
class Settings;

namespace Ui {
class TFormLoadSize;
}

namespace LoadSizeTexts {
inline const QString caption = QStringLiteral("Web Page Analysis");
inline const QString alreadyLoaded = QStringLiteral(
    "The page you selected has already been loaded and prepared for analysis. Just click the ANALYZE PAGE button "
    "on either screen to view the analysis data for the page.");
inline const QString noPageSelected = QStringLiteral("You have not selected a web page to analyze.");
inline const QString browseNote = QStringLiteral(
    "In the next dialog box, go to the directory where you store the images used in your HTML files and select any "
    "file in that directory. Then click the OPEN button. That will return the proper directory location.");
inline const QString errorNote = QStringLiteral("*  = see Page Summary for error details");
inline const QString mustEnterText = QStringLiteral("You must enter some text to search for. Please try again.");
inline const QString nothingToPrint = QStringLiteral("Nothing to print.");
inline const QString siteToSearch = QStringLiteral("Site to search:  ");
inline const QString noSiteSelected =
    QStringLiteral("Site to search:  NONE SELECTED --   Go to \"Site Analysis\" tab above and choose one.");
} // namespace LoadSizeTexts

// What outlives one opening of the analysis window: the stop flag and the current page.
struct AnalysisMemory {
    bool stop = false;
    QString pagePath;
    QString pageTitle;
};

// What the analysis window gets from the main window.
struct LoadSizeContext : SiteToolContext {
    AnalysisMemory *memory = nullptr;
    ProjectModel project;  // the main window's project: its page tree and paths
    int selectedPage = -1; // the page selected in the main window
    QString filesTabPath;  // "Analyze Web Page": the file chosen in the Files tab
};

// "Web Page Analysis": sizes and load times, link and image listings, and the pages that
// contain a text, for one page or every page of a project, read from the files on disk.
class TFormLoadSize final : public QDialog {
    Q_OBJECT
public:
    explicit TFormLoadSize(LoadSizeContext context, QWidget *parent = nullptr);
    ~TFormLoadSize() override;

    // The lines of the grid, cell by cell, for printing and tests.
    QList<QStringList> gridRows() const;
    QString status() const;

public Q_SLOTS:
    void ComboProjectsChange(int index);
    void ComboLinksChange(int index);
    void Outline1Click(const QModelIndex &index);
    void EditImagePathChange(const QString &text);
    void EditImagePathExit();
    void BitBtnImagePathClick();
    void BitBtnAnalyzePageClick();
    void BitBtnAnalyzeSiteClick();
    void BitBtnClearGridClick();
    void BitBtnStopMouseDown();
    void BitBtnLinksPageClick();
    void BitBtnLinksSiteClick();
    void BitBtnFindClick();
    void BitBtnPrintSiteClick();
    void BitBtnPrintPageClick();
    void BitBtnPrintListingClick();
    void BitBtnPrintReportClick();
    void BitBtnCloseClick();

private:
    void connectControls();
    void FormCreate();
    void chooseProject(int index);
    void makeCurrent(int page);
    void expandOutlines();
    void showCurrentInOutlines();
    QString imageFolder() const;
    void analyzeOne(int page, QStringList &summary, QList<QTreeWidgetItem *> &rows);
    void flushSiteLists(QStringList &summary, QList<QTreeWidgetItem *> &rows);
    void runListing(bool site);
    bool collectLinks(bool site, QStringList &links);
    bool collectPictures(bool site, QStringList &pictures);
    void setBusy(bool busy, int steps = 0);
    void setStatus(const QString &text);
    void advanceProgress(int done);
    void printList(const ReportList *list);

    LoadSizeContext m_context;
    ProjectModel m_site;
    int m_currentPage = -1;
    bool m_outlinesExpanded = false;
    SiteAnalysis::PictureSizes m_pictureSizes; // one look-up per picture and run
    QByteArray m_pageBuffer;                   // reused from page to page

    std::unique_ptr<Ui::TFormLoadSize> m_ui;
    ProjectOutlineModel *m_outlineModel = nullptr;
    QListWidget *m_listBoxFiles = nullptr;
};
