#include "tools/TFormCheckLinks.h"

#include "platform/EventPump.h"
#include "platform/Prompts.h"
#include "platform/TextFile.h"
#include "tools/RowTableModel.h"
#include "tools/SiteFiles.h"
#include "tools/ToolStatusBar.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
namespace T {
const QString checkAgain = QStringLiteral("Check &Again");
const QString stop = QStringLiteral("&Stop");
const QString saveReport = QStringLiteral("Save &Report...");
const QString close = QStringLiteral("&Close");
const QString checking = QStringLiteral("Checking links...");
const QString orphans = QStringLiteral("Looking for files no page refers to...");
const QString stopped = QStringLiteral("Stopped.");
const QString summary = QStringLiteral("Checked %1 pages: %2 problems, %3 external links, %4 orphans.");
const QString noOrphans =
    QStringLiteral(" Orphans were not looked for: the pages share no folder below the home folder.");
const QString saveTitle = QStringLiteral("Save Check Links Report");
const QString saveFilter = QStringLiteral("Text Files|*.txt|All Files|*.*");
const QString saveName = QStringLiteral("links.txt");
const QStringList headings{QStringLiteral("Page"), QStringLiteral("Line"), QStringLiteral("Target"),
                           QStringLiteral("Problem")};
} // namespace T

// New rows are shown about twice a second: often enough to watch, rarely enough to cost nothing.
constexpr qint64 kShowEveryMs = 500;
} // namespace

namespace {
QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}
} // namespace

