#include "tools/TFormBigReplace.h"

#include "platform/PlainTexts.h"
#include "tools/ToolStatusBar.h"

#include "config/Settings.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "tools/SiteFiles.h"
#include "tools/SiteProjects.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
namespace T {
const QString replace = QStringLiteral("Replace:");
const QString with = QStringLiteral("With:");
const QString matchCase = QStringLiteral("Match Case?");
const QString selectedProject = QStringLiteral("Selected Project (below)");
const QString selectedFiles = QStringLiteral("Selected Files (below)");
const QString selectProject = QStringLiteral("Select a Project");
const QString clickToSelect = QStringLiteral("Click to select a project");
const QString hint = QStringLiteral(
    "Hint: If you regularly replace text in a specific list of files, create a separate project for them so you can "
    "quickly select them from the Project list to the left, rather than selecting them individually.");
const QString addFile = QStringLiteral("Add File");
const QString remove = QStringLiteral("Re&move");
const QString backupGroup = QStringLiteral("Backup Option ");
const QString backupAll = QStringLiteral("Backup all files before replacing");
const QString createDir = QStringLiteral("Create this new directory:");
const QString backupNote = QStringLiteral(
    "NOTE: Files will be copied to the \\BACKUP directory in your Tovarel Pro directory. A new directory named after "
    "today's date (example: \\10_12_97) will be created unless another is specified above.");
const QString replaceAll = QStringLiteral("&Replace All");
const QString exit = QStringLiteral("E&xit");
const QString addFilter = QStringLiteral("HTML File|*.htm;*.html;*.shtml;*.sht;*.cgi;*.asp;|All Files|*.*");
} // namespace T
} // namespace

