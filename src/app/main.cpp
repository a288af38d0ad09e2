#include "app/AppEnvironment.h"
#include "app/TForm1.h"
#include "platform/AppFolders.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/CommandLine.h"
#include "platform/DialogPrompts.h"
#include "platform/EventPump.h"
#include "platform/LazyIcons.h"
#include "platform/TextFile.h"
#include "preview/PageView.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <QTimer>

namespace {
// --help and --version are answered before anything needs a display.
void answerWithoutDisplay(int argc, char **argv, QCommandLineParser &parser)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine::Request request = CommandLine::request(parser, arguments);
    if (request == CommandLine::Request::Start)
        return;
    QCoreApplication core(argc, argv);
    if (request == CommandLine::Request::Help)
        parser.showHelp(); // exits
    if (request == CommandLine::Request::Version)
        parser.showVersion(); // exits
    parser.process(core);     // --help-all, with Qt's options; exits
}
} // namespace

int main(int argc, char **argv)
{
    ignoreFileSizeLimitSignal();
    QCoreApplication::setApplicationName(QLatin1String(kDataFolderName));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVAREL_VERSION));
    QCommandLineParser parser;
    CommandLine::configure(parser);
    answerWithoutDisplay(argc, argv, parser);
    // The web engine, loaded with the browser pane's module only when the pane is first
    // shown, needs this set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setStyle(new LazyExtensionIconStyle);
    QApplication::setApplicationDisplayName(QLatin1String(kApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral(TOVAREL_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(TOVAREL_APP_ID))); // installed with the program
    parser.process(app); // an unknown option ends the program with its message

    DialogPrompts prompts;
    SystemClipboard clipboard;
    SystemClock clock;
    ApplicationEventPump eventPump;

    AppEnvironment environment;
    environment.folders = AppFolders::forExecutable(QApplication::applicationDirPath());
    environment.prompts = &prompts;
    environment.clipboard = &clipboard;
    environment.clock = &clock;
    environment.eventPump = &eventPump;
    environment.webViewModule = PageViewModule::locate(QApplication::applicationDirPath());
#ifdef TOVAREL_STARTUP_PROBE
    environment.splashMilliseconds = 0;
#endif

    TForm1 mainWindow(environment);
    prompts.setParent(&mainWindow);
    // Without a window manager "maximised" means nothing, so fill the screen ourselves too.
    mainWindow.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mainWindow.showMaximized();
    mainWindow.openFiles(CommandLine::files(parser.positionalArguments(), QDir::currentPath()));
#ifdef TOVAREL_STARTUP_PROBE
    // The start-up benchmark's copy: gone as soon as the window is up and nothing is pending.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
#endif
    return app.exec();
}
