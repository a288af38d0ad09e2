#include "BenchHarness.h"
#include "BenchPrompts.h"

#include "editor/FindReplaceDialogs.h"
#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"
#include "editor/SearchReplace.h"
#include "platform/EventPump.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr qsizetype kTargetSize = 10 * 1000 * 1000;

// About 10 MB of table rows holding four "a" each: close to a million matches.
QByteArray textWithManyAs()
{
    QByteArray text;
    text.reserve(kTargetSize + 256);
    for (int line = 0; text.size() < kTargetSize; ++line) {
        text += "<TD>banana split ";
        text += QByteArray::number(line);
        text += ", lemon cake</TD>\r\n";
    }
    return text;
}

// About 10 MB of links whose quoted values hold backslashes, with some outside quotes too.
QByteArray textWithQuotedBackslashes()
{
    QByteArray text;
    text.reserve(kTargetSize + 256);
    for (int line = 0; text.size() < kTargetSize; ++line) {
        text += "<A HREF=\"site\\pages\\p";
        text += QByteArray::number(line);
        text += ".html\" TITLE=\"x\\y\">dir\\file</A> <IMG SRC=c\\d.gif>\r\n";
    }
    return text;
}

struct WindowFixture {
    BenchPrompts prompts{true};
    QByteArray bytes;
    QString text;
    std::unique_ptr<HtmlEditor> editor;
    std::unique_ptr<RichEditAccess> access;
    std::unique_ptr<SearchSession> session;
    std::unique_ptr<QPlainTextEdit> baselineEditor;
    ApplicationEventPump pump;
    bool stop = false;

    explicit WindowFixture(QByteArray source) : bytes(std::move(source)), text(QString::fromUtf8(bytes))
    {
        editor = std::make_unique<HtmlEditor>();
        editor->resize(800, 600);
        editor->show();
        access = std::make_unique<RichEditAccess>(*editor);
        session = std::make_unique<SearchSession>(*access, prompts, [] {});
        session->setEditorHooks(editorHooksFor(*editor));
    }

    // Untimed: our window holds the text, the baseline window is new and empty.
    void prepare()
    {
        baselineEditor = std::make_unique<QPlainTextEdit>();
        baselineEditor->resize(800, 600);
        baselineEditor->show();
        editor->setPlainText(text);
        QCoreApplication::processEvents();
    }

    void loadBaseline()
    {
        baselineEditor->setPlainText(QString::fromUtf8(bytes));
        QCoreApplication::processEvents();
    }
};

Benchmark logicAgainstSed(QTemporaryDir &dir)
{
    const QByteArray bytes = textWithManyAs();
    auto input = std::make_shared<QString>(dir.filePath(QStringLiteral("as.txt")));
    auto output = std::make_shared<QString>(dir.filePath(QStringLiteral("as-sed.txt")));
    QFile file(*input);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    file.close();
    auto text = std::make_shared<QString>(QString::fromUtf8(bytes));
    auto result = std::make_shared<QString>();
    std::printf("  replace: %lld characters, %lld occurrences of \"a\"\n", qlonglong(text->size()),
                qlonglong(text->count(QLatin1Char('a'))));

    Benchmark b;
    b.name = QStringLiteral("replace logic a->aa vs sed");
    b.ours = [text, result] { *result = SearchText::replaceAllInText(*text, "a", "aa", true); };
    b.baseline = [input, output] {
        QProcess sed;
        sed.setStandardInputFile(*input);
        sed.setStandardOutputFile(*output);
        sed.start(QStringLiteral("sed"), {QStringLiteral("s/a/aa/g")});
        sed.waitForFinished(-1);
    };
    b.prepare = [result] { result->clear(); };
    return b;
}

Benchmark replaceAllInWindow()
{
    auto fixture = std::make_shared<WindowFixture>(textWithManyAs());
    Benchmark b;
    b.name = QStringLiteral("Replace All in window vs load");
    b.prepare = [fixture] { fixture->prepare(); };
    b.ours = [fixture] {
        // The dialog's default: Match case off.
        fixture->session->replaceAll(SearchRequest{QStringLiteral("a"), QStringLiteral("aa"), false});
        QCoreApplication::processEvents();
    };
    b.baseline = [fixture] { fixture->loadBaseline(); };
    return b;
}

Benchmark preciseSlashesInWindow()
{
    auto fixture = std::make_shared<WindowFixture>(textWithQuotedBackslashes());
    Benchmark b;
    b.name = QStringLiteral("precise backslash command vs load");
    b.prepare = [fixture] { fixture->prepare(); };
    b.ours = [fixture] {
        fixture->session->replaceBackslashesInTags(fixture->pump, fixture->stop);
        QCoreApplication::processEvents();
    };
    b.baseline = [fixture] { fixture->loadBaseline(); };
    return b;
}

std::vector<Benchmark> replaceBenchmarks()
{
    static QTemporaryDir dir;
    return {logicAgainstSed(dir), replaceAllInWindow(), preciseSlashesInWindow()};
}

const int registered = registerBenchmarks("replace", replaceBenchmarks);
} // namespace
