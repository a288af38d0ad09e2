#include "tools/TFormLoadSize.h"

#include "platform/PlainTexts.h"
#include "tools/ToolStatusBar.h"

#include "config/Settings.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/TextFile.h"
#include "project/ProjectOutlineModel.h"
#include "project/ProjectPrinting.h"
#include "tools/PageScans.h"
#include "tools/ReportList.h"
#include "tools/SiteAnalysis.h"
#include "tools/SiteFiles.h"
#include "tools/SiteProjects.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
namespace T {
const QString siteTab = QStringLiteral("Site Analysis");
const QString listTab = QStringLiteral("Link / Image Lists");
const QString searchTab = QStringLiteral("Show Me Where...");
const QString imageHint = QStringLiteral("Image files are in this directory: (should end in a '\\' character)");
const QString imageExample = QStringLiteral("(ex:  c:\\web\\images\\)");
const QString whatToAnalyze = QStringLiteral("What to analyze?");
const QString selectSite = QStringLiteral("Select a Site/Project:");
const QString selectPage = QStringLiteral("Select a Page to analyze");
const QString analyzePage = QStringLiteral("Analyze Page");
const QString analyzePageHint = QStringLiteral("Analyze Selected Page from Site");
const QString analyzeSite = QStringLiteral("Analyze Site");
const QString analyzeSiteHint = QStringLiteral("Analyze All Pages in Site");
const QString stop = QStringLiteral("Stop Site Analysis");
const QString clearGrid = QStringLiteral("Clear Site Summary Grid");
const QString siteSummary = QStringLiteral("Site Summary:");
const QString pageSummary = QStringLiteral("Page Summary:");
const QString printSite = QStringLiteral("Site Summary");
const QString printPage = QStringLiteral("Page Summary");
const QString close = QStringLiteral("&Close");
const QString listingRequested = QStringLiteral("Listing Requested: ");
const QString allLinks = QStringLiteral("All HREF Links");
const QString allImages = QStringLiteral("All Images");
const QString both = QStringLiteral("Both");
const QString printListing = QStringLiteral("Print Listing");
const QString listNote = QStringLiteral(
    "This analysis can list all the images or HREF links contained on any page, or across an entire site.");
const QString step1 =
    QStringLiteral("Step #1: Go to the \"Site Analysis\" tab above and select the site/project you wish to analyze.");
const QString step2 =
    QStringLiteral("Step #2: Enter the text you wish to search for below -- do not use any quote marks.");
const QString caseNote = QStringLiteral("(note: search is case insensitive)");
const QString step3 = QStringLiteral("Step #3: Ready to begin search? Click button below...");
const QString searchInitial = QStringLiteral("Enter text to search for here....");
const QString find = QStringLiteral("&Find Pages with this text:");
const QString fileNameOnly = QStringLiteral("Show HTML filename only, without full path");
const QString printReport = QStringLiteral("&Print Report");
const QString searchNote = QStringLiteral(
    "This analysis tells you the specific pages within your site that contain a certain text string. For example, "
    "you may want to know which pages still list your old web address. Just type it in below and you will get a "
    "report listing the guilty pages.");
const QString extracting = QStringLiteral("Extracting Links...");
const QString sorting = QStringLiteral("Sorting...");
const QString sortingPictures = QStringLiteral("Sorting:");
const QString idle = QStringLiteral("Status:");
const QString aborted = QStringLiteral("Status: Aborted.");
const QString searchAborted = QStringLiteral("Status: Search Aborted.");
const QString scanning = QStringLiteral("Scanning for Images...");
const QString finding = QStringLiteral("Finding text...");
const QString finished = QStringLiteral("Status: Finished.");
const QStringList gridHeadings{QStringLiteral("Page"),
                               QStringLiteral("File Size"),
                               QStringLiteral("Unique Images"),
                               QStringLiteral("Total Image KB"),
                               QStringLiteral("Est. Load Time @ 28.8"),
                               QStringLiteral("Est. Load Time @ 14.4")};
const QStringList printHeadings{QStringLiteral("Page"),           QStringLiteral("File Size"),
                                QStringLiteral("Unique Images"),  QStringLiteral("Total Image KB"),
                                QStringLiteral("Est. 28.8 Time"), QStringLiteral("Est. 14.4 Time")};
} // namespace T

