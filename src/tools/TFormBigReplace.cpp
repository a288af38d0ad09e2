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
#include "ui_TFormBigReplace.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>

namespace {
const QString addFilter = QStringLiteral("HTML File|*.htm;*.html;*.shtml;*.sht;*.cgi;*.asp;|All Files|*.*");
} // namespace

TFormBigReplace::TFormBigReplace(BigReplaceContext context, QWidget *parent)
    : QDialog(parent), m_context(std::move(context)), m_ui(std::make_unique<Ui::TFormBigReplace>())
{
    m_ui->setupUi(this);
    setWindowTitle(BigReplaceTexts::caption);
    // The files of one run, kept out of sight.
    m_workingList = new QListWidget(this);
    m_workingList->setObjectName(QStringLiteral("ListBoxFiles"));
    m_workingList->hide();

    connect(m_ui->RadioProj, &QRadioButton::clicked, this, &TFormBigReplace::RadioProjClick);
    connect(m_ui->RadioFiles, &QRadioButton::clicked, this, &TFormBigReplace::RadioFilesClick);
    connect(m_ui->ButtonAdd, &QPushButton::clicked, this, &TFormBigReplace::ButtonAddClick);
    connect(m_ui->ButtonRemove, &QPushButton::clicked, this, &TFormBigReplace::ButtonRemoveClick);
    connect(m_ui->BitBtnReplaceAll, &QPushButton::clicked, this, &TFormBigReplace::BitBtnReplaceAllClick);
    connect(m_ui->BitBtnExit, &QPushButton::clicked, this, &QDialog::reject);

    // Opening: today's folder name, the projects with the open one chosen.
    m_ui->EditBackupDir->setText(SiteFiles::dateFolderName(m_context.clock->now().date()));
    const QStringList projects = SiteProjects::list(m_context.projectsFolder);
    m_ui->ComboProjects->addItems(projects);
    m_ui->ComboProjects->setCurrentIndex(SiteProjects::indexOf(projects, m_context.projectName));
    RadioProjClick();
    showTextsAsPlainText(this);
}

TFormBigReplace::~TFormBigReplace() = default;

QString TFormBigReplace::status() const
{
    return m_ui->StatusBar1->text();
}

void TFormBigReplace::setStatus(const QString &text)
{
    m_ui->StatusBar1->setText(text);
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
    m_ui->ComboProjects->setEnabled(true);
    m_ui->ListBox1->setEnabled(false);
    m_ui->ButtonAdd->setEnabled(false);
    m_ui->ButtonRemove->setEnabled(false);
}

void TFormBigReplace::RadioFilesClick()
{
    m_ui->ComboProjects->setEnabled(false);
    m_ui->ListBox1->setEnabled(true);
    m_ui->ButtonAdd->setEnabled(true);
    m_ui->ButtonRemove->setEnabled(true);
}

void TFormBigReplace::ButtonAddClick()
{
    FileDialogRequest request;
    request.filter = addFilter;
    request.folder =
        m_lastAddedFolder.isEmpty() ? m_context.settings->text(SettingKey::StartLocation) : m_lastAddedFolder;
    const QString chosen = m_context.prompts->openFile(request);
    if (chosen.isEmpty())
        return;
    m_lastAddedFolder = folderPart(chosen);
    m_ui->ListBox1->addItem(chosen);
}

void TFormBigReplace::ButtonRemoveClick()
{
    const int row = m_ui->ListBox1->currentRow();
    if (row >= 0 && m_ui->ListBox1->currentItem() && m_ui->ListBox1->currentItem()->isSelected())
        delete m_ui->ListBox1->takeItem(row);
}

bool TFormBigReplace::backUp(const QStringList &files)
{
    if (m_ui->EditBackupDir->text().isEmpty())
        m_ui->EditBackupDir->setText(SiteFiles::dateFolderName(m_context.clock->now().date()));
    const QString name = m_ui->EditBackupDir->text().toLower();
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
    const bool projectMode = m_ui->RadioProj->isChecked();
    if (projectMode && m_ui->ComboProjects->currentIndex() < 0) {
        m_context.prompts->information(BigReplaceTexts::selectProjectFirst);
        return;
    }
    if (!projectMode && m_ui->ListBox1->count() == 0) {
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
            SiteProjects::read(m_context.projectsFolder, m_ui->ComboProjects->currentText(), &error);
        if (!project) {
            m_context.prompts->error(error);
            return;
        }
        for (int page = 0; page < project->pageCount(); ++page)
            files << project->filePathOf(page);
    } else {
        for (int i = 0; i < m_ui->ListBox1->count(); ++i)
            files << m_ui->ListBox1->item(i)->text();
    }
    m_workingList->clear();
    m_workingList->addItems(files);
    SiteFiles::removeLeftoverTemporaries(files);
    if (m_ui->CheckBackup->isChecked() && !backUp(files))
        return;

    m_ui->StatusBar1->begin(int(files.size()));
    const QString search = m_ui->EditText->text();
    const QString replacement = m_ui->EditReplacement->text();
    const bool matchCase = m_ui->CheckCase->isChecked();
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
        m_ui->StatusBar1->advance(i + 1);
    }
    setStatus(BigReplaceTexts::finished);
    m_ui->StatusBar1->end();
    if (!left.isEmpty())
        m_context.prompts->information(BigReplaceTexts::filesLeft(left));
}
