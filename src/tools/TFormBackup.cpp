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
#include "ui_TFormBackup.h"

#include <QApplication>
#include <QDir>
#include <QSignalBlocker>

TFormBackup::TFormBackup(BackupContext context, QWidget *parent)
    : QDialog(parent), m_context(std::move(context)), m_ui(std::make_unique<Ui::TFormBackup>())
{
    m_ui->setupUi(this);
    setWindowTitle(BackupTexts::caption);

    // Opening: the tree in the backup folder, the open project chosen.
    fillDrives();
    m_ui->DirectoryListBox1->setDirectory(m_context.programFolder + QStringLiteral("backup"));
    const QStringList projects = SiteProjects::list(m_context.projectsFolder);
    m_ui->ComboProjects->addItems(projects);
    const int open = SiteProjects::indexOf(projects, m_context.projectName);
    m_ui->ComboProjects->setCurrentIndex(open);
    if (open < 0)
        m_ui->ComboProjects->setEditText(QString());
    if (open >= 0) {
        m_ui->BitBtnBackup->setEnabled(true);
        m_ui->ListBox1->addItems(SiteProjects::readPaths(m_context.projectsFolder, m_ui->ComboProjects->currentText())
                                     .value_or(QStringList()));
    }
    if (!m_ui->ComboProjects->currentText().isEmpty()) {
        m_ui->EditNewSub->setText(suggestedName());
        m_ui->EditBackupPath->setText(treeFolder());
    }

    connect(m_ui->ComboProjects, &QComboBox::activated, this, &TFormBackup::ComboProjectsChange);
    connect(m_ui->ComboProjects->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const QComboBox *projects = m_ui->ComboProjects;
        if (projects->findText(projects->currentText()) != projects->currentIndex() || projects->currentIndex() < 0)
            ComboProjectsChange();
    });
    connect(m_ui->DriveComboBox1, &QComboBox::activated, this, &TFormBackup::DriveComboBox1Change);
    connect(m_ui->DirectoryListBox1, &DirectoryListBox::directoryChanged, this, &TFormBackup::DirectoryListBox1Change);
    connect(m_ui->ButtonNewSub, &QPushButton::clicked, this, &TFormBackup::ButtonNewSubClick);
    connect(m_ui->EditBackupPath, &QLineEdit::textChanged, this, &TFormBackup::EditBackupPathChange);
    connect(m_ui->BitBtnBackup, &QPushButton::clicked, this, &TFormBackup::BitBtnBackupClick);
    connect(m_ui->BitBtnClose, &QPushButton::clicked, this, &QDialog::accept);
    showTextsAsPlainText(this);
}

TFormBackup::~TFormBackup() = default;

QString TFormBackup::status() const
{
    return m_ui->StatusBar1->text();
}

void TFormBackup::fillDrives()
{
    const QSignalBlocker blocker(m_ui->DriveComboBox1);
    m_ui->DriveComboBox1->clear();
    for (const QFileInfo &drive : QDir::drives())
        m_ui->DriveComboBox1->addItem(drive.absoluteFilePath());
}

QString TFormBackup::treeFolder() const
{
    return m_ui->DirectoryListBox1->directory();
}

QString TFormBackup::suggestedName() const
{
    const QString project = m_ui->ComboProjects->currentText();
    const QDate today = m_context.clock->now().date();
    return project.chopped(std::min<qsizetype>(4, project.size())).toLower() + QLatin1Char('_') +
           SiteFiles::dateFolderName(today);
}

void TFormBackup::ComboProjectsChange()
{
    m_ui->BitBtnBackup->setEnabled(!m_ui->ComboProjects->currentText().isEmpty());
    m_ui->StatusBar1->setText(BackupTexts::idle);
    m_ui->ListBox1->clear();
    // Only a name from the list has a path file; a typed one is refused.
    const int entry = m_ui->ComboProjects->findText(m_ui->ComboProjects->currentText());
    const std::optional<QStringList> paths =
        entry >= 0 ? SiteProjects::readPaths(m_context.projectsFolder, m_ui->ComboProjects->currentText())
                   : std::nullopt;
    if (paths)
        m_ui->ListBox1->addItems(*paths);
    else
        m_context.prompts->information(BackupTexts::cannotType);
    m_ui->EditNewSub->setText(suggestedName());
    m_ui->EditBackupPath->setText(treeFolder());
}

