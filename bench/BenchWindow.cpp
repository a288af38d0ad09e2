#include "BenchWindow.h"

#include <QDialog>

TForm1 &BenchWindow::start()
{
    AppEnvironment env{AppFolders::inPlace(folder()), &prompts, &clipboard, &clock, &pump, 0};
    env.runModal = [](QDialog &) { return int(QDialog::Rejected); }; // nobody answers the tip of the day
    window = std::make_unique<TForm1>(env);
    window->resize(1000, 700);
    window->show();
    return *window;
}
