#include "tools/TFormBackup.h"

#include "tools/ToolStatusBar.h"

#include "config/Settings.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/PlainTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "project/FilesTab.h"
#include "tools/BackupReminder.h"
#include "tools/SiteFiles.h"
#include "tools/SiteProjects.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
namespace T {
const QString group1 = QStringLiteral("#1  Select Project to Backup:  ");
const QString group2 = QStringLiteral("#2 Select Backup Location:  ");
const QString group3 = QStringLiteral("#3 Create New Sub-directory? ");
const QString group4 = QStringLiteral("#4 Finish:  ");
const QString create = QStringLiteral("Create");
const QString backupNow = QStringLiteral("Backup NOW");
const QString targetLabel =
    QStringLiteral("All HTML files connected to this project will be backed up to this location:");
const QString purpose = QStringLiteral(
    "Use this function to backup all the HTML files associated with this project. Also creates a backup of the "
    "project data files.");
const QString restoring = QStringLiteral(
    "Restoring a project: To restore a backed up project, copy the HTML files back to your default HTML directory, "
    "and the .FIL and .OUT project files back to the \\TOVAREL\\PROJECTS directory.");
const QString close = QStringLiteral("&Close");
} // namespace T
} // namespace

TFormBackup::TFormBackup(BackupContext context, QWidget *parent) : QDialog(parent), m_context(std::move(context))
{
    setObjectName(QStringLiteral("FormBackup"));
    setWindowTitle(BackupTexts::caption);
    auto *layout = new QGridLayout(this);
    auto *purpose = new QLabel(T::purpose, this);
    purpose->setWordWrap(true);
    layout->addWidget(purpose, 0, 0, 1, 2);

    auto *group1 = new QGroupBox(T::group1, this);
    auto *layout1 = new QVBoxLayout(group1);
    m_projects = new QComboBox(group1);
    m_projects->setObjectName(QStringLiteral("ComboProjects"));
    m_projects->setEditable(true);
    m_projects->setInsertPolicy(QComboBox::NoInsert);
    layout1->addWidget(m_projects);
    m_pages = new QListWidget(group1);
    m_pages->setObjectName(QStringLiteral("ListBox1"));
    m_pages->setUniformItemSizes(true);
    layout1->addWidget(m_pages, 1);
    layout->addWidget(group1, 1, 0, 2, 1);

    auto *group2 = new QGroupBox(T::group2, this);
    auto *layout2 = new QVBoxLayout(group2);
    m_drives = new QComboBox(group2);
    m_drives->setObjectName(QStringLiteral("DriveComboBox1"));
    m_tree = new DirectoryListBox(group2);
    m_tree->setObjectName(QStringLiteral("DirectoryListBox1"));
    layout2->addWidget(m_drives);
    layout2->addWidget(m_tree, 1);
    layout->addWidget(group2, 1, 1);

    auto *group3 = new QGroupBox(T::group3, this);
    auto *layout3 = new QHBoxLayout(group3);
    m_newSub = new QLineEdit(group3);
    m_newSub->setObjectName(QStringLiteral("EditNewSub"));
    auto *create = new QPushButton(T::create, group3);
    create->setObjectName(QStringLiteral("ButtonNewSub"));
    layout3->addWidget(m_newSub, 1);
    layout3->addWidget(create);
    layout->addWidget(group3, 2, 1);

    auto *targetColumn = new QVBoxLayout;
    targetColumn->addWidget(new QLabel(T::targetLabel, this));
    m_target = new QLineEdit(this);
    m_target->setObjectName(QStringLiteral("EditBackupPath"));
    targetColumn->addWidget(m_target);
    layout->addLayout(targetColumn, 3, 0, 1, 2);

    auto *group4 = new QGroupBox(T::group4, this);
    auto *layout4 = new QHBoxLayout(group4);
    m_backupNow = new QPushButton(T::backupNow, group4);
    m_backupNow->setObjectName(QStringLiteral("BitBtnBackup"));
    m_backupNow->setEnabled(false);
    layout4->addWidget(m_backupNow);
    auto *close = new QPushButton(T::close, group4);
    close->setObjectName(QStringLiteral("BitBtnClose"));
    layout4->addStretch(1);
    layout4->addWidget(close);
    layout->addWidget(group4, 4, 0, 1, 2);
    auto *restoring = new QLabel(T::restoring, this);
    restoring->setWordWrap(true);
    layout->addWidget(restoring, 5, 0, 1, 2);

    m_statusBar = new ToolStatusBar(this);
    layout->addWidget(m_statusBar, 6, 0, 1, 2);

    // Opening: the tree in the backup folder, the open project chosen.
    fillDrives();
    m_tree->setDirectory(m_context.programFolder + QStringLiteral("backup"));
    const QStringList projects = SiteProjects::list(m_context.projectsFolder);
    m_projects->addItems(projects);
    const int open = SiteProjects::indexOf(projects, m_context.projectName);
    m_projects->setCurrentIndex(open);
    if (open < 0)
        m_projects->setEditText(QString());
    if (open >= 0) {
        m_backupNow->setEnabled(true);
        m_pages->addItems(
            SiteProjects::readPaths(m_context.projectsFolder, m_projects->currentText()).value_or(QStringList()));
    }
    if (!m_projects->currentText().isEmpty()) {
        m_newSub->setText(suggestedName());
        m_target->setText(treeFolder());
    }

    connect(m_projects, &QComboBox::activated, this, &TFormBackup::ComboProjectsChange);
    connect(m_projects->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (m_projects->findText(m_projects->currentText()) != m_projects->currentIndex() ||
            m_projects->currentIndex() < 0)
            ComboProjectsChange();
    });
    connect(m_drives, &QComboBox::activated, this, &TFormBackup::DriveComboBox1Change);
    connect(m_tree, &DirectoryListBox::directoryChanged, this, &TFormBackup::DirectoryListBox1Change);
    connect(create, &QPushButton::clicked, this, &TFormBackup::ButtonNewSubClick);
    connect(m_target, &QLineEdit::textChanged, this, &TFormBackup::EditBackupPathChange);
    connect(m_backupNow, &QPushButton::clicked, this, &TFormBackup::BitBtnBackupClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(680, 560);
    showTextsAsPlainText(this);
}

