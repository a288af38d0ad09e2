#include "BenchHarness.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

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

double bestOf(std::vector<double> &times)
{
    return *std::min_element(times.begin(), times.end());
}

double medianOf(std::vector<double> &times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    std::vector<double> ours;
    std::vector<double> baseline;
    for (int round = 0; round < benchmark.rounds; ++round) {
        // Each side goes first in turn, so that neither always runs in the other's wake.
        const bool baselineFirst = round % 2 == 0;
        if (baselineFirst)
            baseline.push_back(timeOnce(benchmark, benchmark.baseline));
        ours.push_back(timeOnce(benchmark, benchmark.ours));
        if (!baselineFirst)
            baseline.push_back(timeOnce(benchmark, benchmark.baseline));
    }
    const auto figure = benchmark.median ? medianOf : bestOf;
    return {benchmark.name, figure(ours), figure(baseline)};
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
