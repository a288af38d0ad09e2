#include "preview/ProgramLauncher.h"

#include "platform/ProgramFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <array>
#include <utility>

DesktopProgramLauncher::DesktopProgramLauncher(Opener openDocument, Starter startProgram)
    : m_open(std::move(openDocument)), m_start(std::move(startProgram))
{
    if (!m_open)
        m_open = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    if (!m_start)
        m_start = [](const QString &program, const QString &folder) {
            return QProcess::startDetached(program, {}, folder);
        };
}

ProgramLauncher::Result DesktopProgramLauncher::launch(const QString &program)
{
    const QFileInfo file(program);
    const QString folder = folderPart(program);
    if (!file.exists()) {
        const bool folderThere = folder.isEmpty() || QFileInfo(folder).isDir();
        return {false, folderThere ? kFileNotFound : kPathNotFound};
    }
    // A folder is neither a program nor a document: nothing to launch.
    if (file.isDir())
        return {true, 0};
    if (file.isExecutable())
        return {false, m_start(file.absoluteFilePath(), folder.isEmpty() ? QDir::currentPath() : folder)
                           ? kStarted
                           : kCannotStart};
    return {false, m_open(QUrl::fromLocalFile(file.absoluteFilePath())) ? kStarted : kCannotStart};
}

QString launchFailureText(int code, const QString &program)
{
    static const std::array<std::pair<int, const char *>, 16> texts{{
        {0, "System was out of memory, executable file was corrupt, or relocations were invalid."},
        {2, nullptr},
        {3, "Path was not found."},
        {5, "Attempt was made to dynamically link to a task, or there was a sharing or network-protection error."},
        {6, "Library required separate data segments for each task."},
        {8, "There was insufficient memory to start the application."},
        {10, "Windows version was incorrect."},
        {11, "Executable file was invalid. Either it was not a Windows application or there was an error in the .EXE "
             "image."},
        {12, "Application was designed for a different operating system."},
        {13, "Application was designed for MS-DOS 4.0."},
        {14, "Type of executable file was unknown."},
        {15, "Attempt was made to load a real-mode application (developed for an earlier version of Windows)."},
        {16, "Attempt was made to load a second instance of an executable file containing multiple data segments"},
        {19, "Attempt was made to load a compressed executable file. The file must be decompressed before it can be "
             "loaded."},
        {20, "Dynamic-link library (DLL) file was invalid. One of the DLLs required to run this application was "
             "corrupt."},
        {21, "Application requires Microsoft Windows 32-bit extensions."},
    }};
    if (code == ProgramLauncher::kFileNotFound)
        return QStringLiteral("File was not found.(") + program + QLatin1Char(')');
    for (const auto &[value, text] : texts)
        if (value == code && text)
            return QLatin1String(text);
    return QStringLiteral("Unknown Error.");
}
