// The project half of the main window: project files, the outline, page operations, printing.
#include "app/TForm1.h"

#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/CommandLine.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/TextFile.h"
#include "project/ProjectPrinting.h"
#include "project/TFormConfirm.h"
#include "project/TFormMove.h"
#include "project/TFormNewName.h"
#include "project/TFormPrintOptions.h"
#include "tools/BackupReminder.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "project/ProjectOutlineModel.h"

namespace ProjectTexts {
const QString captionPrefix = QStringLiteral("Kelvane Tovarel Pro:  ");
const QString recentCaptionPrefix = QStringLiteral("Kelvane Tovarel:  ");
const QString saveOnNew = QStringLiteral("Save changes to open Project?");
const QString saveOnClose = QStringLiteral("Save changes to this Project?");
const QString invalidProject =
    QStringLiteral("Error opening this project. Please be sure you selected a valid, existing project.");
const QString helpCannotChange = QStringLiteral("Sorry, this is the HELP file and cannot be changed.");
const QString helpCannotEdit = QStringLiteral("Sorry, this is the HELP file and cannot be edited.");
const QString saveProjectTitle = QStringLiteral("Save Project As..");
const QString saveProjectAsTitle = QStringLiteral("Save Project As...");
const QString nothingToPrint = QStringLiteral("There is no project or HTML file open to print.");
const QString cannotOpenPage = QStringLiteral(
    "Cannot open this file. Has it been moved, renamed, or deleted? Please right-click it and select \"Change HTML "
    "Link\" or go to the SETTINGS menu and select CHANGE FILE PATH to update new file path location for all files "
    "that have been moved.");

QString saveNamed(const QString &projectName)
{
    return QStringLiteral("Save changes to Project \"%1\" ?").arg(projectName.toUpper());
}

QString recentNotFound(const QString &path)
{
    return QStringLiteral("Cannot find the project \"%1\".\rPlease locate and open it using the File|Open menu item.")
        .arg(path.toUpper());
}

} // namespace ProjectTexts

namespace {
const SettingKey kRecentKeys[4] = {SettingKey::Recent1, SettingKey::Recent2, SettingKey::Recent3, SettingKey::Recent4};
}

void TForm1::buildProjectCommands()
{
    onCommand(QStringLiteral("NewProject1"), &TForm1::NewProject1Click);
    onCommand(QStringLiteral("Open1"), &TForm1::Open1Click);
    onCommand(QStringLiteral("Save1"), &TForm1::Save1Click);
    onCommand(QStringLiteral("SaveAs1"), &TForm1::SaveAs1Click);
    onCommand(QStringLiteral("PrintProjectOutline1"), &TForm1::PrintProjectOutline1Click);
    onCommand(QStringLiteral("RemovePagefromProject1"), &TForm1::BitBtnDeleteClick);
    onCommand(QStringLiteral("ChangeHTMLLink1"), &TForm1::ChangeHtmlLinkClick);
    onCommand(QStringLiteral("ChangePageTitle1"), &TForm1::ChangePageTitleClick);
    onCommand(QStringLiteral("OpenEditWebPage1"), &TForm1::Outline1DblClick);
    onCommand(QStringLiteral("AddWebPage2"), &TForm1::Button1Click);
    onCommand(QStringLiteral("AddSubPage2"), &TForm1::BitBtnAddChildClick);
    onCommand(QStringLiteral("MovePage2"), &TForm1::ButtonMoveClick);
    onCommand(QStringLiteral("Selected1"), &TForm1::Selected1Click);
    onCommand(QStringLiteral("AllPageGroups1"), &TForm1::AllPageGroups1Click);
    onCommand(QStringLiteral("ThisLevel1"), &TForm1::ThisLevel1Click);
    onCommand(QStringLiteral("EntireSite1"), &TForm1::EntireSite1Click);
    m_saveProjectButton = findChild<QToolButton *>(QStringLiteral("BitBtnSaveProject"));
    m_saveProjectButton->setEnabled(false);

    // The buttons under the outline.
    auto *column = new QVBoxLayout(m_groupPages);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(2);
    const auto pageButton = [&](const char *name, const QString &caption, void (TForm1::*handler)()) {
        auto *button = new QPushButton(caption, m_groupPages);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, handler);
        column->addWidget(button);
    };
    pageButton("Button1", QStringLiteral("&Add a Web Page"), &TForm1::Button1Click);
    pageButton("BitBtnAddChild", QStringLiteral("Add a Sub-Page"), &TForm1::BitBtnAddChildClick);
    pageButton("ButtonMove", QStringLiteral("Moves Pages Up/Down"), &TForm1::ButtonMoveClick);
    pageButton("BitBtnDelete", QStringLiteral("&Remove from Project"), &TForm1::BitBtnDeleteClick);
    m_groupPages->resize(m_groupPages->width(), 4 * 28 + 24);

    m_outline->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_outline, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_outlineMenu->popup(m_outline->viewport()->mapToGlobal(at)); });
    connect(m_outline, &QTreeView::clicked, this, &TForm1::Outline1Click);
    connect(m_outline, &QTreeView::doubleClicked, this, &TForm1::Outline1DblClick);

    m_formNewName = new TFormNewName(*m_env.prompts, this);
}

