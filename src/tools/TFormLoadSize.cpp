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
#include "ui_TFormLoadSize.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QTreeView>
#include <QTreeWidget>

namespace {
namespace T {
const QString extracting = QStringLiteral("Extracting Links...");
const QString sorting = QStringLiteral("Sorting...");
const QString sortingPictures = QStringLiteral("Sorting:");
const QString idle = QStringLiteral("Status:");
const QString aborted = QStringLiteral("Status: Aborted.");
const QString searchAborted = QStringLiteral("Status: Search Aborted.");
const QString scanning = QStringLiteral("Scanning for Images...");
const QString finding = QStringLiteral("Finding text...");
const QString finished = QStringLiteral("Status: Finished.");
const QStringList printHeadings{QStringLiteral("Page"),           QStringLiteral("File Size"),
                                QStringLiteral("Unique Images"),  QStringLiteral("Total Image KB"),
                                QStringLiteral("Est. 28.8 Time"), QStringLiteral("Est. 14.4 Time")};
} // namespace T

// Lists and the grid are filled about once a second: each addition lays a list out again
// whole, which a site of thousands of pages must not pay for page after page.
constexpr qint64 kShowEveryMs = 1000;
} // namespace

TFormLoadSize::TFormLoadSize(LoadSizeContext context, QWidget *parent)
    : QDialog(parent), m_context(std::move(context)), m_ui(std::make_unique<Ui::TFormLoadSize>())
{
    m_ui->setupUi(this);
    setWindowTitle(LoadSizeTexts::caption);
    m_outlineModel = new ProjectOutlineModel(m_site, this);
    m_ui->Outline1->setModel(m_outlineModel);
    m_ui->OutlineLinks->setModel(m_outlineModel);
    m_ui->ListView1->setColumnWidth(0, 140);
    for (int column = 1; column < 6; ++column)
        m_ui->ListView1->setColumnWidth(column, 90);
    m_ui->LabelErrorNote->setText(LoadSizeTexts::errorNote);
    m_ui->LabelErrorNote->hide();
    m_ui->LabelSite->setText(LoadSizeTexts::noSiteSelected);
    // The files of one run, kept out of sight.
    m_listBoxFiles = new QListWidget(this);
    m_listBoxFiles->setObjectName(QStringLiteral("ListBoxFiles"));
    m_listBoxFiles->hide();
    connectControls();
    FormCreate();
    showTextsAsPlainText(this);
}

TFormLoadSize::~TFormLoadSize() = default;

void TFormLoadSize::connectControls()
{
    connect(m_ui->EditImagePath, &QLineEdit::textEdited, this, &TFormLoadSize::EditImagePathChange);
    connect(m_ui->EditImagePath, &QLineEdit::editingFinished, this, &TFormLoadSize::EditImagePathExit);
    connect(m_ui->BitBtnImagePath, &QPushButton::clicked, this, &TFormLoadSize::BitBtnImagePathClick);
    connect(m_ui->ComboProjects, &QComboBox::activated, this, &TFormLoadSize::ComboProjectsChange);
    connect(m_ui->ComboLinks, &QComboBox::activated, this, &TFormLoadSize::ComboLinksChange);
    for (QTreeView *outline : {m_ui->Outline1, m_ui->OutlineLinks}) {
        connect(outline, &QTreeView::clicked, this, &TFormLoadSize::Outline1Click);
        connect(outline, &QTreeView::collapsed, this, [this] { m_outlinesExpanded = false; });
    }
    connect(m_ui->BitBtnAnalyzePage, &QPushButton::clicked, this, &TFormLoadSize::BitBtnAnalyzePageClick);
    connect(m_ui->BitBtnAnalyzeSite, &QPushButton::clicked, this, &TFormLoadSize::BitBtnAnalyzeSiteClick);
    connect(m_ui->BitBtnClearGrid, &QPushButton::clicked, this, &TFormLoadSize::BitBtnClearGridClick);
    connect(m_ui->BitBtnPrintSite, &QPushButton::clicked, this, &TFormLoadSize::BitBtnPrintSiteClick);
    connect(m_ui->BitBtnPrintPage, &QPushButton::clicked, this, &TFormLoadSize::BitBtnPrintPageClick);
    connect(m_ui->BitBtnLinksPage, &QPushButton::clicked, this, &TFormLoadSize::BitBtnLinksPageClick);
    connect(m_ui->BitBtnLinksSite, &QPushButton::clicked, this, &TFormLoadSize::BitBtnLinksSiteClick);
    connect(m_ui->BitBtnPrintListing, &QPushButton::clicked, this, &TFormLoadSize::BitBtnPrintListingClick);
    connect(m_ui->BitBtnFind, &QPushButton::clicked, this, &TFormLoadSize::BitBtnFindClick);
    connect(m_ui->BitBtnPrintReport, &QPushButton::clicked, this, &TFormLoadSize::BitBtnPrintReportClick);
    for (QPushButton *close : {m_ui->BitBtnClose1, m_ui->BitBtnClose2, m_ui->BitBtnClose3})
        connect(close, &QPushButton::clicked, this, &TFormLoadSize::BitBtnCloseClick);
    // Each stop button comes after the other buttons of its row in the tab order. A press of the
    // mouse stops at once; the click comes too late inside a long loop.
    const std::pair<QWidget *, QPushButton *> stops[] = {{m_ui->BitBtnClearGrid, m_ui->BitBtnStop1},
                                                         {m_ui->BitBtnClose2, m_ui->BitBtnStop2},
                                                         {m_ui->BitBtnClose3, m_ui->BitBtnStop3}};
    for (const auto &[before, stop] : stops) {
        setTabOrder(before, stop);
        connect(stop, &QPushButton::pressed, this, &TFormLoadSize::BitBtnStopMouseDown);
    }
}

