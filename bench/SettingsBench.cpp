#include "BenchHarness.h"
#include "BenchWindow.h"

#include <QCoreApplication>
#include <QFile>

#include <memory>

namespace {
// 26 MB of settings: a [Backup] section grown over the years by a counter per project, the
// keys read at start-up after it.
QByteArray hugeOptionsIni()
{
    QByteArray ini = "[Backup]\r\n";
    for (int project = 0; ini.size() < 26 * 1000 * 1000; ++project)
        ini += "PROJECT" + QByteArray::number(project) + "=3\r\n";
    ini += "Type=1\r\nPromptFreq=5\r\n[Colors]\r\nHREF=clBlue\r\n[Recent]\r\nFile1=/home/site/projects/site.out\r\n";
    return ini;
}

struct StartupFixture : BenchWindow {
    QTemporaryDir big;
    QTemporaryDir fresh;
};

void startUp(StartupFixture &fixture, const QString &folder)
{
    auto window = std::make_unique<TForm1>(fixture.environment(folder));
    QCoreApplication::processEvents();
}

std::vector<Benchmark> settingsBenchmarks()
{
    auto fixture = std::make_shared<StartupFixture>();
    QFile options(fixture->big.path() + QStringLiteral("/OPTIONS.INI"));
    if (options.open(QIODevice::WriteOnly))
        options.write(hugeOptionsIni());
    options.close();

    Benchmark startup;
    startup.name = QStringLiteral("start-up settings 26 MB OPTIONS.INI vs fresh");
    startup.ours = [fixture] { startUp(*fixture, fixture->big.path() + QLatin1Char('/')); };
    startup.baseline = [fixture] { startUp(*fixture, fixture->fresh.path() + QLatin1Char('/')); };
    return {startup};
}

const int registered = registerBenchmarks("settings", settingsBenchmarks);
} // namespace
