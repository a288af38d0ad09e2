#include "BenchHarness.h"
#include "BenchWindow.h"

#include "app/TForm1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <memory>

namespace {
// 10 000 pages in six levels, each with a path line.
void writeProject(const QString &outlinePath, const QString &pathFile)
{
    QByteArray outline, paths;
    int level = 1;
    for (int page = 0; page < 10000; ++page) {
        outline += QByteArray(level - 1, '\t') + "Page number " + QByteArray::number(page) + "\r\n";
        paths +=
            "/home/site/section" + QByteArray::number(page / 100) + "/page" + QByteArray::number(page) + ".html\r\n";
        level = (page % 11 < 5) ? std::min(level + 1, 6) : std::max(level - 1, 1);
    }
    QFile out(outlinePath);
    if (out.open(QIODevice::WriteOnly))
        out.write(outline);
    QFile fil(pathFile);
    if (fil.open(QIODevice::WriteOnly))
        fil.write(paths);
}

struct ProjectFixture : BenchWindow {
    QString outline;
    qsizetype baselineLines = 0; // kept so the baseline's reading is not optimised away
};

std::vector<Benchmark> projectBenchmarks()
{
    auto fixture = std::make_shared<ProjectFixture>();
    const QString folder = fixture->folder();
    QDir(folder).mkdir(QStringLiteral("projects"));
    fixture->outline = folder + QStringLiteral("projects/big.out");
    writeProject(fixture->outline, folder + QStringLiteral("projects/big.fil"));
    fixture->prompts.openPath = fixture->outline;
    fixture->start();

    Benchmark open;
    open.name = QStringLiteral("open+expand 10 000-page project");
    open.ours = [fixture] {
        fixture->window->Open1Click();
        QCoreApplication::processEvents();
    };
    open.baseline = [fixture] {
        qsizetype lines = 0;
        for (const QString &path : {fixture->outline, fixture->outline.chopped(3) + QStringLiteral("fil")}) {
            QFile in(path);
            if (in.open(QIODevice::ReadOnly))
                lines += QString::fromUtf8(in.readAll()).split(QStringLiteral("\r\n")).size();
        }
        fixture->baselineLines = lines;
    };
    return {open};
}

const int registered = registerBenchmarks("project", projectBenchmarks);
} // namespace
