#include "BenchHarness.h"
#include "BenchPages.h"
#include "BenchWindow.h"

#include "app/TForm1.h"
#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/IniFile.h"
#include "spell/SpellMarker.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

// A keystroke in a 10 MB coloured page, from the key to the window painted, in the main
// window: with automatic colouring on (the typed line recoloured) against the same window
// with it off, keystrokes of both sides taken in turns. And the same keystroke with the
// visible lines' spelling marks made right after it, against the keystroke without marks.
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

// With a marker, the marks are made right after the key (their own time goes to `marking`).
double keystrokeSeconds(KeystrokeFixture &fixture, SpellMarker *marker = nullptr,
                        std::vector<double> *marking = nullptr)
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
    if (marker) {
        const qint64 before = timer.nsecsElapsed();
        marker->refresh();
        marking->push_back(double(timer.nsecsElapsed() - before) / 1e9);
    }
    while (fixture.counter.paints == paintsBefore && timer.elapsed() < 1000)
        QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e9;
}

double p99(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, size_t(double(times.size()) * 0.99))];
}

void setBox(KeystrokeFixture &fixture, const char *name, bool on)
{
    auto *box = fixture.window->findChild<QCheckBox *>(QLatin1String(name));
    if (box->isChecked() != on)
        box->click();
    QCoreApplication::processEvents();
}

void setColouring(KeystrokeFixture &fixture, bool on)
{
    setBox(fixture, "CheckBoxColoredTags", on);
}

// The window on a 10 MB coloured page with the caret in its middle line; null when that failed.
std::shared_ptr<KeystrokeFixture> onBigPage()
{
    auto fixture = std::make_shared<KeystrokeFixture>();
    const QString page = fixture->folder() + QStringLiteral("big.html");
    if (!writePage(page, taggedPage(kPageBytes)))
        return nullptr;
    IniFile(fixture->folder() + QStringLiteral("DEFAULT.INI")).writeString("Tags", "Colored", "1");
    QDir(fixture->folder()).mkpath(QStringLiteral("spell"));
    for (const char *shipped : {"spell/american.dct", "spell/spell.cfg"})
        QFile::copy(benchRoot() + QStringLiteral("/bin/") + QLatin1String(shipped),
                    fixture->folder() + QLatin1String(shipped));
    fixture->start();
    if (!fixture->window->document().load(page)) // coloured by the pass, as opening it does
        return nullptr;
    RichEditAccess &access = fixture->window->editorAccess();
    const int middle = access.lineCount() / 2;
    int offset = 0;
    for (int line = 0; line < middle; ++line)
        offset += access.lineLength(line) + 2;
    access.setSelection(offset + access.lineLength(middle) / 2, 0);
    fixture->window->editor().viewport()->installEventFilter(&fixture->counter);
    QCoreApplication::processEvents();
    return fixture;
}

std::vector<Benchmark> keystrokeBenchmarks()
{
    const std::shared_ptr<KeystrokeFixture> fixture = onBigPage();
    if (!fixture)
        return {};

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

std::vector<Benchmark> spellMarksBenchmarks()
{
    const std::shared_ptr<KeystrokeFixture> fixture = onBigPage();
    if (!fixture)
        return {};
    auto *marker = fixture->window->findChild<SpellMarker *>();
    Benchmark marks;
    marks.name = QStringLiteral("spelling marks p99, keystroke in 10 MB page, marks vs none");
    marks.measure = [fixture, marker] {
        std::vector<double> ours;
        std::vector<double> baseline;
        std::vector<double> marking;
        qsizetype shown = 0;
        for (int turn = 0; turn < kTurns; ++turn) {
            for (const bool on : {true, false}) {
                setBox(*fixture, "CheckSpellMarks", on);
                for (int key = 0; key < kKeysPerTurn; ++key)
                    (on ? ours : baseline).push_back(keystrokeSeconds(*fixture, on ? marker : nullptr, &marking));
                if (on)
                    shown = fixture->window->editor().extraSelections().size();
            }
        }
        std::sort(marking.begin(), marking.end());
        std::printf("  marking the visible lines alone: median %.5f s, p99 %.5f s, max %.5f s (%d words marked)\n",
                    marking[marking.size() / 2], p99(marking), marking.back(), int(shown));
        return std::pair{p99(ours), p99(baseline)};
    };
    return {marks};
}

const int registered = registerBenchmarks("keystroke", keystrokeBenchmarks);
const int registeredMarks = registerBenchmarks("spellmarks", spellMarksBenchmarks);
} // namespace
