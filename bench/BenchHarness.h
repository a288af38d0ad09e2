#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

// One benchmark: our code and its baseline, run alternately in the same process, so that
// both see the same machine. Each side's best time of `rounds` is compared.
struct Benchmark {
    QString name;
    std::function<void()> ours;
    std::function<void()> baseline;
    std::function<void()> prepare; // before each timed run of either side, untimed
    int rounds = 3;
    // Each side's median of its rounds instead of its best: for short runs on a busy machine,
    // where one lucky round of either side would decide the ratio.
    bool median = false;
    // Instead of the two sides: a figure that is not a best time (a percentile of many
    // short runs), both sides measured by it in turns; returns ours, then the baseline, in s.
    std::function<std::pair<double, double>()> measure;
};

struct BenchmarkResult {
    QString name;
    double oursSeconds = 0;
    double baselineSeconds = 0;
    double ratio() const { return baselineSeconds > 0 ? oursSeconds / baselineSeconds : 0; }
};

BenchmarkResult runBenchmark(const Benchmark &benchmark);
void printResult(const BenchmarkResult &result);

// Every benchmark file registers its benchmarks here.
using BenchmarkFactory = std::function<std::vector<Benchmark>()>;
int registerBenchmarks(const char *group, BenchmarkFactory factory);
const std::vector<std::pair<const char *, BenchmarkFactory>> &registeredBenchmarks();
