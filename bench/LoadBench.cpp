#include "BenchHarness.h"
#include "BenchPrompts.h"

#include "config/Settings.h"
#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "platform/Clipboard.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <memory>

namespace {

// About 10 MB in 250 000 lines of ordinary markup, CR LF line ends.
QByteArray generatedPage()
{
    QByteArray page;
    page.reserve(10 * 1000 * 1000 + 4096);
    for (int line = 0; page.size() < 10 * 1000 * 1000 - 64 && line < 250000; ++line) {
        page += "<TR><TD CLASS=\"c\">Cell ";
        page += QByteArray::number(line);
        page += "</TD><TD>caf\xc3\xa9 <B>bold</B></TD></TR>\r\n";
    }
    return page;
}

struct LoadFixture {
    QTemporaryDir dir;
    QString path;
    BenchPrompts prompts;
    MemoryClipboard clipboard;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<HtmlEditor> ourEditor;
    std::unique_ptr<RichEditAccess> access;
    std::unique_ptr<HtmlDocument> document;
    std::unique_ptr<QPlainTextEdit> baselineEditor;
};

std::vector<Benchmark> loadBenchmarks()
{
    auto fixture = std::make_shared<LoadFixture>();
    fixture->path = fixture->dir.filePath(QStringLiteral("big.html"));
    QFile out(fixture->path);
    if (out.open(QIODevice::WriteOnly))
        out.write(generatedPage());
    out.close();
    fixture->settings = std::make_unique<Settings>(fixture->dir.path() + QLatin1Char('/'));
    fixture->ourEditor = std::make_unique<HtmlEditor>();
    fixture->ourEditor->resize(800, 600);
    fixture->ourEditor->show();
    fixture->access = std::make_unique<RichEditAccess>(*fixture->ourEditor);
    fixture->document = std::make_unique<HtmlDocument>(*fixture->access, fixture->prompts, *fixture->settings,
                                                       fixture->clipboard, DocumentHooks{});
    fixture->baselineEditor = std::make_unique<QPlainTextEdit>();
    fixture->baselineEditor->resize(800, 600);
    fixture->baselineEditor->show();

    Benchmark load;
    load.name = QStringLiteral("load 10 MB / 250k-line HTML file");
    load.prepare = [fixture] {
        fixture->ourEditor->clear();
        fixture->baselineEditor->clear();
        QCoreApplication::processEvents();
    };
    load.ours = [fixture] {
        fixture->document->load(fixture->path);
        QCoreApplication::processEvents();
    };
    load.baseline = [fixture] {
        QFile in(fixture->path);
        if (!in.open(QIODevice::ReadOnly))
            return;
        fixture->baselineEditor->setPlainText(QString::fromUtf8(in.readAll()));
        QCoreApplication::processEvents();
    };
    return {load};
}

const int registered = registerBenchmarks("load", loadBenchmarks);
} // namespace
