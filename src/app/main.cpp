#include "app/AppEnvironment.h"
#include "app/TForm1.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/DialogPrompts.h"
#include "platform/EventPump.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "preview/LocalPageScheme.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    ignoreFileSizeLimitSignal();
    LocalPageScheme::registerScheme(); // before the application: the web engine reads schemes at its start
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QLatin1String(kApplicationTitle));
    QApplication::setApplicationName(QStringLiteral("Tovarel Pro"));

    DialogPrompts prompts;
    SystemClipboard clipboard;
    SystemClock clock;
    ApplicationEventPump eventPump;

    AppEnvironment environment;
    environment.programFolder = programFolderOf(QApplication::applicationDirPath());
    environment.prompts = &prompts;
    environment.clipboard = &clipboard;
    environment.clock = &clock;
    environment.eventPump = &eventPump;

    TForm1 mainWindow(environment);
    prompts.setParent(&mainWindow);
    // Without a window manager "maximised" means nothing, so fill the screen ourselves too.
    mainWindow.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mainWindow.showMaximized();
    return app.exec();
}