TFormBigReplace::TFormBigReplace(BigReplaceContext context, QWidget *parent)
    : QDialog(parent), m_context(std::move(context))
{
    setObjectName(QStringLiteral("FormBigReplace"));
    setWindowTitle(BigReplaceTexts::caption);
    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(T::replace, this), 0, 0);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("EditText"));
    layout->addWidget(m_text, 0, 1, 1, 2);
    layout->addWidget(new QLabel(T::with, this), 1, 0);
    m_replacement = new QLineEdit(this);
    m_replacement->setObjectName(QStringLiteral("EditReplacement"));
    layout->addWidget(m_replacement, 1, 1, 1, 2);
    m_matchCase = new QCheckBox(T::matchCase, this);
    m_matchCase->setObjectName(QStringLiteral("CheckCase"));
    layout->addWidget(m_matchCase, 2, 1);

    m_radioProject = new QRadioButton(T::selectedProject, this);
    m_radioProject->setObjectName(QStringLiteral("RadioProj"));
    m_radioProject->setChecked(true);
    m_radioFiles = new QRadioButton(T::selectedFiles, this);
    m_radioFiles->setObjectName(QStringLiteral("RadioFiles"));
    layout->addWidget(m_radioProject, 3, 0, 1, 2);
    layout->addWidget(m_radioFiles, 3, 2);
    m_projects = new QComboBox(this);
    m_projects->setObjectName(QStringLiteral("ComboProjects"));
    m_projects->setPlaceholderText(T::selectProject);
    m_projects->setToolTip(T::clickToSelect);
    auto *projectColumn = new QVBoxLayout;
    projectColumn->addWidget(m_projects);
    projectColumn->addWidget(new QLabel(T::clickToSelect, this));
    auto *hint = new QLabel(T::hint, this);
    hint->setWordWrap(true);
    projectColumn->addWidget(hint);
    projectColumn->addStretch(1);
    layout->addLayout(projectColumn, 4, 0, 1, 2);
    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("ListBox1"));
    m_add = new QPushButton(T::addFile, this);
    m_add->setObjectName(QStringLiteral("ButtonAdd"));
    m_remove = new QPushButton(T::remove, this);
    m_remove->setObjectName(QStringLiteral("ButtonRemove"));
    auto *fileColumn = new QVBoxLayout;
    fileColumn->addWidget(m_files, 1);
    auto *fileButtons = new QHBoxLayout;
    fileButtons->addWidget(m_add);
    fileButtons->addWidget(m_remove);
    fileColumn->addLayout(fileButtons);
    layout->addLayout(fileColumn, 4, 2);

    auto *group = new QGroupBox(T::backupGroup, this);
    group->setObjectName(QStringLiteral("GroupBoxBackup"));
    auto *groupLayout = new QGridLayout(group);
    m_backup = new QCheckBox(T::backupAll, group);
    m_backup->setObjectName(QStringLiteral("CheckBackup"));
    groupLayout->addWidget(m_backup, 0, 0, 1, 2);
    groupLayout->addWidget(new QLabel(T::createDir, group), 1, 0);
    m_backupDir = new QLineEdit(group);
    m_backupDir->setObjectName(QStringLiteral("EditBackupDir"));
    groupLayout->addWidget(m_backupDir, 1, 1);
    auto *note = new QLabel(T::backupNote, group);
    note->setWordWrap(true);
    groupLayout->addWidget(note, 2, 0, 1, 2);
    layout->addWidget(group, 5, 0, 1, 3);

    auto *buttons = new QHBoxLayout;
    auto *replaceAll = new QPushButton(T::replaceAll, this);
    replaceAll->setObjectName(QStringLiteral("BitBtnReplaceAll"));
    auto *exit = new QPushButton(T::exit, this);
    exit->setObjectName(QStringLiteral("BitBtnExit"));
    buttons->addStretch(1);
    buttons->addWidget(replaceAll);
    buttons->addWidget(exit);
    layout->addLayout(buttons, 6, 0, 1, 3);

    m_workingList = new QListWidget(this);
    m_workingList->setObjectName(QStringLiteral("ListBoxFiles"));
    m_workingList->hide();
    m_statusBar = new ToolStatusBar(this);
    layout->addWidget(m_statusBar, 7, 0, 1, 3);

    connect(m_radioProject, &QRadioButton::clicked, this, &TFormBigReplace::RadioProjClick);
    connect(m_radioFiles, &QRadioButton::clicked, this, &TFormBigReplace::RadioFilesClick);
    connect(m_add, &QPushButton::clicked, this, &TFormBigReplace::ButtonAddClick);
    connect(m_remove, &QPushButton::clicked, this, &TFormBigReplace::ButtonRemoveClick);
    connect(replaceAll, &QPushButton::clicked, this, &TFormBigReplace::BitBtnReplaceAllClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    // Opening: today's folder name, the projects with the open one chosen.
    m_backupDir->setText(SiteFiles::dateFolderName(m_context.clock->now().date()));
    const QStringList projects = SiteProjects::list(m_context.projectsFolder);
    m_projects->addItems(projects);
    m_projects->setCurrentIndex(SiteProjects::indexOf(projects, m_context.projectName));
    RadioProjClick();
    resize(620, 520);
    showTextsAsPlainText(this);
}

TFormBigReplace::~TFormBigReplace() = default;

QString TFormBigReplace::status() const
{
    return m_statusBar->text();
}

void TFormBigReplace::setStatus(const QString &text)
{
    m_statusBar->setText(text);
}

QStringList TFormBigReplace::workingList() const
{
    QStringList files;
    for (int i = 0; i < m_workingList->count(); ++i)
        files << m_workingList->item(i)->text();
    return files;
}

void TFormBigReplace::RadioProjClick()
{
    m_projects->setEnabled(true);
    m_files->setEnabled(false);
    m_add->setEnabled(false);
    m_remove->setEnabled(false);
}

void TFormBigReplace::RadioFilesClick()
{
    m_projects->setEnabled(false);
    m_files->setEnabled(true);
    m_add->setEnabled(true);
    m_remove->setEnabled(true);
}

