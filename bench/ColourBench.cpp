#include "BenchHarness.h"
#include "BenchPages.h"

#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "editor/TagColouring.h"
#include "platform/EventPump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
struct ColourFixture {
    QByteArray bytes;
    QString text;
    std::unique_ptr<HtmlEditor> ourEditor;
    std::unique_ptr<RichEditAccess> access;
    std::unique_ptr<QPlainTextEdit> baselineEditor;
    ApplicationEventPump pump;
    bool stop = false;
    TagColours colours;
};

// With COLOUR_BENCH_WRAP set the "Wrap" box counts as checked: the pass then ends by wrapping again.
WordWrapControl wrapOf(HtmlEditor &editor)
{
    return {[&editor](bool on) { editor.setWordWrap(on); },
            [] { return qEnvironmentVariableIsSet("COLOUR_BENCH_WRAP"); }};
}

std::vector<Benchmark> colourBenchmarks()
{
    auto fixture = std::make_shared<ColourFixture>();
    fixture->bytes = taggedPage(10 * 1000 * 1000);
    fixture->text = QString::fromUtf8(fixture->bytes);
    fixture->colours = {QColor(Qt::red),  QColor(Qt::blue),    QColor(Qt::darkGreen),
                        QColor(Qt::gray), QColor(Qt::magenta), QColor(Qt::darkBlue)};
    fixture->ourEditor = std::make_unique<HtmlEditor>();
    fixture->ourEditor->resize(800, 600);
    fixture->ourEditor->show();
    fixture->access = std::make_unique<RichEditAccess>(*fixture->ourEditor);
    fixture->baselineEditor = std::make_unique<QPlainTextEdit>();
    fixture->baselineEditor->resize(800, 600);
    fixture->baselineEditor->show();
    QCoreApplication::processEvents();

    const int tags = int(fixture->bytes.count('<'));
    std::printf("colour: %.1f MB, %d lines, %d tags\n", double(fixture->bytes.size()) / 1e6,
                int(fixture->bytes.count('\n')), tags);

    // Each run colours a freshly loaded text, as after opening a file.
    const auto prepare = [fixture] {
        fixture->baselineEditor->clear();
        fixture->access->setPlainText(fixture->text);
        QCoreApplication::processEvents();
    };

    Benchmark pass;
    pass.name = QStringLiteral("colour 10 MB / ~1M tags");
    pass.prepare = prepare;
    pass.ours = [fixture] {
        ColourPass(*fixture->access, fixture->pump, fixture->stop, fixture->colours).run(wrapOf(*fixture->ourEditor));
        QCoreApplication::processEvents();
    };
    pass.baseline = [fixture] {
        fixture->baselineEditor->setPlainText(QString::fromUtf8(fixture->bytes));
        QCoreApplication::processEvents();
    };

    // A stop press 200 ms into a pass: ours is the stopped pass, the baseline 200 ms of
    // waiting for input, so the difference is how long the stop takes to act.
    Benchmark stop;
    stop.name = QStringLiteral("colour stopped after 200 ms");
    stop.prepare = prepare;
    stop.ours = [fixture] {
        QElapsedTimer sinceStop;
        QTimer::singleShot(200, [fixture, &sinceStop] {
            fixture->stop = true;
            sinceStop.start();
        });
        ColourPass(*fixture->access, fixture->pump, fixture->stop, fixture->colours).run(wrapOf(*fixture->ourEditor));
        std::printf("  stop acted after %.1f ms\n",
                    sinceStop.isValid() ? double(sinceStop.nsecsElapsed()) / 1e6 : -1.0);
    };
    stop.baseline = [] {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 200)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    };
    return {pass, stop};
}

const int registered = registerBenchmarks("colour", colourBenchmarks);
} // namespace
