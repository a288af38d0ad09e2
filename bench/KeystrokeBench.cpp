#include "BenchHarness.h"
#include "BenchPages.h"
#include "BenchWindow.h"

#include "app/TForm1.h"
#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

// A keystroke in a 10 MB coloured page, from the key to the window painted, in the main
// window: with automatic colouring on (the typed line recoloured) against the same window
// with it off, keystrokes of both sides taken in turns.
namespace {
constexpr qsizetype kPageBytes = 10 * 1000 * 1000;
constexpr int kKeysPerTurn = 50;
constexpr int kTurns = 8;
// Typed over and over: it makes and unmakes tags, so the line's colours change.
const QString kTyped = QStringLiteral("<b>x</b> <a href=y>z</a> ");

class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct KeystrokeFixture : BenchWindow {
    PaintCounter counter;
    int typed = 0;
};

double keystrokeSeconds(KeystrokeFixture &fixture)
{
    HtmlEditor &editor = fixture.window->editor();
    const QString text = kTyped.mid(fixture.typed++ % kTyped.size(), 1);
    const int paintsBefore = fixture.counter.paints;
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&editor, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&editor, &release);
    while (fixture.counter.paints == paintsBefore && timer.elapsed() < 1000)
        QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e9;
}

double p99(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, size_t(double(times.size()) * 0.99))];
}

void setColouring(KeystrokeFixture &fixture, bool on)
{
    auto *box = fixture.window->findChild<QCheckBox *>(QStringLiteral("CheckBoxColoredTags"));
    if (box->isChecked() != on)
        box->click();
    QCoreApplication::processEvents();
}

std::vector<Benchmark> keystrokeBenchmarks()
{
    auto fixture = std::make_shared<KeystrokeFixture>();
    const QString page = fixture->folder() + QStringLiteral("big.html");
    if (!writePage(page, taggedPage(kPageBytes)))
        return {};
    IniFile(fixture->folder() + QStringLiteral("DEFAULT.INI")).writeString("Tags", "Colored", "1");
    fixture->start();
    if (!fixture->window->document().load(page)) // coloured by the pass, as opening it does
        return {};
    RichEditAccess &access = fixture->window->editorAccess();
    const int middle = access.lineCount() / 2;
    int offset = 0;
    for (int line = 0; line < middle; ++line)
        offset += access.lineLength(line) + 2;
    access.setSelection(offset + access.lineLength(middle) / 2, 0);
    fixture->window->editor().viewport()->installEventFilter(&fixture->counter);
    QCoreApplication::processEvents();

    Benchmark keystroke;
    keystroke.name = QStringLiteral("keystroke p99, 10 MB coloured page, colour vs none");
    keystroke.measure = [fixture] {
        std::vector<double> ours;
        std::vector<double> baseline;
        for (int turn = 0; turn < kTurns; ++turn) {
            for (const bool colouring : {true, false}) {
                setColouring(*fixture, colouring);
                for (int key = 0; key < kKeysPerTurn; ++key)
                    (colouring ? ours : baseline).push_back(keystrokeSeconds(*fixture));
            }
        }
        std::sort(ours.begin(), ours.end());
        std::sort(baseline.begin(), baseline.end());
        std::printf("  keystroke medians: colour %.5f s, none %.5f s\n", ours[ours.size() / 2],
                    baseline[baseline.size() / 2]);
        return std::pair{p99(ours), p99(baseline)};
    };
    return {keystroke};
}

const int registered = registerBenchmarks("keystroke", keystrokeBenchmarks);
} // namespace