// Lists and the grid are filled about once a second: each addition lays a list out again
// whole, which a site of thousands of pages must not pay for page after page.
constexpr qint64 kShowEveryMs = 1000;

ReportList *reportList(const QString &name, QWidget *parent)
{
    auto *list = new ReportList(parent);
    list->setObjectName(name);
    list->setMinimumWidth(200);
    return list;
}

QPushButton *stopButton(const QString &name, QWidget *parent, TFormLoadSize *form)
{
    auto *button = new QPushButton(T::stop, parent);
    button->setObjectName(name);
    // A press of the mouse stops at once; the click comes too late inside a long loop.
    QObject::connect(button, &QPushButton::pressed, form, &TFormLoadSize::BitBtnStopMouseDown);
    return button;
}
} // namespace

TFormLoadSize::TFormLoadSize(LoadSizeContext context, QWidget *parent) : QDialog(parent), m_context(std::move(context))
{
    setObjectName(QStringLiteral("FormLoadSize"));
    setWindowTitle(LoadSizeTexts::caption);
    auto *layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(m_pages, 1);
    m_outlineModel = new ProjectOutlineModel(m_site, this);
    const QString tabNames[] = {QStringLiteral("TabSheet1"), QStringLiteral("TabSheet2"), QStringLiteral("TabSheet3")};
    const QString tabCaptions[] = {T::siteTab, T::listTab, T::searchTab};
    QWidget *tabs[3];
    for (int i = 0; i < 3; ++i) {
        tabs[i] = new QWidget(m_pages);
        tabs[i]->setObjectName(tabNames[i]);
        m_pages->addTab(tabs[i], tabCaptions[i]);
    }
    buildSiteTab(tabs[0]);
    buildListTab(tabs[1]);
    buildSearchTab(tabs[2]);

    m_listBoxFiles = new QListWidget(this);
    m_listBoxFiles->setObjectName(QStringLiteral("ListBoxFiles"));
    m_listBoxFiles->hide();
    m_statusBar = new ToolStatusBar(this);
    layout->addWidget(m_statusBar);
    resize(860, 640);
    FormCreate();
    showTextsAsPlainText(this);
}

TFormLoadSize::~TFormLoadSize() = default;