// ---------------------------------------------------------------------------------------
// Opening and choosing

void TFormLoadSize::FormCreate()
{
    m_ui->PageControl1->setCurrentIndex(0);
    const QStringList projects = SiteProjects::list(m_context.projectsFolder);
    m_ui->ComboProjects->addItems(projects);
    m_ui->ComboLinks->addItems(projects);
    m_ui->ComboProjects->setCurrentIndex(-1);
    m_ui->ComboLinks->setCurrentIndex(-1);
    const int open = SiteProjects::indexOf(projects, m_context.projectName);
    if (open >= 0) {
        m_ui->ComboProjects->setCurrentIndex(open);
        m_ui->ComboLinks->setCurrentIndex(open);
        m_ui->BitBtnFind->setEnabled(true);
        const QString shown = m_ui->ComboProjects->currentText();
        m_ui->LabelSite->setText(LoadSizeTexts::siteToSearch + shown.chopped(std::min<qsizetype>(4, shown.size())));
    }
    m_site = m_context.project;
    m_outlineModel->reload();
    m_outlinesExpanded = false; // a new tree starts collapsed
    m_listBoxFiles->addItems(m_site.paths());
    expandOutlines();
    if (!m_context.projectName.isEmpty() && m_context.selectedPage >= 0 && m_context.selectedPage < m_site.pageCount())
        makeCurrent(m_context.selectedPage);
    showCurrentInOutlines();
    m_ui->EditImagePath->setText(m_context.settings->text(SettingKey::ImagesFolder));
    if (!m_context.filesTabPath.isEmpty())
        m_context.memory->pagePath = m_context.filesTabPath;
}

void TFormLoadSize::chooseProject(int index)
{
    if (index < 0)
        return;
    m_ui->ComboProjects->setCurrentIndex(index);
    m_ui->ComboLinks->setCurrentIndex(index);
    const QString shown = m_ui->ComboProjects->itemText(index);
    QString error;
    const std::optional<ProjectModel> project = SiteProjects::read(m_context.projectsFolder, shown, &error);
    m_site = project.value_or(ProjectModel());
    m_outlineModel->reload();
    m_outlinesExpanded = false; // a new tree starts collapsed
    m_listBoxFiles->clear();
    m_listBoxFiles->addItems(m_site.paths());
    m_ui->ListBox3->clear();
    expandOutlines();
    m_currentPage = -1;
    if (!project)
        m_context.prompts->error(error);
    else if (!m_site.isEmpty())
        makeCurrent(0);
    showCurrentInOutlines();
    m_ui->BitBtnFind->setEnabled(true);
}

