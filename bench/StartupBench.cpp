#include "BenchHarness.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {
// The program as installed: the build installed into a temporary prefix, with the start-up
// probe (the program's own main, quitting once its window is up and idle) beside it.
struct StartupFixture {
    QTemporaryDir dir;
    QString prefix;
    QProcessEnvironment environment;
};

bool installInto(const QString &prefix)
{
    return QProcess::execute(QStringLiteral("cmake"),
                             {QStringLiteral("--install"), QStringLiteral(TOVAREL_BENCH_BUILD_DIR),
                              QStringLiteral("--prefix"), prefix}) == 0 &&
           QFile::copy(QStringLiteral(TOVAREL_STARTUP_PROBE), prefix + QStringLiteral("/bin/tovarel_startup_probe"));
}

void runToTheEnd(const QString &program, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        std::fprintf(stderr, "start-up: %s did not end normally\n", qPrintable(program));
}

std::vector<Benchmark> startupBenchmarks()
{
    auto fixture = std::make_shared<StartupFixture>();
    fixture->prefix = fixture->dir.filePath(QStringLiteral("prefix"));
    if (!installInto(fixture->prefix)) {
        std::fprintf(stderr, "start-up: cannot install the build into %s\n", qPrintable(fixture->prefix));
        return {};
    }
    const QString dataHome = fixture->dir.filePath(QStringLiteral("data"));
    QDir().mkpath(dataHome + QStringLiteral("/tovarel"));
    QFile options(dataHome + QStringLiteral("/tovarel/OPTIONS.INI"));
    if (options.open(QIODevice::WriteOnly))
        options.write("[Help]\r\nShowTips=0\r\n"); // the tip of the day off, as a returning user may have it
    options.close();
    fixture->environment = QProcessEnvironment::systemEnvironment();
    fixture->environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    fixture->environment.insert(QStringLiteral("HOME"), fixture->dir.path());

    const QString probe = fixture->prefix + QStringLiteral("/bin/tovarel_startup_probe");
    const QString baseline = QStringLiteral(TOVAREL_STARTUP_BASELINE);
    // The first start seeds the user's folder; both sides start once with cold caches.
    runToTheEnd(probe, fixture->environment);
    runToTheEnd(baseline, fixture->environment);

    Benchmark startup;
    startup.name = QStringLiteral("start-up to an idle main window, median");
    startup.ours = [fixture, probe] { runToTheEnd(probe, fixture->environment); };
    startup.baseline = [fixture, baseline] { runToTheEnd(baseline, fixture->environment); };
    // A start is short next to the noise of a shared machine: many rounds, the middle one.
    startup.rounds = 15;
    startup.median = true;
    return {startup};
}

const int registered = registerBenchmarks("startup", startupBenchmarks);
} // namespace
