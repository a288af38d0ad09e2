#pragma once

#include <QString>

class Clipboard;
class Clock;
class EventPump;
class Prompts;

inline constexpr const char *kApplicationTitle = "Kelvane Tovarel Pro";
inline constexpr int kSplashMilliseconds = 2200;

// What the main window gets from outside: the program folder and the platform seams.
// The real program passes the desktop's; tests pass doubles and a temporary folder.
struct AppEnvironment {
    QString programFolder; // ends in "/"
    Prompts *prompts = nullptr;
    Clipboard *clipboard = nullptr;
    Clock *clock = nullptr;
    EventPump *eventPump = nullptr;
    int splashMilliseconds = kSplashMilliseconds; // 0: no splash at start-up
};