void TFormLoadSize::buildSiteTab(QWidget *page)
{
    auto *layout = new QGridLayout(page);
    auto *hint = new QLabel(T::imageHint, page);
    m_imagePath = new QLineEdit(page);
    m_imagePath->setObjectName(QStringLiteral("EditImagePath"));
    auto *browse = new QPushButton(QStringLiteral("..."), page);
    browse->setObjectName(QStringLiteral("BitBtnImagePath"));
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_imagePath, 1);
    pathRow->addWidget(browse);
    layout->addWidget(hint, 0, 0, 1, 2);
    layout->addLayout(pathRow, 1, 0, 1, 2);
    layout->addWidget(new QLabel(T::imageExample, page), 2, 0, 1, 2);

    auto *group = new QGroupBox(T::whatToAnalyze, page);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel(T::selectSite, group));
    m_comboProjects = new QComboBox(group);
    m_comboProjects->setObjectName(QStringLiteral("ComboProjects"));
    groupLayout->addWidget(m_comboProjects);
    groupLayout->addWidget(new QLabel(T::selectPage, group));
    m_outline1 = new QTreeView(group);
    m_outline1->setObjectName(QStringLiteral("Outline1"));
    m_outline1->setHeaderHidden(true);
    m_outline1->setUniformRowHeights(true);
    m_outline1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_outline1->setModel(m_outlineModel);
    groupLayout->addWidget(m_outline1, 1);
    layout->addWidget(group, 3, 0, 4, 1);

    auto *buttons = new QVBoxLayout;
    auto *analyzePage = new QPushButton(T::analyzePage, page);
    analyzePage->setObjectName(QStringLiteral("BitBtnAnalyzePage"));
    analyzePage->setToolTip(T::analyzePageHint);
    auto *analyzeSite = new QPushButton(T::analyzeSite, page);
    analyzeSite->setObjectName(QStringLiteral("BitBtnAnalyzeSite"));
    analyzeSite->setToolTip(T::analyzeSiteHint);
    auto *clear = new QPushButton(T::clearGrid, page);
    clear->setObjectName(QStringLiteral("BitBtnClearGrid"));
    buttons->addWidget(analyzePage);
    buttons->addWidget(analyzeSite);
    buttons->addWidget(stopButton(QStringLiteral("BitBtnStop1"), page, this));
    buttons->addWidget(clear);
    buttons->addStretch(1);
    layout->addLayout(buttons, 3, 1);

    layout->addWidget(new QLabel(T::siteSummary, page), 0, 2);
    m_grid = new QTreeWidget(page);
    m_grid->setObjectName(QStringLiteral("ListView1"));
    m_grid->setRootIsDecorated(false);
    m_grid->setUniformRowHeights(true);
    m_grid->setHeaderLabels(T::gridHeadings);
    m_grid->setColumnWidth(0, 140);
    for (int column = 1; column < 6; ++column)
        m_grid->setColumnWidth(column, 90);
    layout->addWidget(m_grid, 1, 2, 3, 2);
    layout->addWidget(new QLabel(T::pageSummary, page), 4, 2);
    m_pageSummary = reportList(QStringLiteral("ListBox3"), page);
    layout->addWidget(m_pageSummary, 5, 2, 1, 2);
    m_errorNote = new QLabel(LoadSizeTexts::errorNote, page);
    m_errorNote->setObjectName(QStringLiteral("LabelErrorNote"));
    m_errorNote->hide();
    auto *printRow = new QHBoxLayout;
    auto *printSite = new QPushButton(T::printSite, page);
    printSite->setObjectName(QStringLiteral("BitBtnPrintSite"));
    auto *printPage = new QPushButton(T::printPage, page);
    printPage->setObjectName(QStringLiteral("BitBtnPrintPage"));
    auto *close = new QPushButton(T::close, page);
    close->setObjectName(QStringLiteral("BitBtnClose1"));
    printRow->addWidget(m_errorNote);
    printRow->addStretch(1);
    printRow->addWidget(printSite);
    printRow->addWidget(printPage);
    printRow->addWidget(close);
    layout->addLayout(printRow, 6, 2, 1, 2);
    layout->setColumnStretch(2, 3);
    layout->setRowStretch(5, 1);

    connect(m_imagePath, &QLineEdit::textEdited, this, &TFormLoadSize::EditImagePathChange);
    connect(m_imagePath, &QLineEdit::editingFinished, this, &TFormLoadSize::EditImagePathExit);
    connect(browse, &QPushButton::clicked, this, &TFormLoadSize::BitBtnImagePathClick);
    connect(m_comboProjects, &QComboBox::activated, this, &TFormLoadSize::ComboProjectsChange);
    connect(m_outline1, &QTreeView::clicked, this, &TFormLoadSize::Outline1Click);
    connect(m_outline1, &QTreeView::collapsed, this, [this] { m_outlinesExpanded = false; });
    connect(analyzePage, &QPushButton::clicked, this, &TFormLoadSize::BitBtnAnalyzePageClick);
    connect(analyzeSite, &QPushButton::clicked, this, &TFormLoadSize::BitBtnAnalyzeSiteClick);
    connect(clear, &QPushButton::clicked, this, &TFormLoadSize::BitBtnClearGridClick);
    connect(printSite, &QPushButton::clicked, this, &TFormLoadSize::BitBtnPrintSiteClick);
    connect(printPage, &QPushButton::clicked, this, &TFormLoadSize::BitBtnPrintPageClick);
    connect(close, &QPushButton::clicked, this, &TFormLoadSize::BitBtnCloseClick);
}

