#include "BenchHarness.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

// Runs every benchmark, or those whose group is named on the command line.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::printf("%-40s %s\n", "benchmark", "side by side in this run; best of rounds, or median where named");
    for (const auto &[group, factory] : registeredBenchmarks()) {
        bool wanted = argc <= 1;
        for (int i = 1; i < argc; ++i)
            wanted = wanted || std::strcmp(argv[i], group) == 0;
        if (!wanted)
            continue;
        for (const Benchmark &benchmark : factory())
            printResult(runBenchmark(benchmark));
    }
    return 0;
}
