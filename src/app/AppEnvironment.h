#pragma once

#include "platform/AppFolders.h"

#include <QString>

#include <functional>

class Clipboard;
class Clock;
class EventPump;
class Prompts;
class QDialog;

inline constexpr const char *kApplicationTitle = "Kelvane Tovarel Pro";
inline constexpr int kSplashMilliseconds = 2200;

// Data files of the program folder besides the settings files.
inline const QString kUrlSnipsFile = QStringLiteral("urlsnips.dat");
inline const QString kMiscSnipsFile = QStringLiteral("missnips.dat");
inline const QString kSpellConfigFile = QStringLiteral("spell/spell.cfg");

// What the main window gets from outside: its folders and the platform seams.
// The real program passes the desktop's; tests pass doubles and a temporary folder.
struct AppEnvironment {
    AppFolders folders = AppFolders::inPlace(QString());
    Prompts *prompts = nullptr;
    Clipboard *clipboard = nullptr;
    Clock *clock = nullptr;
    EventPump *eventPump = nullptr;
    int splashMilliseconds = kSplashMilliseconds; // 0: no splash at start-up
    // The browser pane's web view module (PageViewModule::locate); empty: no embedded pane.
    QString webViewModule;
    // Runs a modal window that is not a prompt (tip of the day, About); empty: exec() it.
    std::function<int(QDialog &)> runModal;
    // Picks the next tip of the day out of `count`; empty: at random.
    std::function<int(int count)> pickTip;
    // The full path of a program on the PATH (first start's browsers); empty: the real PATH.
    std::function<QString(const QString &name)> findProgram;
};
