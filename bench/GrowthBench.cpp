#include "BenchHarness.h"
#include "BenchPages.h"
#include "BenchPrompts.h"

#include "config/Settings.h"
#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "editor/TagColouring.h"
#include "platform/Clipboard.h"
#include "platform/EventPump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>

#include <cstdio>

// How open and colour times and memory grow with the page: one line per page size.
namespace {
// The resident or peak memory of this process in MB, from /proc/self/status ("VmRSS", "VmHWM").
double memoryMb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

void resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

double secondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

void measurePage(const QTemporaryDir &dir, int megabytes)
{
    const QString path = dir.filePath(QStringLiteral("page-%1.html").arg(megabytes));
    if (!writePage(path, taggedPage(qsizetype(megabytes) * 1000 * 1000)))
        return;
    malloc_trim(0);
    const double before = memoryMb("VmRSS");
    resetPeakMemory();
    double openSeconds = 0;
    double colourSeconds = 0;
    double resident = 0;
    {
        BenchPrompts prompts;
        MemoryClipboard clipboard;
        Settings settings(dir.path() + QLatin1Char('/'));
        HtmlEditor editor;
        editor.resize(800, 600);
        editor.show();
        editor.setWordWrap(true); // the "Wrap" box starts ticked
        QCoreApplication::processEvents();
        RichEditAccess access(editor);
        HtmlDocument document(access, prompts, settings, clipboard, DocumentHooks{});
        openSeconds = secondsOf([&] {
            document.load(path);
            QCoreApplication::processEvents();
        });
        ApplicationEventPump pump;
        bool stop = false;
        const TagColours colours = tagColoursFrom(settings);
        colourSeconds = secondsOf([&] {
            ColourPass(access, pump, stop, colours)
                .run({[&editor](bool on) { editor.setWordWrap(on); }, [] { return true; }});
            QCoreApplication::processEvents();
        });
        resident = memoryMb("VmRSS") - before;
    }
    const double peak = memoryMb("VmHWM") - before;
    QFile::remove(path);
    malloc_trim(0);
    std::printf("growth %3d MB page: open %7.3f s, colour %7.3f s, resident %5.1f MB per MB (peak %5.1f)\n", megabytes,
                openSeconds, colourSeconds, resident / megabytes, peak / megabytes);
    std::fflush(stdout);
}

std::vector<Benchmark> growthFigures()
{
    QTemporaryDir dir;
    for (int megabytes : {1, 10, 100})
        measurePage(dir, megabytes);
    return {};
}

const int registered = registerBenchmarks("growth", growthFigures);
} // namespace
