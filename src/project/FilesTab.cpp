#include "project/FilesTab.h"

#include "config/MainLayout.h"
#include "config/Settings.h"
#include "imaging/TPictureView.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QStyle>

namespace {

QString cleanFolder(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QStringList driveRoots()
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots << drive.absoluteFilePath();
    return roots;
}

constexpr int kIndent = 2; // spaces per folder level

} // namespace

DirectoryListBox::DirectoryListBox(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setDirectory(item->data(Qt::UserRole).toString()); });
}

bool DirectoryListBox::setDirectory(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return false;
    const QString folder = cleanFolder(path);
    if (folder == m_directory)
        return true;
    m_directory = folder;
    fill();
    Q_EMIT directoryChanged(m_directory);
    return true;
}

void DirectoryListBox::fill()
{
    clear();
    QStringList chain;
    for (QDir dir(m_directory);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString &folder : std::as_const(chain)) {
        const QString name = depth == 0 ? folder : QFileInfo(folder).fileName();
        auto *item = new QListWidgetItem(open, QString(depth * kIndent, QLatin1Char(' ')) + name, this);
        item->setData(Qt::UserRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QDir current(m_directory);
    const QStringList subFolders = current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &sub : subFolders) {
        auto *item = new QListWidgetItem(closed, QString(depth * kIndent, QLatin1Char(' ')) + sub, this);
        item->setData(Qt::UserRole, current.absoluteFilePath(sub));
    }
}

FilesTab::FilesTab(Settings &settings, Prompts &prompts, const HtmlFileMasks &masks, FilesTabHost &host,
                   QWidget *parent)
    : QWidget(parent), m_settings(settings), m_host(host), m_masks(masks)
{
    setObjectName(QStringLiteral("FilesTab"));

    m_driveBox = new QComboBox(this);
    m_driveBox->setObjectName(QStringLiteral("DriveComboBox1"));
    m_driveBox->addItems(driveRoots());

    m_folderPath = new QLineEdit(this);
    m_folderPath->setObjectName(QStringLiteral("EditFolderPath"));

    m_folders = new DirectoryListBox(this);
    m_folders->setObjectName(QStringLiteral("DirectoryListBox1"));

    m_filterBox = new QComboBox(this);
    m_filterBox->setObjectName(QStringLiteral("FilterComboBox1"));
    for (const FilesPanel::FilterEntry &entry : FilesPanel::parseFilter(masks.filesTabFilter))
        m_filterBox->addItem(entry.caption, entry.mask);

    m_hiddenList = new QListWidget(this);
    m_hiddenList->setObjectName(QStringLiteral("FileListBox1"));
    m_hiddenList->setUniformItemSizes(true);
    m_hiddenList->hide();

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox2"));
    m_list->setUniformItemSizes(true);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->viewport()->installEventFilter(this);

    m_insertButton = new QPushButton(FilesTexts::insertButton, this);
    m_insertButton->setObjectName(QStringLiteral("BitBtnInsertLinkImage"));
    m_insertButton->setToolTip(FilesTexts::insertHint);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenuFileInsert"));
    QAction *insertImage = m_popup->addAction(FilesTexts::insertImage);
    insertImage->setObjectName(QStringLiteral("InsertImage1"));
    QAction *insertLink = m_popup->addAction(FilesTexts::insertLink);
    insertLink->setObjectName(QStringLiteral("InsertLinktoHTMLfile1"));
    m_analyze = m_popup->addAction(FilesTexts::analyzeWebPage);
    m_analyze->setObjectName(QStringLiteral("AnalyzeWebPage1"));
    m_analyze->setEnabled(false);

    m_imageDummy = new TPictureView(prompts, this);
    m_imageDummy->setObjectName(QStringLiteral("ImageDummy"));
    m_imageDummy->component().setMeasureOnly(true); // it measures, it never shows
    m_imageDummy->setStretchRatio(true);
    m_imageDummy->setAutoSize(true);
    m_imageDummy->hide();

    m_actions = std::make_unique<FilesPanelActions>(settings, prompts, host, m_imageDummy->component());

    connect(m_driveBox, &QComboBox::activated, this, &FilesTab::DriveComboBox1Change);
    connect(m_folders, &DirectoryListBox::directoryChanged, this, &FilesTab::DirectoryListBox1Change);
    connect(m_folderPath, &QLineEdit::returnPressed, this, &FilesTab::EditFolderPathDone);
    connect(m_filterBox, &QComboBox::currentIndexChanged, this, &FilesTab::FilterComboBox1Change);
    connect(m_list, &QListWidget::itemClicked, this, &FilesTab::ListBox2Click);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ListBox2Click();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &FilesTab::ListBox2DblClick);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_popup->popup(m_list->viewport()->mapToGlobal(at)); });
    connect(m_insertButton, &QPushButton::clicked, this, &FilesTab::BitBtnInsertLinkImageClick);
    // The item chosen does not matter: the file's extension decides between image and link.
    connect(insertImage, &QAction::triggered, this, &FilesTab::BitBtnInsertLinkImageClick);
    connect(insertLink, &QAction::triggered, this, &FilesTab::BitBtnInsertLinkImageClick);
    connect(m_analyze, &QAction::triggered, this, &FilesTab::AnalyzeWebPage1Click);
}

FilesTab::~FilesTab() = default;

QString FilesTab::currentFolder() const
{
    return m_folders->directory();
}

QString FilesTab::selectedFileName() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->text() : QString();
}

QString FilesTab::selectedFilePath() const
{
    const QString name = selectedFileName();
    return name.isEmpty() ? QString() : FilesPanel::joinPath(currentFolder(), name);
}

