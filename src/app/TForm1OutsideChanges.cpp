// Changes other programs make to the open page and project: the files and their folders are
// watched (an editor that saves by renaming replaces the file, so the folder tells when it is
// back), and the page and project are compared with their files once the signals settle.
#include "app/TForm1.h"

#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/Prompts.h"
#include "project/ProjectModel.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

void TForm1::startWatchingFiles()
{
    m_watcher = new QFileSystemWatcher(this);
    m_timerOutsideChanges = new QTimer(this);
    m_timerOutsideChanges->setObjectName(QStringLiteral("TimerOutsideChanges"));
    m_timerOutsideChanges->setSingleShot(true);
    m_timerOutsideChanges->setInterval(OutsideChanges::kQuietMs);
    connect(m_timerOutsideChanges, &QTimer::timeout, this, &TForm1::TimerOutsideChangesTimer);
    const auto restartQuietTime = [this] { m_timerOutsideChanges->start(); };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, restartQuietTime);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, restartQuietTime);
}

QStringList TForm1::projectFiles() const
{
    if (m_projectFile.isEmpty())
        return {};
    return {m_projectFile, ProjectFiles::companionPathFile(m_projectFile)};
}

void TForm1::rememberProjectFile(const QString &outlinePath)
{
    m_projectFile = outlinePath;
    m_projectStamps = diskStateOf(projectFiles());
    watchOpenFiles();
}

void TForm1::watchOpenFiles()
{
    QStringList files;
    if (!m_document->isHelpPage() && !m_document->sourceFile().isEmpty())
        files << m_document->sourceFile();
    if (!m_helpMode)
        files << projectFiles();
    QStringList wanted = files;
    for (const QString &file : files)
        wanted << QFileInfo(file).absolutePath();
    wanted.removeDuplicates();

    const QStringList watched = m_watcher->files() + m_watcher->directories();
    QStringList unwanted;
    for (const QString &path : watched)
        if (!wanted.contains(path))
            unwanted << path;
    if (!unwanted.isEmpty())
        m_watcher->removePaths(unwanted);
    QStringList added;
    for (const QString &path : wanted)
        if (!watched.contains(path) && QFileInfo::exists(path))
            added << path;
    if (!added.isEmpty())
        m_watcher->addPaths(added);
}

void TForm1::TimerOutsideChangesTimer()
{
    if (QApplication::activeModalWidget()) {
        m_timerOutsideChanges->start(); // asked once the dialog in front is closed
        return;
    }
    const QString page = m_document->sourceFile();
    if (!page.isEmpty() && !m_document->isHelpPage())
        m_pageChanges.settle(
            {m_document->sourceStamp()}, diskStateOf({page}), m_document->isModified(), prompts(),
            OutsideChangeTexts::reloadPage(page),
            [this] {
                if (QString error; !reloadKeepingCaretLine(*m_document, *m_editorAccess, &error))
                    prompts().error(error);
                m_editor->ensureCursorVisible();
            },
            [this] { m_document->setModified(true); });
    if (!m_projectFile.isEmpty() && !m_helpMode)
        m_projectChanges.settle(
            m_projectStamps, diskStateOf(projectFiles()), m_projectModified, prompts(),
            OutsideChangeTexts::reloadProject(m_projectFile),
            [this] {
                m_projectModified = false;
                readProjectFiles(m_projectFile);
            },
            [this] { setProjectModified(); });
    watchOpenFiles(); // a file replaced by a rename is a new file to watch
}