TFormBackup::~TFormBackup() = default;

QString TFormBackup::status() const
{
    return m_statusBar->text();
}

void TFormBackup::fillDrives()
{
    const QSignalBlocker blocker(m_drives);
    m_drives->clear();
    for (const QFileInfo &drive : QDir::drives())
        m_drives->addItem(drive.absoluteFilePath());
}

QString TFormBackup::treeFolder() const
{
    return m_tree->directory();
}

QString TFormBackup::suggestedName() const
{
    const QString project = m_projects->currentText();
    const QDate today = m_context.clock->now().date();
    return project.chopped(std::min<qsizetype>(4, project.size())).toLower() + QLatin1Char('_') +
           SiteFiles::dateFolderName(today);
}

void TFormBackup::ComboProjectsChange()
{
    m_backupNow->setEnabled(!m_projects->currentText().isEmpty());
    m_statusBar->setText(BackupTexts::idle);
    m_pages->clear();
    // Only a name from the list has a path file; a typed one is refused.
    const int entry = m_projects->findText(m_projects->currentText());
    const std::optional<QStringList> paths =
        entry >= 0 ? SiteProjects::readPaths(m_context.projectsFolder, m_projects->currentText()) : std::nullopt;
    if (paths)
        m_pages->addItems(*paths);
    else
        m_context.prompts->information(BackupTexts::cannotType);
    m_newSub->setText(suggestedName());
    m_target->setText(treeFolder());
}

void TFormBackup::DriveComboBox1Change(int index)
{
    if (index >= 0)
        m_tree->setDirectory(m_drives->itemText(index));
}

void TFormBackup::DirectoryListBox1Change(const QString &folder)
{
    m_target->setText(folder);
    m_statusBar->setText(BackupTexts::idle);
}

void TFormBackup::ButtonNewSubClick()
{
    m_statusBar->setText(BackupTexts::idle);
    const QString name = m_newSub->text();
    // A name that leads out of the chosen folder is never created nor made the target; the
    // user is told, and the name stays to be corrected.
    if (!SiteFiles::isPlainFolderName(name)) {
        m_context.prompts->information(SiteFiles::cannotCreateBackupFolder);
        return;
    }
    const QString path = withTrailingSeparator(treeFolder()) + name;
    QDir().mkdir(path); // a folder that exists already is fine
    m_target->setText(path);
    m_newSub->clear();
    fillDrives();
    const QSignalBlocker blocker(m_tree);
    const QString folder = treeFolder();
    m_tree->setDirectory(path);
    m_tree->setDirectory(folder);
}

void TFormBackup::EditBackupPathChange(const QString &text)
{
    Q_UNUSED(text);
    m_backupNow->setEnabled(!m_projects->currentText().isEmpty());
}

void TFormBackup::BitBtnBackupClick()
{
    if (m_pages->count() == 0) {
        m_context.prompts->information(BackupTexts::notValid);
        return;
    }
    m_statusBar->setText(BackupTexts::idle);
    if (!m_target->text().endsWith(QLatin1Char('/')) && !m_target->text().endsWith(QLatin1Char('\\')))
        m_target->setText(m_target->text() + QLatin1Char('/'));
    const QString target = m_target->text();
    QStringList pages;
    for (int i = 0; i < m_pages->count(); ++i)
        pages << m_pages->item(i)->text();
    m_statusBar->begin(int(pages.size()));

    const QString shown = m_projects->currentText();
    const QString pathFile = SiteProjects::pathFileOf(m_context.projectsFolder, shown);
    const QString outlineFile = SiteProjects::outlineFileOf(m_context.projectsFolder, shown);
    bool failed = false;
    int done = 0;
    for (const SiteFiles::Copy &copy :
         SiteFiles::planCopies(pages, {fileNamePart(pathFile), fileNamePart(outlineFile)})) {
        m_statusBar->setText(BackupTexts::copyingPrefix + fileNamePart(copy.source));
        m_context.pump->processEvents();
        if (QString error; !SiteFiles::copyInto(copy.source, target, copy.target, nullptr, &error)) {
            m_context.prompts->information(BackupTexts::pageFailed(copy.source) + QLatin1Char('\n') + error);
            failed = true;
        }
        m_statusBar->advance(++done);
    }
    for (const QString &projectFile : {pathFile, outlineFile}) {
        if (!SiteFiles::copyInto(projectFile, target, fileNamePart(projectFile))) {
            failed = true;
            m_context.prompts->information(BackupTexts::projectFileFailed);
        }
    }
    m_statusBar->end();
    // A whole backup restarts the reminder's count; one with a file missing does not.
    if (!failed)
        BackupReminder::backedUp(*m_context.settings, shown);
    m_statusBar->setText(BackupTexts::complete);
    m_context.prompts->information(BackupTexts::finished + (failed ? BackupTexts::someFailed : QString()));
}