// ---------------------------------------------------------------------------------------
// The outline

void TForm1::rebuildOutline()
{
    m_outlineModel->reload();
}

int TForm1::selectedPage() const
{
    return ProjectOutlineModel::pageOf(m_outline->currentIndex());
}

void TForm1::selectPage(int page)
{
    m_outline->setCurrentIndex(m_outlineModel->indexOfPage(page));
}

void TForm1::setProjectCaption(const QString &prefix, const QString &path)
{
    setWindowTitle(prefix + path);
}

void TForm1::setProjectModified()
{
    m_projectModified = true;
}

void TForm1::Selected1Click()
{
    const int page = selectedPage();
    if (m_project.hasChildren(page))
        m_outline->expand(m_outlineModel->indexOfPage(page));
}

void TForm1::AllPageGroups1Click()
{
    m_outline->expandAll();
}

void TForm1::ThisLevel1Click()
{
    const int page = selectedPage();
    if (!m_project.hasChildren(page))
        return;
    for (int i = page; i <= page + m_project.descendantCount(page); ++i)
        m_outline->collapse(m_outlineModel->indexOfPage(i));
}

void TForm1::EntireSite1Click()
{
    m_outline->collapseAll();
}

void TForm1::Outline1Click()
{
    const int page = selectedPage();
    if (page < 0)
        return;
    const QString path = m_project.pathOf(page);
    const QFileInfo file(m_project.filePathOf(page));
    if (path.isEmpty() || !file.isFile())
        return;
    setStatusPanelText(0, QStringLiteral("File Size: %1KB").arg(file.size() / 1000));
    setStatusPanelText(1, QStringLiteral("Page Location:  ") + path);
}

bool TForm1::loadPage(const QString &path, QString *error)
{
    if (m_document->load(path, error))
        return true;
    m_document->keepTextOfFailedOpen();
    return false;
}

bool TForm1::isHelpPageFile(const QString &path) const
{
    return m_helpMode && path.endsWith(QLatin1String(".kvn"), Qt::CaseInsensitive);
}

bool TForm1::openPage(const QString &file)
{
    if (m_document->askToSave() == Answer::Cancel)
        return false;
    QString error;
    if (!loadPage(file, &error)) {
        prompts().information(DocumentTexts::cannotOpen(ProjectTexts::cannotOpenPage, error));
        return false;
    }
    if (isHelpPageFile(file)) {
        m_document->setHelpPage(true);
        setSaveCommandsEnabled(false);
    }
    showPageInBrowserPane();
    return true;
}

void TForm1::Outline1DblClick()
{
    const int page = selectedPage();
    if (page >= 0)
        openPage(m_project.filePathOf(page)); // a help page's bare name: from help/
}

// ---------------------------------------------------------------------------------------
// Project files