void TFormLoadSize::buildListTab(QWidget *page)
{
    auto *layout = new QGridLayout(page);
    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(T::selectSite, page));
    m_comboLinks = new QComboBox(page);
    m_comboLinks->setObjectName(QStringLiteral("ComboLinks"));
    left->addWidget(m_comboLinks);
    m_outlineLinks = new QTreeView(page);
    m_outlineLinks->setObjectName(QStringLiteral("OutlineLinks"));
    m_outlineLinks->setHeaderHidden(true);
    m_outlineLinks->setUniformRowHeights(true);
    m_outlineLinks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_outlineLinks->setModel(m_outlineModel);
    left->addWidget(m_outlineLinks, 1);
    layout->addLayout(left, 0, 0, 5, 1);

    auto *group = new QGroupBox(T::listingRequested, page);
    group->setObjectName(QStringLiteral("RadioGroupListing"));
    auto *groupLayout = new QVBoxLayout(group);
    m_radioLinks = new QRadioButton(T::allLinks, group);
    m_radioLinks->setObjectName(QStringLiteral("RadioLinks"));
    m_radioLinks->setChecked(true);
    m_radioImages = new QRadioButton(T::allImages, group);
    m_radioImages->setObjectName(QStringLiteral("RadioImages"));
    m_radioBoth = new QRadioButton(T::both, group);
    m_radioBoth->setObjectName(QStringLiteral("RadioBoth"));
    groupLayout->addWidget(m_radioLinks);
    groupLayout->addWidget(m_radioImages);
    groupLayout->addWidget(m_radioBoth);
    layout->addWidget(group, 0, 1);
    auto *buttons = new QHBoxLayout;
    auto *analyzePage = new QPushButton(T::analyzePage, page);
    analyzePage->setObjectName(QStringLiteral("BitBtnLinksPage"));
    analyzePage->setToolTip(T::analyzePageHint);
    auto *analyzeSite = new QPushButton(T::analyzeSite, page);
    analyzeSite->setObjectName(QStringLiteral("BitBtnLinksSite"));
    analyzeSite->setToolTip(T::analyzeSiteHint);
    auto *print = new QPushButton(T::printListing, page);
    print->setObjectName(QStringLiteral("BitBtnPrintListing"));
    auto *close = new QPushButton(T::close, page);
    close->setObjectName(QStringLiteral("BitBtnClose2"));
    buttons->addWidget(analyzePage);
    buttons->addWidget(analyzeSite);
    buttons->addWidget(stopButton(QStringLiteral("BitBtnStop2"), page, this));
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    layout->addLayout(buttons, 1, 1);
    m_listing = reportList(QStringLiteral("ListBoxLinks"), page);
    layout->addWidget(m_listing, 2, 1, 2, 1);
    auto *note = new QLabel(T::listNote, page);
    note->setWordWrap(true);
    layout->addWidget(note, 4, 1);
    layout->setColumnStretch(1, 3);
    layout->setRowStretch(3, 1);

    connect(m_comboLinks, &QComboBox::activated, this, &TFormLoadSize::ComboLinksChange);
    connect(m_outlineLinks, &QTreeView::clicked, this, &TFormLoadSize::Outline1Click);
    connect(m_outlineLinks, &QTreeView::collapsed, this, [this] { m_outlinesExpanded = false; });
    connect(analyzePage, &QPushButton::clicked, this, &TFormLoadSize::BitBtnLinksPageClick);
    connect(analyzeSite, &QPushButton::clicked, this, &TFormLoadSize::BitBtnLinksSiteClick);
    connect(print, &QPushButton::clicked, this, &TFormLoadSize::BitBtnPrintListingClick);
    connect(close, &QPushButton::clicked, this, &TFormLoadSize::BitBtnCloseClick);
}

void TFormLoadSize::buildSearchTab(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    auto *note = new QLabel(T::searchNote, page);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(new QLabel(T::step1, page));
    m_siteLabel = new QLabel(LoadSizeTexts::noSiteSelected, page);
    m_siteLabel->setObjectName(QStringLiteral("LabelSite"));
    layout->addWidget(m_siteLabel);
    layout->addWidget(new QLabel(T::step2, page));
    layout->addWidget(new QLabel(T::caseNote, page));
    m_searchText = new QLineEdit(T::searchInitial, page);
    m_searchText->setObjectName(QStringLiteral("EditSearch"));
    layout->addWidget(m_searchText);
    layout->addWidget(new QLabel(T::step3, page));
    auto *row = new QHBoxLayout;
    m_findButton = new QPushButton(T::find, page);
    m_findButton->setObjectName(QStringLiteral("BitBtnFind"));
    m_findButton->setEnabled(false);
    m_fileNameOnly = new QCheckBox(T::fileNameOnly, page);
    m_fileNameOnly->setObjectName(QStringLiteral("CheckFileOnly"));
    row->addWidget(m_findButton);
    row->addWidget(m_fileNameOnly);
    row->addStretch(1);
    layout->addLayout(row);
    m_found = reportList(QStringLiteral("ListBoxFound"), page);
    layout->addWidget(m_found, 1);
    auto *buttons = new QHBoxLayout;
    auto *print = new QPushButton(T::printReport, page);
    print->setObjectName(QStringLiteral("BitBtnPrintReport"));
    auto *close = new QPushButton(T::close, page);
    close->setObjectName(QStringLiteral("BitBtnClose3"));
    buttons->addWidget(print);
    buttons->addWidget(stopButton(QStringLiteral("BitBtnStop3"), page, this));
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_findButton, &QPushButton::clicked, this, &TFormLoadSize::BitBtnFindClick);
    connect(print, &QPushButton::clicked, this, &TFormLoadSize::BitBtnPrintReportClick);
    connect(close, &QPushButton::clicked, this, &TFormLoadSize::BitBtnCloseClick);
}

