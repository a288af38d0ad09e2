#include "BenchWindow.h"

#include <QDialog>

AppEnvironment BenchWindow::environment(const QString &programFolder)
{
    AppEnvironment env;
    env.folders = AppFolders::inPlace(programFolder);
    env.prompts = &prompts;
    env.clipboard = &clipboard;
    env.clock = &clock;
    env.eventPump = &pump;
    env.splashMilliseconds = 0;
    env.runModal = [](QDialog &) { return int(QDialog::Rejected); };
    return env;
}

TForm1 &BenchWindow::start()
{
    window = std::make_unique<TForm1>(environment(folder()));
    window->resize(1000, 700);
    window->show();
    return *window;
}