bool TForm1::readProjectFiles(const QString &outlinePath)
{
    // A project that cannot be read whole is not half-loaded: outline and path list stay in
    // step and nothing under the project's name can be saved over the file on disk.
    QString error;
    std::optional<ProjectModel> project = ProjectFiles::readProject(outlinePath, &error);
    if (!project) {
        prompts().error(error);
        m_project.clear();
        m_project.setFolder(projectsFolder());
        m_projectName.clear();
        rememberProjectFile(QString());
        rebuildOutline();
        return false;
    }
    m_project = std::move(*project);
    rememberProjectFile(outlinePath);
    rebuildOutline();
    m_outline->expandAll();
    return true;
}

bool TForm1::writeProjectFiles()
{
    const QString outlinePath = projectsFolder() + m_projectName;
    QString error;
    QString failed = outlinePath;
    bool written = writeFileAtomically(outlinePath, ProjectFiles::writeOutline(m_project.pages()), &error);
    if (written) {
        failed = ProjectFiles::companionPathFile(outlinePath);
        written = writeFileAtomically(failed, ProjectFiles::writePaths(m_project.paths()), &error);
    }
    if (!written) {
        prompts().error(DocumentTexts::saveFailed(failed, error));
        return false;
    }
    m_project.setFolder(projectsFolder()); // relative page paths now go with the file written there
    rememberProjectFile(outlinePath);
    return true;
}

void TForm1::putOnRecentList(const QString &path)
{
    QStringList entries;
    for (SettingKey key : kRecentKeys)
        entries << m_settings.text(key);
    entries = RecentProjects::promote(entries, path);
    for (int i = 0; i < 4; ++i)
        m_settings.store(kRecentKeys[i], entries[i]);
    refreshRecentItems();
}

void TForm1::refreshRecentItems()
{
    // "&" in a path would otherwise underline the next letter.
    for (int i = 0; i < 4; ++i)
        m_recentItems[i]->setText(
            QStringLiteral("%1: %2").arg(i + 1).arg(m_settings.text(kRecentKeys[i])).replace('&', QLatin1String("&&")));
}

bool TForm1::closeProject(ProjectCloser closer)
{
    const bool asksInHelpMode = closer == ProjectCloser::RecentItem || closer == ProjectCloser::HelpProject;
    if (m_projectModified && (asksInHelpMode || !m_helpMode)) {
        const QString question = closer == ProjectCloser::NewProject ? ProjectTexts::saveOnNew
                                 : closer == ProjectCloser::Program  ? ProjectTexts::saveOnClose
                                                                     : ProjectTexts::saveNamed(m_projectName);
        if (prompts().confirm(question))
            Save1Click();
    }
    runBackupReminder();
    return true;
}

void TForm1::runBackupReminder()
{
    if (!BackupReminder::countClosing(m_settings, m_projectName))
        return;
    if (prompts().confirm(BackupReminder::question))
        openBackupDialog(m_projectName);
}

void TForm1::NewProject1Click()
{
    closeProject(ProjectCloser::NewProject);
    m_projectName.clear();
    m_project.clear();
    m_project.setFolder(projectsFolder()); // where it will be saved
    rememberProjectFile(QString());
    rebuildOutline();
    m_projectModified = false;
    m_helpMode = false;
    setProjectCaption(ProjectTexts::captionPrefix, QString());
}

void TForm1::Open1Click()
{
    closeProject(ProjectCloser::OpenProject);
    FileDialogRequest request;
    request.folder = projectsFolder();
    request.filter = m_masks.openFilter;
    request.filterIndex = 2;
    const QString chosen = prompts().openFile(request);
    if (!chosen.isEmpty())
        openProjectAt(chosen);
}

void TForm1::openProjectAt(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        prompts().information(ProjectTexts::invalidProject);
        return;
    }
    m_saveProjectButton->setEnabled(true);
    m_projectModified = false;
    m_helpMode = false;
    putOnRecentList(path);
    m_projectName = fileNamePart(path);
    if (readProjectFiles(path))
        setProjectCaption(ProjectTexts::captionPrefix, path);
}