// ---------------------------------------------------------------------------------------
// Opening and choosing

void TFormLoadSize::FormCreate()
{
    m_pages->setCurrentIndex(0);
    const QStringList projects = SiteProjects::list(m_context.projectsFolder);
    m_comboProjects->addItems(projects);
    m_comboLinks->addItems(projects);
    m_comboProjects->setCurrentIndex(-1);
    m_comboLinks->setCurrentIndex(-1);
    const int open = SiteProjects::indexOf(projects, m_context.projectName);
    if (open >= 0) {
        m_comboProjects->setCurrentIndex(open);
        m_comboLinks->setCurrentIndex(open);
        m_findButton->setEnabled(true);
        const QString shown = m_comboProjects->currentText();
        m_siteLabel->setText(LoadSizeTexts::siteToSearch + shown.chopped(std::min<qsizetype>(4, shown.size())));
    }
    m_site = m_context.project;
    m_outlineModel->reload();
    m_outlinesExpanded = false; // a new tree starts collapsed
    m_listBoxFiles->addItems(m_site.paths());
    expandOutlines();
    if (!m_context.projectName.isEmpty() && m_context.selectedPage >= 0 && m_context.selectedPage < m_site.pageCount())
        makeCurrent(m_context.selectedPage);
    showCurrentInOutlines();
    m_imagePath->setText(m_context.settings->text(SettingKey::ImagesFolder));
    if (!m_context.filesTabPath.isEmpty())
        m_context.memory->pagePath = m_context.filesTabPath;
}

void TFormLoadSize::chooseProject(int index)
{
    if (index < 0)
        return;
    m_comboProjects->setCurrentIndex(index);
    m_comboLinks->setCurrentIndex(index);
    const QString shown = m_comboProjects->itemText(index);
    QString error;
    const std::optional<ProjectModel> project = SiteProjects::read(m_context.projectsFolder, shown, &error);
    m_site = project.value_or(ProjectModel());
    m_outlineModel->reload();
    m_outlinesExpanded = false; // a new tree starts collapsed
    m_listBoxFiles->clear();
    m_listBoxFiles->addItems(m_site.paths());
    m_pageSummary->clear();
    expandOutlines();
    m_currentPage = -1;
    if (!project)
        m_context.prompts->error(error);
    else if (!m_site.isEmpty())
        makeCurrent(0);
    showCurrentInOutlines();
    m_findButton->setEnabled(true);
}

void TFormLoadSize::ComboProjectsChange(int index)
{
    chooseProject(index);
    const QString shown = m_comboProjects->currentText();
    m_siteLabel->setText(LoadSizeTexts::siteToSearch + shown.chopped(std::min<qsizetype>(4, shown.size())));
}

void TFormLoadSize::ComboLinksChange(int index)
{
    chooseProject(index);
}

void TFormLoadSize::expandOutlines()
{
    // Laying out thousands of pages again costs more than a search: only after a collapse.
    if (m_outlinesExpanded)
        return;
    m_outline1->expandAll();
    m_outlineLinks->expandAll();
    m_outlinesExpanded = true;
}

void TFormLoadSize::makeCurrent(int page)
{
    m_currentPage = page;
    m_context.memory->pagePath = m_site.filePathOf(page);
    m_context.memory->pageTitle = m_site.pages().value(page).title;
}

