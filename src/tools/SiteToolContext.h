#pragma once

#include <QString>

class Clock;
class EventPump;
class Prompts;
class Settings;

// What the main window hands each site-tool window.
struct SiteToolContext {
    Settings *settings = nullptr;
    Prompts *prompts = nullptr;
    Clock *clock = nullptr;
    EventPump *pump = nullptr;
    QString programFolder;
    QString projectsFolder;
    QString projectName; // the project open in the main window (to back up: the one chosen), may be empty
};