TFormCheckLinks::TFormCheckLinks(Prompts &prompts, EventPump &pump, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_pump(pump)
{
    setObjectName(QStringLiteral("FormCheckLinks"));
    setWindowTitle(LinkCheckTexts::caption);
    auto *layout = new QVBoxLayout(this);
    m_siteLabel = new QLabel(this);
    m_siteLabel->setObjectName(QStringLiteral("LabelSiteFolder"));
    m_siteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_siteLabel);

    // Pages inside the site folder show by their path in it.
    m_model = new LinkFindingsModel(
        T::headings,
        [this](const LinkCheck::Finding &finding, int column, int role) -> QVariant {
            if (role == Qt::ToolTipRole && column == 0)
                return finding.page;
            if (role != Qt::DisplayRole)
                return {};
            switch (column) {
            case 0:
                return finding.page.startsWith(m_siteFolder) ? finding.page.mid(m_siteFolder.size()) : finding.page;
            case 1:
                return finding.line > 0 ? QVariant(finding.line) : QVariant();
            case 2:
                return finding.target;
            default:
                return LinkCheck::problemText(finding);
            }
        },
        this);
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("ListViewLinks"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->resizeSection(0, 240);
    m_list->header()->resizeSection(1, 50);
    m_list->header()->resizeSection(2, 260);
    layout->addWidget(m_list, 1);
    connect(m_list, &QTreeView::doubleClicked, this, &TFormCheckLinks::ListViewLinksDblClick);

    auto *buttons = new QHBoxLayout;
    m_checkAgain = button("BitBtnCheckAgain", T::checkAgain, this);
    m_stopButton = button("BitBtnStop", T::stop, this);
    m_saveReport = button("BitBtnSaveReport", T::saveReport, this);
    QPushButton *close = button("BitBtnClose", T::close, this);
    for (QPushButton *b : {m_checkAgain, m_stopButton, m_saveReport})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(m_checkAgain, &QPushButton::clicked, this, &TFormCheckLinks::BitBtnCheckAgainClick);
    // A press of the mouse stops at once; the click comes too late inside a long loop.
    connect(m_stopButton, &QPushButton::pressed, this, &TFormCheckLinks::BitBtnStopMouseDown);
    connect(m_saveReport, &QPushButton::clicked, this, &TFormCheckLinks::BitBtnSaveReportClick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    m_statusBar = new ToolStatusBar(this);
    layout->addWidget(m_statusBar);
    setChecking(false);
    resize(860, 520);
}

TFormCheckLinks::~TFormCheckLinks() = default;

const QList<LinkCheck::Finding> &TFormCheckLinks::findings() const
{
    return m_model->rows();
}

QString TFormCheckLinks::status() const
{
    return m_statusBar->text();
}

void TFormCheckLinks::setChecking(bool checking)
{
    m_checking = checking;
    m_checkAgain->setEnabled(!checking);
    m_saveReport->setEnabled(!checking);
    m_stopButton->setEnabled(checking);
}

bool TFormCheckLinks::pumpAndAskStop()
{
    m_pump.processEvents();
    return m_stop;
}

void TFormCheckLinks::checkPages(const QString &projectName, const QStringList &pagePaths)
{
    if (m_checking)
        return;
    m_stop = false;
    m_projectName = projectName;
    m_siteFolder = LinkCheck::siteFolderOf(pagePaths);
    m_siteLabel->setText(LinkCheckTexts::siteFolder + m_siteFolder);
    m_model->setRows({});
    setChecking(true);
    m_statusBar->begin(int(pagePaths.size()));
    m_statusBar->setText(T::checking);

    LinkCheck::Checker checker(m_siteFolder);
    QList<LinkCheck::Finding> found;
    QElapsedTimer sinceShown;
    sinceShown.start();
    for (qsizetype page = 0; page < pagePaths.size() && !pumpAndAskStop(); ++page) {
        m_statusBar->advance(int(page + 1));
        const bool readable = SiteFiles::readWhole(pagePaths[page], m_pageBuffer);
        found << checker.checkPage(pagePaths[page],
                                   readable ? std::optional<QByteArrayView>(m_pageBuffer) : std::nullopt);
        if (sinceShown.elapsed() >= kShowEveryMs) {
            m_model->append(found);
            sinceShown.restart();
        }
    }
    m_model->append(found);
    if (!m_stop) {
        m_statusBar->setText(T::orphans);
        if (std::optional<QList<LinkCheck::Finding>> orphans = checker.orphans([this] { return pumpAndAskStop(); }))
            m_model->append(*orphans);
    }
    m_statusBar->end();
    if (m_stop) {
        m_statusBar->setText(T::stopped);
    } else {
        const LinkCheck::Totals totals = LinkCheck::totalsOf(findings());
        m_statusBar->setText(
            T::summary.arg(pagePaths.size()).arg(totals.problems).arg(totals.external).arg(totals.orphans) +
            (LinkCheck::holdsOrphans(m_siteFolder) ? QString() : T::noOrphans));
    }
    setChecking(false);
}

void TFormCheckLinks::BitBtnCheckAgainClick()
{
    Q_EMIT checkAgainRequested();
}

void TFormCheckLinks::BitBtnStopMouseDown()
{
    m_stop = true;
}

void TFormCheckLinks::BitBtnSaveReportClick()
{
    FileDialogRequest request;
    request.title = T::saveTitle;
    request.filter = T::saveFilter;
    request.fileName = T::saveName;
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = m_prompts.saveFile(request);
    if (path.isEmpty())
        return;
    const QStringList lines = LinkCheck::reportLines(m_projectName, m_siteFolder, findings());
    QString error;
    if (!writeTextFileAtomically(path, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'), {}, nullptr, &error))
        m_prompts.error(error);
}

void TFormCheckLinks::ListViewLinksDblClick(const QModelIndex &index)
{
    if (!index.isValid() || index.row() >= findings().size())
        return;
    const LinkCheck::Finding &finding = findings().at(index.row());
    if (!finding.page.isEmpty())
        Q_EMIT openRequested(finding.page, finding.line);
}

void TFormCheckLinks::hideEvent(QHideEvent *event)
{
    m_stop = true; // closed while checking: the check ends at its next page
    QDialog::hideEvent(event);
}