void TFormBigReplace::ButtonAddClick()
{
    FileDialogRequest request;
    request.filter = T::addFilter;
    request.folder =
        m_lastAddedFolder.isEmpty() ? m_context.settings->text(SettingKey::StartLocation) : m_lastAddedFolder;
    const QString chosen = m_context.prompts->openFile(request);
    if (chosen.isEmpty())
        return;
    m_lastAddedFolder = folderPart(chosen);
    m_files->addItem(chosen);
}

void TFormBigReplace::ButtonRemoveClick()
{
    const int row = m_files->currentRow();
    if (row >= 0 && m_files->currentItem() && m_files->currentItem()->isSelected())
        delete m_files->takeItem(row);
}

bool TFormBigReplace::backUp(const QStringList &files)
{
    if (m_backupDir->text().isEmpty())
        m_backupDir->setText(SiteFiles::dateFolderName(m_context.clock->now().date()));
    const QString name = m_backupDir->text().toLower();
    // A name that would lead out of the backup folder is refused like one that cannot be made.
    QDir backup(m_context.programFolder + QStringLiteral("backup"));
    if (!SiteFiles::isPlainFolderName(name) || !backup.exists() || !backup.mkdir(name)) {
        m_context.prompts->information(SiteFiles::cannotCreateBackupFolder);
        return false;
    }
    const QString folder = backup.filePath(name) + QLatin1Char('/');
    for (const SiteFiles::Copy &copy : SiteFiles::planCopies(files)) {
        bool unreadable = false;
        QString error;
        const bool copied = SiteFiles::copyInto(copy.source, folder, copy.target, &unreadable, &error);
        // A file that cannot be read is not replaced either, and the run's report names it;
        // replacing in a file whose copy could not be made could lose it for good.
        if (!copied && !unreadable) {
            m_context.prompts->information(BigReplaceTexts::backupFailed(copy.source, error));
            return false;
        }
        m_context.pump->processEvents();
    }
    return true;
}

void TFormBigReplace::BitBtnReplaceAllClick()
{
    const bool projectMode = m_radioProject->isChecked();
    if (projectMode && m_projects->currentIndex() < 0) {
        m_context.prompts->information(BigReplaceTexts::selectProjectFirst);
        return;
    }
    if (!projectMode && m_files->count() == 0) {
        m_context.prompts->information(BigReplaceTexts::selectFileFirst);
        return;
    }
    if (!m_context.prompts->confirm(BigReplaceTexts::areYouSure))
        return;
    QStringList files;
    if (projectMode) {
        // The outline is read too: a path file longer than its outline would have pages
        // changed that the project never shows.
        QString error;
        const std::optional<ProjectModel> project =
            SiteProjects::read(m_context.projectsFolder, m_projects->currentText(), &error);
        if (!project) {
            m_context.prompts->error(error);
            return;
        }
        for (int page = 0; page < project->pageCount(); ++page)
            files << project->filePathOf(page);
    } else {
        for (int i = 0; i < m_files->count(); ++i)
            files << m_files->item(i)->text();
    }
    m_workingList->clear();
    m_workingList->addItems(files);
    SiteFiles::removeLeftoverTemporaries(files);
    if (m_backup->isChecked() && !backUp(files))
        return;

    m_statusBar->begin(int(files.size()));
    const QString search = m_text->text();
    const QString replacement = m_replacement->text();
    const bool matchCase = m_matchCase->isChecked();
    setStatus(BigReplaceTexts::processing);
    QStringList left;
    for (int i = 0; i < files.size(); ++i) {
        m_context.pump->processEvents();
        // Unreadable and unwritable files are left as they were; the run goes on.
        QString reason;
        const SiteFiles::FileOutcome outcome =
            SiteFiles::replaceInFile(files[i], search, replacement, matchCase, &reason);
        if (outcome == SiteFiles::FileOutcome::Unreadable || outcome == SiteFiles::FileOutcome::WriteFailed)
            left << reason;
        m_statusBar->advance(i + 1);
    }
    setStatus(BigReplaceTexts::finished);
    m_statusBar->end();
    if (!left.isEmpty())
        m_context.prompts->information(BigReplaceTexts::filesLeft(left));
}