void FilesTab::setHtmlMasks(const HtmlFileMasks &masks)
{
    m_masks = masks;
    const int index = std::max(0, m_filterBox->currentIndex());
    const QSignalBlocker block(m_filterBox);
    m_filterBox->clear();
    for (const FilesPanel::FilterEntry &entry : FilesPanel::parseFilter(masks.filesTabFilter))
        m_filterBox->addItem(entry.caption, entry.mask);
    m_filterBox->setCurrentIndex(std::min(index, m_filterBox->count() - 1));
    refillFileList();
}

bool FilesTab::goToFolder(const QString &folder)
{
    return m_folders->setDirectory(folder);
}

QString FilesTab::currentMask() const
{
    return m_filterBox->currentData().toString();
}

void FilesTab::PageControl1Change()
{
    // A fixed folder always wins; otherwise a folder the user picked here stays.
    if (!goToStartFolder() && currentFolder().isEmpty())
        goToFolder(QDir::homePath());
    refillFileList(); // the mask of the filter entry, and files added since
}

bool FilesTab::goToStartFolder()
{
    const QScopedValueRollback<bool> byItself(m_movingByItself, true);
    if (goToFolder(FilesPanel::fixedStartFolder(m_settings)))
        return true;
    if (m_folderChosen)
        return false;
    for (const QString &folder :
         FilesPanel::startFolderChoices(m_settings, m_host.projectFolder(), m_host.pageFolder()))
        if (goToFolder(folder))
            return true;
    return false;
}

void FilesTab::EditFolderPathDone()
{
    if (!goToFolder(m_folderPath->text().trimmed()))
        m_folderPath->setText(QDir::toNativeSeparators(currentFolder())); // no such folder: show where we are
}

void FilesTab::DriveComboBox1Change(int index)
{
    if (index >= 0)
        goToFolder(m_driveBox->itemText(index));
}

void FilesTab::DirectoryListBox1Change(const QString &folder)
{
    if (!m_movingByItself)
        m_folderChosen = true;
    m_folderPath->setText(QDir::toNativeSeparators(folder));
    const int drive = m_driveBox->findText(FilesPanel::driveOf(folder, driveRoots()));
    if (drive >= 0) {
        const QSignalBlocker block(m_driveBox);
        m_driveBox->setCurrentIndex(drive);
    }
    refillFileList();
}

void FilesTab::FilterComboBox1Change(int)
{
    refillFileList();
}

void FilesTab::refillFileList()
{
    m_hiddenNames = currentFolder().isEmpty() ? QStringList() : FilesPanel::listFolder(currentFolder(), currentMask());
    m_hiddenList->clear();
    m_hiddenList->addItems(m_hiddenNames);
    FileListBox1Change();
}

void FilesTab::FileListBox1Change()
{
    m_list->clear();
    m_list->addItems(FilesPanel::withoutRepeats(m_hiddenNames));
    m_analyze->setEnabled(false);
}

void FilesTab::ListBox2Click()
{
    const QString path = selectedFilePath();
    if (!path.isEmpty())
        m_actions->showFileSize(path);
}

void FilesTab::ListBox2DblClick()
{
    const QString name = selectedFileName();
    if (!name.isEmpty())
        m_actions->open(currentFolder(), name);
}

void FilesTab::ListBox2MouseDown(const QPoint &position)
{
    QListWidgetItem *item = m_list->itemAt(position);
    if (item)
        m_list->setCurrentItem(item);
    m_analyze->setEnabled(item && FilesPanel::analyzeEnabled(item->text(), m_masks.masks));
}

void FilesTab::BitBtnInsertLinkImageClick()
{
    m_actions->insertLinkOrImage(selectedFilePath());
}

void FilesTab::AnalyzeWebPage1Click()
{
    const QString path = selectedFilePath();
    if (!path.isEmpty())
        Q_EMIT analyzeWebPageRequested(path);
}

void FilesTab::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) // a restored window is no new visit of the tab
        PageControl1Change();
}

void FilesTab::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void FilesTab::layOut()
{
    const int w = width();
    const int comboHeight = m_driveBox->sizeHint().height();
    const int listBottom = std::max(0, height() - MainLayout::kFileListBottomGap);
    const int gap = 4;
    m_driveBox->setGeometry(0, 0, w, comboHeight);
    const int pathHeight = m_folderPath->sizeHint().height();
    m_folderPath->setGeometry(0, comboHeight + gap, w, pathHeight);
    const int treeTop = comboHeight + gap + pathHeight + gap;
    const int treeHeight = std::max(40, (listBottom - treeTop - comboHeight - 2 * gap) / 3);
    m_folders->setGeometry(0, treeTop, w, treeHeight);
    const int filterTop = treeTop + treeHeight + gap;
    m_filterBox->setGeometry(0, filterTop, w, comboHeight);
    const int listTop = filterTop + comboHeight + gap;
    m_list->setGeometry(0, listTop, w, std::max(0, listBottom - listTop));
    const int buttonHeight = std::min(MainLayout::kFileListBottomGap - 8, m_insertButton->sizeHint().height());
    m_insertButton->setGeometry(0, listBottom + (MainLayout::kFileListBottomGap - buttonHeight) / 2,
                                std::min(w, m_insertButton->sizeHint().width() + 16), buttonHeight);
}

bool FilesTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress)
        ListBox2MouseDown(static_cast<QMouseEvent *>(event)->position().toPoint());
    return QWidget::eventFilter(watched, event);
}
