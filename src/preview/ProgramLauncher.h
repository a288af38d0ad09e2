#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Starts a helper program on its own, with no arguments, without waiting for it.
class ProgramLauncher {
public:
    struct Result {
        bool raised = false; // the launch itself failed before a result came back
        int code = 0;        // above 32: started
    };
    static constexpr int kStarted = 42;
    static constexpr int kFileNotFound = 2;
    static constexpr int kPathNotFound = 3;
    static constexpr int kCannotStart = 31;

    virtual ~ProgramLauncher() = default;
    virtual Result launch(const QString &program) = 0;
};

// The desktop launcher: an executable file is started detached in its own folder (no shell in
// between); any other existing file is opened with the program the desktop associates with it.
class DesktopProgramLauncher final : public ProgramLauncher {
public:
    using Opener = std::function<bool(const QUrl &)>;
    using Starter = std::function<bool(const QString &program, const QString &workingFolder)>;

    // Defaults: QDesktopServices::openUrl and QProcess::startDetached.
    explicit DesktopProgramLauncher(Opener openDocument = {}, Starter startProgram = {});

    Result launch(const QString &program) override;

private:
    Opener m_open;
    Starter m_start;
};

// The message for a launch result of 32 or less.
QString launchFailureText(int code, const QString &program);
