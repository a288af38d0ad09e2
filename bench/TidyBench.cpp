#include "BenchHarness.h"
#include "BenchPages.h"
#include "BenchWindow.h"

#include "app/TForm1.h"
#include "editor/RichEditAccess.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>
#include <memory>

namespace {
// About 1 MB of an old-style page: tables, lists, pictures without ALT text, paragraphs left
// open, FONT tags; Tidy has a warning for every few lines.
QByteArray generatedPage()
{
    QByteArray page = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
                      "<HTML><HEAD><TITLE>Big page</TITLE></HEAD>\n<BODY BGCOLOR=\"#FFFFFF\">\n";
    for (int section = 0; page.size() < 1000 * 1000; ++section) {
        const QByteArray n = QByteArray::number(section);
        page += "<H2>Section " + n +
                "</H2>\n<P>Lorem ipsum dolor sit amet, <B>consectetur</B> adipiscing elit, "
                "<A HREF=\"page" +
                n +
                ".html\">sed do eiusmod</A> tempor.\n"
                "<TABLE BORDER=\"1\" WIDTH=\"100%\"><TR><TD>Cell " +
                n + "</TD><TD><IMG SRC=\"pic" + n +
                ".gif\" WIDTH=\"10\" HEIGHT=\"10\"></TD></TR></TABLE>\n"
                "<UL><LI>First item<LI>Second item</UL>\n";
        if (section % 10 == 0)
            page += "<P><FONT COLOR=\"red\">Old style text</FONT>\n";
    }
    return page + "</BODY></HTML>\n";
}

struct TidyFixture : BenchWindow {
    QString page;
};

std::vector<Benchmark> tidyBenchmarks()
{
    auto fixture = std::make_shared<TidyFixture>();
    fixture->page = fixture->folder() + QStringLiteral("big.html");
    const QByteArray bytes = generatedPage();
    if (!writePage(fixture->page, bytes))
        return {};
    std::printf("  tidy: a page of %lld bytes\n", qlonglong(bytes.size()));
    fixture->start();
    fixture->window->editorAccess().setPlainText(QString::fromUtf8(bytes));
    QCoreApplication::processEvents();

    // Ours: Check Page in the main window on the page in the editing window, the list filled.
    Benchmark check;
    check.name = QStringLiteral("check page vs tidy -q -e (1 MB page)");
    check.ours = [fixture] {
        fixture->window->CheckPage1Click();
        QCoreApplication::processEvents();
    };
    check.baseline = [fixture] {
        QProcess tidy;
        tidy.setStandardOutputFile(QProcess::nullDevice());
        tidy.setStandardErrorFile(QProcess::nullDevice());
        tidy.start(QStringLiteral("tidy"), {QStringLiteral("-q"), QStringLiteral("-e"), fixture->page});
        tidy.waitForFinished(-1);
    };
    return {check};
}

const int registered = registerBenchmarks("tidy", tidyBenchmarks);
} // namespace