void TForm1::openFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (CommandLine::isProjectFile(path)) {
            closeProject(ProjectCloser::OpenProject);
            openProjectAt(path);
        } else if (QString error; m_document->askToSave() != Answer::Cancel && !m_document->load(path, &error)) {
            prompts().information(DocumentTexts::cannotOpen(DocumentTexts::cannotOpenTemplate, error));
        }
    }
}

void TForm1::openRecentProject(int index)
{
    const QString path = m_settings.text(kRecentKeys[index]);
    if (path.isEmpty())
        return;
    closeProject(ProjectCloser::RecentItem);
    if (!QFileInfo(path).isFile()) {
        prompts().information(ProjectTexts::recentNotFound(path));
        return;
    }
    m_saveProjectButton->setEnabled(true);
    m_helpMode = false;
    m_projectModified = false;
    putOnRecentList(path);
    m_projectName = fileNamePart(path);
    if (readProjectFiles(path))
        setProjectCaption(ProjectTexts::recentCaptionPrefix, path);
}

bool TForm1::openHelpProject()
{
    closeProject(ProjectCloser::HelpProject);
    m_helpMode = true;
    m_projectModified = false;
    m_projectName = QStringLiteral("welcome.out");
    return readProjectFiles(m_settings.folders().shipped() + QStringLiteral("help/welcome.out"));
}

QString TForm1::askProjectSaveName(const QString &title)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = mainSaveFilter();
    request.filterIndex = 1;
    request.defaultSuffix = QStringLiteral("out");
    request.folder = projectsFolder();
    return prompts().saveFile(request);
}

void TForm1::Save1Click()
{
    if (m_projectName.toLower() == QLatin1String("welcome.out")) {
        prompts().information(ProjectTexts::helpCannotChange);
        return;
    }
    if (m_projectName.isEmpty()) {
        const QString chosen = askProjectSaveName(ProjectTexts::saveProjectTitle);
        if (chosen.isEmpty())
            return;
        m_projectName = ProjectFiles::projectNameForSave(chosen);
        putOnRecentList(chosen);
        setProjectCaption(ProjectTexts::captionPrefix, chosen);
    }
    if (writeProjectFiles())
        m_projectModified = false;
}

void TForm1::SaveAs1Click()
{
    if (m_helpMode) {
        prompts().information(ProjectTexts::helpCannotChange);
        return;
    }
    const QString chosen = askProjectSaveName(ProjectTexts::saveProjectAsTitle);
    if (chosen.isEmpty())
        return;
    m_projectName = ProjectFiles::projectNameForSave(chosen);
    putOnRecentList(chosen);
    if (writeProjectFiles())
        m_projectModified = false;
    setProjectCaption(ProjectTexts::captionPrefix, chosen);
}

// ---------------------------------------------------------------------------------------
// Page operations

void TForm1::storeStartLocation(const QString &pagePath)
{
    const qsizetype cut = std::max({pagePath.lastIndexOf(QLatin1Char('/')), pagePath.lastIndexOf(QLatin1Char('\\')),
                                    pagePath.lastIndexOf(QLatin1Char(':'))});
    m_settings.store(SettingKey::StartLocation, pagePath.left(cut + 1));
}

void TForm1::Button1Click()
{
    m_formNewName->prepareAdd(m_settings.text(SettingKey::StartLocation), m_masks.masks);
    if (m_formNewName->exec() != QDialog::Accepted)
        return;
    m_saveProjectButton->setEnabled(true);
    const int page = m_project.addTopLevel(m_formNewName->resultTitle(), m_formNewName->resultPath());
    setProjectModified();
    storeStartLocation(m_formNewName->resultPath());
    rebuildOutline();
    m_outline->expandAll();
    selectPage(page);
}

