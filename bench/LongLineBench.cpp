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
#include <QTemporaryDir>

#include <memory>

// A 10 MB page written on one line against the same page in its usual lines, both through
// the editing window as the program builds it: opened by the document, coloured by a pass.
namespace {
constexpr qsizetype kPageBytes = 10 * 1000 * 1000;

struct EditingWindow {
    HtmlEditor editor;
    RichEditAccess access{editor};

    EditingWindow()
    {
        editor.resize(800, 600);
        editor.show();
    }
};

struct LongLineFixture {
    QTemporaryDir dir;
    QString linesPath;
    QString oneLinePath;
    QString linesText;
    QString oneLineText;
    BenchPrompts prompts;
    MemoryClipboard clipboard;
    std::unique_ptr<Settings> settings;
    EditingWindow opened;
    std::unique_ptr<HtmlDocument> document;
    EditingWindow colouredOneLine;
    EditingWindow colouredLines;
    ApplicationEventPump pump;
    bool stop = false;
    TagColours colours{QColor(Qt::red),  QColor(Qt::blue),    QColor(Qt::darkGreen),
                       QColor(Qt::gray), QColor(Qt::magenta), QColor(Qt::darkBlue)};
};

QString wrapName(bool wrap)
{
    return wrap ? QStringLiteral("wrap on") : QStringLiteral("wrap off");
}

Benchmark openBenchmark(const std::shared_ptr<LongLineFixture> &fixture, bool wrap)
{
    Benchmark open;
    open.name = QStringLiteral("one-line page open, %1, vs lines").arg(wrapName(wrap));
    open.rounds = 2;
    open.prepare = [fixture, wrap] {
        fixture->opened.access.setPlainText(QString());
        fixture->opened.editor.setWordWrap(wrap);
        QCoreApplication::processEvents();
    };
    open.ours = [fixture] {
        fixture->document->load(fixture->oneLinePath);
        QCoreApplication::processEvents();
    };
    open.baseline = [fixture] {
        fixture->document->load(fixture->linesPath);
        QCoreApplication::processEvents();
    };
    return open;
}

void colour(LongLineFixture &fixture, EditingWindow &window, bool wrap)
{
    const WordWrapControl control{[&window](bool on) { window.editor.setWordWrap(on); }, [wrap] { return wrap; }};
    ColourPass(window.access, fixture.pump, fixture.stop, fixture.colours).run(control);
    QCoreApplication::processEvents();
}

Benchmark colourBenchmark(const std::shared_ptr<LongLineFixture> &fixture, bool wrap)
{
    Benchmark pass;
    pass.name = QStringLiteral("one-line page colour, %1, vs lines").arg(wrapName(wrap));
    pass.rounds = 2;
    // Each side colours a freshly loaded text, as after opening a file.
    pass.prepare = [fixture, wrap] {
        for (EditingWindow *window : {&fixture->colouredOneLine, &fixture->colouredLines})
            window->editor.setWordWrap(wrap);
        fixture->colouredOneLine.access.setPlainText(fixture->oneLineText);
        fixture->colouredLines.access.setPlainText(fixture->linesText);
        QCoreApplication::processEvents();
    };
    pass.ours = [fixture, wrap] { colour(*fixture, fixture->colouredOneLine, wrap); };
    pass.baseline = [fixture, wrap] { colour(*fixture, fixture->colouredLines, wrap); };
    return pass;
}

std::vector<Benchmark> longLineBenchmarks()
{
    auto fixture = std::make_shared<LongLineFixture>();
    const QByteArray lines = taggedPage(kPageBytes);
    const QByteArray oneLine = onOneLine(lines);
    fixture->linesPath = fixture->dir.filePath(QStringLiteral("lines.html"));
    fixture->oneLinePath = fixture->dir.filePath(QStringLiteral("one-line.html"));
    if (!writePage(fixture->linesPath, lines) || !writePage(fixture->oneLinePath, oneLine))
        return {};
    fixture->linesText = QString::fromUtf8(lines);
    fixture->oneLineText = QString::fromUtf8(oneLine);
    fixture->settings = std::make_unique<Settings>(fixture->dir.path() + QLatin1Char('/'));
    fixture->document = std::make_unique<HtmlDocument>(fixture->opened.access, fixture->prompts, *fixture->settings,
                                                       fixture->clipboard, DocumentHooks{});
    QCoreApplication::processEvents();

    std::vector<Benchmark> all;
    for (bool wrap : {true, false})
        all.push_back(openBenchmark(fixture, wrap));
    for (bool wrap : {true, false})
        all.push_back(colourBenchmark(fixture, wrap));
    return all;
}

const int registered = registerBenchmarks("longlines", longLineBenchmarks);
} // namespace