void TFormBackup::DriveComboBox1Change(int index)
{
    if (index >= 0)
        m_ui->DirectoryListBox1->setDirectory(m_ui->DriveComboBox1->itemText(index));
}

void TFormBackup::DirectoryListBox1Change(const QString &folder)
{
    m_ui->EditBackupPath->setText(folder);
    m_ui->StatusBar1->setText(BackupTexts::idle);
}

void TFormBackup::ButtonNewSubClick()
{
    m_ui->StatusBar1->setText(BackupTexts::idle);
    const QString name = m_ui->EditNewSub->text();
    // A name that leads out of the chosen folder is never created nor made the target; the
    // user is told, and the name stays to be corrected.
    if (!SiteFiles::isPlainFolderName(name)) {
        m_context.prompts->information(SiteFiles::cannotCreateBackupFolder);
        return;
    }
    const QString path = withTrailingSeparator(treeFolder()) + name;
    QDir().mkdir(path); // a folder that exists already is fine
    m_ui->EditBackupPath->setText(path);
    m_ui->EditNewSub->clear();
    fillDrives();
    const QSignalBlocker blocker(m_ui->DirectoryListBox1);
    const QString folder = treeFolder();
    m_ui->DirectoryListBox1->setDirectory(path);
    m_ui->DirectoryListBox1->setDirectory(folder);
}

void TFormBackup::EditBackupPathChange(const QString &text)
{
    Q_UNUSED(text);
    m_ui->BitBtnBackup->setEnabled(!m_ui->ComboProjects->currentText().isEmpty());
}

void TFormBackup::BitBtnBackupClick()
{
    if (m_ui->ListBox1->count() == 0) {
        m_context.prompts->information(BackupTexts::notValid);
        return;
    }
    m_ui->StatusBar1->setText(BackupTexts::idle);
    if (!m_ui->EditBackupPath->text().endsWith(QLatin1Char('/')) &&
        !m_ui->EditBackupPath->text().endsWith(QLatin1Char('\\')))
        m_ui->EditBackupPath->setText(m_ui->EditBackupPath->text() + QLatin1Char('/'));
    const QString target = m_ui->EditBackupPath->text();
    QStringList pages;
    for (int i = 0; i < m_ui->ListBox1->count(); ++i)
        pages << m_ui->ListBox1->item(i)->text();
    m_ui->StatusBar1->begin(int(pages.size()));

    const QString shown = m_ui->ComboProjects->currentText();
    const QString pathFile = SiteProjects::pathFileOf(m_context.projectsFolder, shown);
    const QString outlineFile = SiteProjects::outlineFileOf(m_context.projectsFolder, shown);
    bool failed = false;
    int done = 0;
    for (const SiteFiles::Copy &copy :
         SiteFiles::planCopies(pages, {fileNamePart(pathFile), fileNamePart(outlineFile)})) {
        m_ui->StatusBar1->setText(BackupTexts::copyingPrefix + fileNamePart(copy.source));
        m_context.pump->processEvents();
        if (QString error; !SiteFiles::copyInto(copy.source, target, copy.target, nullptr, &error)) {
            m_context.prompts->information(BackupTexts::pageFailed(copy.source) + QLatin1Char('\n') + error);
            failed = true;
        }
        m_ui->StatusBar1->advance(++done);
    }
    for (const QString &projectFile : {pathFile, outlineFile}) {
        if (!SiteFiles::copyInto(projectFile, target, fileNamePart(projectFile))) {
            failed = true;
            m_context.prompts->information(BackupTexts::projectFileFailed);
        }
    }
    m_ui->StatusBar1->end();
    // A whole backup restarts the reminder's count; one with a file missing does not.
    if (!failed)
        BackupReminder::backedUp(*m_context.settings, shown);
    m_ui->StatusBar1->setText(BackupTexts::complete);
    m_context.prompts->information(BackupTexts::finished + (failed ? BackupTexts::someFailed : QString()));
}