void TForm1::BitBtnAddChildClick()
{
    const int parent = selectedPage();
    if (parent < 0)
        return;
    m_formNewName->prepareAdd(m_settings.text(SettingKey::StartLocation), m_masks.masks);
    if (m_formNewName->exec() != QDialog::Accepted)
        return;
    m_saveProjectButton->setEnabled(true);
    setProjectModified();
    const int page = m_project.addChild(parent, m_formNewName->resultTitle(), m_formNewName->resultPath());
    storeStartLocation(m_formNewName->resultPath());
    rebuildOutline();
    m_outline->expandAll();
    selectPage(page);
}

void TForm1::BitBtnDeleteClick()
{
    if (m_helpMode) {
        prompts().information(ProjectTexts::helpCannotEdit);
        return;
    }
    const int page = selectedPage();
    if (page < 0)
        return;
    if (m_settings.flag(SettingKey::FilesConfirm)) {
        TFormConfirm confirm(true, this);
        const bool yes = confirm.exec() == QDialog::Accepted;
        m_settings.storeFlag(SettingKey::FilesConfirm, confirm.confirmSetting());
        if (!yes)
            return;
    }
    setProjectModified();
    m_project.remove(page);
    rebuildOutline();
    m_outline->expandAll();
}

void TForm1::ChangeHtmlLinkClick()
{
    ChangeDescription1Click(true);
}
void TForm1::ChangePageTitleClick()
{
    ChangeDescription1Click(false);
}

void TForm1::ChangeDescription1Click(bool focusPath)
{
    const int page = selectedPage();
    if (page < 0)
        return;
    m_formNewName->prepareChange(m_project.pages()[page].title, m_project.pathOf(page),
                                 focusPath ? TFormNewName::Focus::Path : TFormNewName::Focus::Name,
                                 m_settings.text(SettingKey::StartLocation), m_masks.masks);
    if (m_formNewName->exec() != QDialog::Accepted)
        return;
    setProjectModified();
    m_project.change(page, m_formNewName->resultTitle(), m_formNewName->resultPath());
    m_outlineModel->titleChanged(page);
}

void TForm1::ButtonMoveClick()
{
    if (m_project.isEmpty())
        return;
    const QString outlineFile = m_settings.folders().writable() + QLatin1String(kMoveOutlineFile);
    const QString pathFile = m_settings.folders().writable() + QLatin1String(kMovePathFile);
    QString error;
    if (!writeFileAtomically(outlineFile, ProjectFiles::writeOutline(m_project.pages()), &error) ||
        !writeFileAtomically(pathFile, ProjectFiles::writePaths(m_project.paths()), &error)) {
        prompts().error(error);
        return;
    }
    TFormMove move(m_settings.folders().writable(), *m_env.prompts, this);
    if (move.exec() != QDialog::Accepted)
        return;
    setProjectModified();
    const ProjectFiles::OutlineRead pages =
        ProjectFiles::parseOutline(readFileBytes(outlineFile).value_or(QByteArray()));
    m_project.assign(pages.pages, ProjectFiles::parseLines(readFileBytes(pathFile).value_or(QByteArray())));
    rebuildOutline();
    m_outline->expandAll();
}

// ---------------------------------------------------------------------------------------
// Printing

void TForm1::PrintProjectOutline1Click()
{
    if (m_document->openFileName().isEmpty() && m_projectName.isEmpty()) {
        prompts().information(ProjectTexts::nothingToPrint);
        return;
    }
    TFormPrintOptions options(!m_document->openFileName().isEmpty(), this);
    if (options.exec() != QDialog::Accepted)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!prompts().choosePrinter(printer))
        return;
    switch (options.choice()) {
    case TFormPrintOptions::Choice::Outline:
    case TFormPrintOptions::Choice::OutlineWithLinks: {
        const bool withLinks = options.choice() == TFormPrintOptions::Choice::OutlineWithLinks;
        const QStringList lines =
            ProjectFiles::printLines(m_project.pages(), m_project.paths(), withLinks, options.fileNameOnly());
        if (!printLines(printer, lines, m_outline->font()))
            prompts().error(QStringLiteral("The printer could not be started."));
        break;
    }
    case TFormPrintOptions::Choice::HtmlFile:
        printEditor(printer, *m_editor, m_document->openFileName());
        break;
    }
}
