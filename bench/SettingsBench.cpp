#include "BenchHarness.h"
#include "BenchPrompts.h"

#include "app/TForm1.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>

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

struct StartupFixture {
    QTemporaryDir big;
    QTemporaryDir fresh;
    BenchPrompts prompts;
    SystemClipboard clipboard;
    SystemClock clock;
    ApplicationEventPump pump;
};

void startUp(StartupFixture &fixture, const QString &folder)
{
    AppEnvironment env{
        AppFolders::inPlace(folder), &fixture.prompts, &fixture.clipboard, &fixture.clock, &fixture.pump, 0};
    env.runModal = [](QDialog &) { return int(QDialog::Rejected); }; // nobody answers the tip of the day
    auto window = std::make_unique<TForm1>(env);
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