void TFormLoadSize::ComboProjectsChange(int index)
{
    chooseProject(index);
    const QString shown = m_ui->ComboProjects->currentText();
    m_ui->LabelSite->setText(LoadSizeTexts::siteToSearch + shown.chopped(std::min<qsizetype>(4, shown.size())));
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
    m_ui->Outline1->expandAll();
    m_ui->OutlineLinks->expandAll();
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
    for (QTreeView *outline : {m_ui->Outline1, m_ui->OutlineLinks}) {
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
    const QString folder = SiteAnalysis::withSeparator(m_ui->EditImagePath->text());
    m_context.settings->setInMemory(SettingKey::ImagesFolder, folder);
    if (m_ui->EditImagePath->text() != folder)
        m_ui->EditImagePath->setText(folder);
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
    m_ui->EditImagePath->setText(folderPart(chosen));
    m_context.settings->setInMemory(SettingKey::ImagesFolder, folderPart(chosen));
}

// ---------------------------------------------------------------------------------------
// Size analysis

void TFormLoadSize::setBusy(bool busy, int steps)
{
    if (busy)
        m_ui->StatusBar1->begin(steps);
    else
        m_ui->StatusBar1->end();
}

void TFormLoadSize::advanceProgress(int done)
{
    m_ui->StatusBar1->advance(done);
}

void TFormLoadSize::setStatus(const QString &text)
{
    m_ui->StatusBar1->setText(text);
}

QString TFormLoadSize::status() const
{
    return m_ui->StatusBar1->text();
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
        m_ui->LabelErrorNote->show();
    if (!report.row.isEmpty())
        rows << new QTreeWidgetItem(report.row);
}

void TFormLoadSize::flushSiteLists(QStringList &summary, QList<QTreeWidgetItem *> &rows)
{
    m_ui->ListBox3->addItems(summary);
    m_ui->ListView1->addTopLevelItems(rows);
    summary.clear();
    rows.clear();
}

void TFormLoadSize::BitBtnAnalyzePageClick()
{
    // A stop pressed in an earlier run must not cut this page's analysis short.
    m_context.memory->stop = false;
    m_pictureSizes = {};
    m_ui->ListBox3->clear();
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
    m_ui->ListBox3->clear();
    m_ui->ListView1->clear();
    m_ui->LabelErrorNote->hide();
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
    m_ui->ListView1->clear();
}

void TFormLoadSize::BitBtnStopMouseDown()
{
    m_context.memory->stop = true;
}

QList<QStringList> TFormLoadSize::gridRows() const
{
    QList<QStringList> rows;
    for (int i = 0; i < m_ui->ListView1->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < m_ui->ListView1->columnCount(); ++column)
            cells << m_ui->ListView1->topLevelItem(i)->text(column);
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
    m_ui->ListBoxLinks->clear();
    const bool links = !m_ui->RadioImages->isChecked();
    const bool pictures = !m_ui->RadioLinks->isChecked();
    bool finished = true;
    if (links) {
        QStringList found;
        finished = collectLinks(site, found);
        if (finished) {
            setStatus(T::sorting);
            m_ui->ListBoxLinks->addItems(
                SiteAnalysis::linkReport(m_context.memory->pageTitle, m_context.memory->pagePath, found));
            setStatus(T::idle);
        }
    }
    if (finished && m_ui->RadioBoth->isChecked())
        m_ui->ListBoxLinks->addItems(SiteAnalysis::bothSeparator());
    if (finished && pictures) {
        QStringList found;
        if (collectPictures(site, found)) {
            setStatus(T::sortingPictures);
            m_ui->ListBoxLinks->addItems(site ? SiteAnalysis::siteImageReport(m_ui->ComboLinks->currentText(),
                                                                              imageFolder(), found, m_pictureSizes)
                                              : SiteAnalysis::pageImageReport(m_context.memory->pageTitle,
                                                                              m_context.memory->pagePath, imageFolder(),
                                                                              found, m_pictureSizes));
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
    const QString text = m_ui->EditSearch->text();
    if (text.isEmpty()) {
        m_context.prompts->information(LoadSizeTexts::mustEnterText);
        return;
    }
    m_ui->ListBoxFound->clear();
    m_context.memory->stop = false;
    setBusy(true, m_site.pageCount());
    expandOutlines();
    m_ui->ListBoxFound->addItems(
        SiteAnalysis::searchHeader(m_context.clock->now(), m_ui->ComboProjects->currentText(), text));
    setStatus(T::finding);
    const PageScans::TextSearch search(text);
    const bool nameOnly = m_ui->CheckFileOnly->isChecked();
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
            m_ui->ListBoxFound->addItems(found);
            found.clear();
            sinceShown.restart();
        }
    }
    m_ui->ListBoxFound->addItems(found);
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
    printList(m_ui->ListBox3);
}

void TFormLoadSize::BitBtnPrintListingClick()
{
    printList(m_ui->ListBoxLinks);
}

void TFormLoadSize::BitBtnPrintReportClick()
{
    printList(m_ui->ListBoxFound);
}

void TFormLoadSize::BitBtnPrintSiteClick()
{
    if (m_ui->ListView1->topLevelItemCount() == 0) {
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
