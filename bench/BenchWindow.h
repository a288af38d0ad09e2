#pragma once

#include "BenchPrompts.h"

#include "app/TForm1.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"

#include <QTemporaryDir>

#include <memory>

// The main window as benchmarks drive it: a program folder of its own, nobody answering.
struct BenchWindow {
    QTemporaryDir dir;
    BenchPrompts prompts;
    SystemClipboard clipboard;
    SystemClock clock;
    ApplicationEventPump pump;
    std::unique_ptr<TForm1> window;

    QString folder() const { return dir.path() + QLatin1Char('/'); }
    // What the window needs to start on `programFolder`: this fixture's seams, no splash, nobody
    // answering the tip of the day.
    AppEnvironment environment(const QString &programFolder);
    // Starts the window on the files written into folder() so far, shown at a usual size.
    TForm1 &start();
};