void TFormLoadSize::showCurrentInOutlines()
{
    const QModelIndex index = m_outlineModel->indexOfPage(m_currentPage);
    for (QTreeView *outline : {m_outline1, m_outlineLinks}) {
        outline->setCurrentIndex(index);
        if (index.isValid())
            outline->scrollTo(index);
    }
}

void TFormLoadSize::Outline1Click(const QModelIndex &index)
{
    const int page = ProjectOutlineModel::pageOf(index);
    if (page < 0)
        return;
    makeCurrent(page);
    showCurrentInOutlines();
}

// ---------------------------------------------------------------------------------------
// The image folder

QString TFormLoadSize::imageFolder() const
{
    return m_context.settings->text(SettingKey::ImagesFolder);
}

void TFormLoadSize::EditImagePathChange(const QString &text)
{
    m_context.settings->setInMemory(SettingKey::ImagesFolder, SiteAnalysis::withSeparator(text));
}

void TFormLoadSize::EditImagePathExit()
{
    const QString folder = SiteAnalysis::withSeparator(m_imagePath->text());
    m_context.settings->setInMemory(SettingKey::ImagesFolder, folder);
    if (m_imagePath->text() != folder)
        m_imagePath->setText(folder);
}

void TFormLoadSize::BitBtnImagePathClick()
{
    m_context.prompts->information(LoadSizeTexts::browseNote);
    FileDialogRequest request;
    request.filter = QStringLiteral("*.*|*.*");
    request.folder = imageFolder();
    const QString chosen = m_context.prompts->openFile(request);
    if (chosen.isEmpty())
        return;
    // The folder keeps its case: names differ by case on this file system.
    m_imagePath->setText(folderPart(chosen));
    m_context.settings->setInMemory(SettingKey::ImagesFolder, folderPart(chosen));
}

// ---------------------------------------------------------------------------------------
// Size analysis

void TFormLoadSize::setBusy(bool busy, int steps)
{
    if (busy)
        m_statusBar->begin(steps);
    else
        m_statusBar->end();
}

void TFormLoadSize::advanceProgress(int done)
{
    m_statusBar->advance(done);
}

void TFormLoadSize::setStatus(const QString &text)
{
    m_statusBar->setText(text);
}

QString TFormLoadSize::status() const
{
    return m_statusBar->text();
}

void TFormLoadSize::analyzeOne(int page, QStringList &summary, QList<QTreeWidgetItem *> &rows)
{
    const QString path = page >= 0 ? m_site.filePathOf(page) : m_context.memory->pagePath;
    const QString title = page >= 0 ? m_site.pages().value(page).title : m_context.memory->pageTitle;
    QString reason;
    const bool readable = SiteFiles::readWhole(path, m_pageBuffer, &reason);
    const SiteAnalysis::PageReport report =
        SiteAnalysis::analyzePage(title, path, readable ? std::optional<QByteArrayView>(m_pageBuffer) : std::nullopt,
                                  imageFolder(), m_pictureSizes, [this] { return m_context.memory->stop; });
    if (report.outcome == SiteAnalysis::PageReport::Outcome::Unreadable)
        m_context.prompts->information(report.message + QLatin1Char('\n') + reason); // what is wrong with it
    summary << report.summary;
    if (report.pictureError)
        m_errorNote->show();
    if (!report.row.isEmpty())
        rows << new QTreeWidgetItem(report.row);
}

void TFormLoadSize::flushSiteLists(QStringList &summary, QList<QTreeWidgetItem *> &rows)
{
    m_pageSummary->addItems(summary);
    m_grid->addTopLevelItems(rows);
    summary.clear();
    rows.clear();
}

void TFormLoadSize::BitBtnAnalyzePageClick()
{
    // A stop pressed in an earlier run must not cut this page's analysis short.
    m_context.memory->stop = false;
    m_pictureSizes = {};
    m_pageSummary->clear();
    QStringList summary;
    QList<QTreeWidgetItem *> rows;
    analyzeOne(m_currentPage >= 0 && m_site.filePathOf(m_currentPage) == m_context.memory->pagePath ? m_currentPage
                                                                                                    : -1,
               summary, rows);
    flushSiteLists(summary, rows);
}

