// The entry point of the benchmarks that run the program's code: they run on the
// headless machine, put in place before the first benchmark.

#include <benchmark/benchmark.h>

#include "platform/machines/headless/HeadlessMachine.h"

int main(int argc, char** argv) {
    InstallHeadlessMachine();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
