#include "BenchHarness.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {
double timeOnce(const Benchmark &benchmark, const std::function<void()> &side)
{
    if (benchmark.prepare)
        benchmark.prepare();
    QElapsedTimer timer;
    timer.start();
    side();
    return double(timer.nsecsElapsed()) / 1e9;
}

std::vector<std::pair<const char *, BenchmarkFactory>> &registry()
{
    static std::vector<std::pair<const char *, BenchmarkFactory>> all;
    return all;
}
} // namespace

BenchmarkResult runBenchmark(const Benchmark &benchmark)
{
    if (benchmark.measure) {
        const auto [ours, baseline] = benchmark.measure();
        return {benchmark.name, ours, baseline};
    }
    BenchmarkResult result{benchmark.name, std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    for (int round = 0; round < benchmark.rounds; ++round) {
        result.baselineSeconds = std::min(result.baselineSeconds, timeOnce(benchmark, benchmark.baseline));
        result.oursSeconds = std::min(result.oursSeconds, timeOnce(benchmark, benchmark.ours));
    }
    return result;
}

void printResult(const BenchmarkResult &result)
{
    std::printf("%-40s ours %8.3f s   baseline %8.3f s   ratio %5.2f\n", qPrintable(result.name), result.oursSeconds,
                result.baselineSeconds, result.ratio());
    std::fflush(stdout);
}

int registerBenchmarks(const char *group, BenchmarkFactory factory)
{
    registry().emplace_back(group, std::move(factory));
    return int(registry().size());
}

const std::vector<std::pair<const char *, BenchmarkFactory>> &registeredBenchmarks()
{
    return registry();
}