void TFormLoadSize::BitBtnAnalyzeSiteClick()
{
    expandOutlines();
    m_context.memory->stop = false;
    m_pictureSizes = {};
    const int pages = m_site.pageCount();
    setBusy(true, pages);
    m_pageSummary->clear();
    m_grid->clear();
    m_errorNote->hide();
    QStringList summary;
    QList<QTreeWidgetItem *> rows;
    QElapsedTimer sinceShown;
    sinceShown.start();
    for (int page = 0; page < pages; ++page) {
        m_context.pump->processEvents();
        if (m_context.memory->stop)
            break;
        advanceProgress(page + 1);
        makeCurrent(page);
        analyzeOne(page, summary, rows);
        // Adding to the lists lays them out again whole: now and then is enough to watch.
        if (sinceShown.elapsed() >= kShowEveryMs) {
            flushSiteLists(summary, rows);
            showCurrentInOutlines();
            sinceShown.restart();
        }
    }
    flushSiteLists(summary, rows);
    showCurrentInOutlines();
    setBusy(false);
}

void TFormLoadSize::BitBtnClearGridClick()
{
    m_grid->clear();
}

void TFormLoadSize::BitBtnStopMouseDown()
{
    m_context.memory->stop = true;
}

QList<QStringList> TFormLoadSize::gridRows() const
{
    QList<QStringList> rows;
    for (int i = 0; i < m_grid->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < m_grid->columnCount(); ++column)
            cells << m_grid->topLevelItem(i)->text(column);
        rows << cells;
    }
    return rows;
}

// ---------------------------------------------------------------------------------------
// Link and image listings

bool TFormLoadSize::collectLinks(bool site, QStringList &links)
{
    setStatus(T::extracting);
    if (!site) {
        if (const std::optional<QByteArray> bytes = SiteFiles::readWhole(m_context.memory->pagePath))
            links = PageScans::links(*bytes);
        return true;
    }
    for (int page = 0; page < m_site.pageCount(); ++page) {
        m_context.pump->processEvents();
        if (m_context.memory->stop) {
            setStatus(T::aborted);
            return false;
        }
        advanceProgress(page + 1);
        makeCurrent(page);
        if (const std::optional<QByteArray> bytes = SiteFiles::readWhole(m_site.filePathOf(page)))
            links << PageScans::links(*bytes);
    }
    return true;
}

bool TFormLoadSize::collectPictures(bool site, QStringList &pictures)
{
    setStatus(T::scanning);
    if (!site) {
        if (const std::optional<QByteArray> bytes = SiteFiles::readWhole(m_context.memory->pagePath))
            pictures = PageScans::pictures(*bytes);
        return true;
    }
    for (int page = 0; page < m_site.pageCount(); ++page) {
        m_context.pump->processEvents();
        if (m_context.memory->stop) {
            setStatus(T::searchAborted);
            return false;
        }
        advanceProgress(page + 1);
        makeCurrent(page);
        if (const std::optional<QByteArray> bytes = SiteFiles::readWhole(m_site.filePathOf(page)))
            pictures << PageScans::pictures(*bytes);
    }
    return true;
}

void TFormLoadSize::runListing(bool site)
{
    m_context.memory->stop = false;
    setBusy(true, site ? m_site.pageCount() : 1);
    m_listing->clear();
    const bool links = !m_radioImages->isChecked();
    const bool pictures = !m_radioLinks->isChecked();
    bool finished = true;
    if (links) {
        QStringList found;
        finished = collectLinks(site, found);
        if (finished) {
            setStatus(T::sorting);
            m_listing->addItems(
                SiteAnalysis::linkReport(m_context.memory->pageTitle, m_context.memory->pagePath, found));
            setStatus(T::idle);
        }
    }
    if (finished && m_radioBoth->isChecked())
        m_listing->addItems(SiteAnalysis::bothSeparator());
    if (finished && pictures) {
        QStringList found;
        if (collectPictures(site, found)) {
            setStatus(T::sortingPictures);
            m_listing->addItems(
                site ? SiteAnalysis::siteImageReport(m_comboLinks->currentText(), imageFolder(), found, m_pictureSizes)
                     : SiteAnalysis::pageImageReport(m_context.memory->pageTitle, m_context.memory->pagePath,
                                                     imageFolder(), found, m_pictureSizes));
            setStatus(T::idle);
        }
    }
    showCurrentInOutlines();
    setBusy(false);
}

void TFormLoadSize::BitBtnLinksPageClick()
{
    runListing(false);
}

void TFormLoadSize::BitBtnLinksSiteClick()
{
    runListing(true);
}

// ---------------------------------------------------------------------------------------
// Show me where

void TFormLoadSize::BitBtnFindClick()
{
    const QString text = m_searchText->text();
    if (text.isEmpty()) {
        m_context.prompts->information(LoadSizeTexts::mustEnterText);
        return;
    }
    m_found->clear();
    m_context.memory->stop = false;
    setBusy(true, m_site.pageCount());
    expandOutlines();
    m_found->addItems(SiteAnalysis::searchHeader(m_context.clock->now(), m_comboProjects->currentText(), text));
    setStatus(T::finding);
    const PageScans::TextSearch search(text);
    const bool nameOnly = m_fileNameOnly->isChecked();
    QStringList found;
    QElapsedTimer sinceShown;
    sinceShown.start();
    for (int page = 0; page < m_site.pageCount(); ++page) {
        m_context.pump->processEvents();
        if (m_context.memory->stop) {
            setStatus(T::searchAborted);
            break;
        }
        advanceProgress(page + 1);
        makeCurrent(page);
        const QString path = m_site.filePathOf(page);
        QString reason;
        if (SiteFiles::readWhole(path, m_pageBuffer, &reason)) {
            const QList<int> lines = search.matchingLines(m_pageBuffer);
            if (!lines.isEmpty())
                found << SiteAnalysis::foundLine(path, lines, nameOnly);
        } else {
            found << reason; // a page not searched is named, with why
        }
        if (sinceShown.elapsed() >= kShowEveryMs) {
            m_found->addItems(found);
            found.clear();
            sinceShown.restart();
        }
    }
    m_found->addItems(found);
    if (!m_context.memory->stop)
        setStatus(T::finished);
    showCurrentInOutlines();
    setBusy(false);
}

// ---------------------------------------------------------------------------------------
// Printing

void TFormLoadSize::printList(const ReportList *list)
{
    if (list->count() == 0) {
        m_context.prompts->information(LoadSizeTexts::nothingToPrint);
        return;
    }
    QPrinter printer;
    if (!m_context.prompts->choosePrinter(printer))
        return;
    printLines(printer, list->lines(), font()); // printing problems are not reported
}

void TFormLoadSize::BitBtnPrintPageClick()
{
    printList(m_pageSummary);
}

void TFormLoadSize::BitBtnPrintListingClick()
{
    printList(m_listing);
}

void TFormLoadSize::BitBtnPrintReportClick()
{
    printList(m_found);
}

void TFormLoadSize::BitBtnPrintSiteClick()
{
    if (m_grid->topLevelItemCount() == 0) {
        m_context.prompts->information(LoadSizeTexts::nothingToPrint);
        return;
    }
    QPrinter printer;
    printer.setResolution(300);
    if (!m_context.prompts->choosePrinter(printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    static constexpr int kHeadingX[] = {100, 550, 800, 1050, 1350, 1650};
    static constexpr int kCellX[] = {100, 570, 880, 1130, 1430, 1730};
    const int lineHeight = painter.fontMetrics().height();
    const auto text = [&](int x, int y, const QString &s) {
        painter.drawText(QRect(x, y, 4000, lineHeight), Qt::AlignLeft | Qt::AlignTop, s);
    };
    const auto headings = [&] {
        for (int c = 0; c < 6; ++c)
            text(kHeadingX[c], 75, T::printHeadings[c]);
        painter.fillRect(QRect(QPoint(100, 110), QPoint(1900, 112)), Qt::black);
    };
    headings();
    int line = 0; // rows on this sheet
    const QList<QStringList> rows = gridRows();
    for (int i = 0; i < rows.size(); ++i) {
        const int y = 150 + 75 * line;
        for (int c = 0; c < 6; ++c)
            text(kCellX[c], y, rows[i].value(c));
        ++line;
        // Each new sheet starts again below its own headings.
        if (i > 39 && i % 40 == 0 && i + 1 < rows.size()) {
            printer.newPage();
            headings();
            line = 0;
        }
    }
    painter.end();
}

void TFormLoadSize::BitBtnCloseClick()
{
    m_context.settings->store(SettingKey::ImagesFolder, imageFolder());
    accept();
}
