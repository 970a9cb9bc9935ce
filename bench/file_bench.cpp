// A durable record write, what a registered finish waits for: through the POSIX half of the file layer,
// and beside it through the Win32 half under Wine, where MinGW and Wine are at hand (Wine's figure says
// little about Windows itself).
#include "DurableWrite.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Writes = 1000;

void BM_DurableRecordWrite(benchmark::State& state) {
    durable_write::RaceFile race;
    int n = 0;
    for (auto _ : state)
        if (race.write(n++) != 0) state.SkipWithError("write failed");
}
BENCHMARK(BM_DurableRecordWrite)
    ->Iterations(Writes)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

#ifdef BRISRUNDAN_WINE_TIMES
// The seconds of each write as the Win32 program measured them, so that starting Wine is not counted.
std::vector<double> timesUnderWine() {
    std::vector<double> times;
    const std::string command = std::string(BRISRUNDAN_WINE_TIMES) + " " + std::to_string(Writes);
    FILE* out = popen(command.c_str(), "r");
    if (!out) return times;
    long long nanoseconds = 0;
    while (std::fscanf(out, "%lld", &nanoseconds) == 1)
        times.push_back(double(nanoseconds) * 1e-9);
    pclose(out);
    return times;
}

void BM_DurableRecordWriteUnderWine(benchmark::State& state) {
    const std::vector<double> times = timesUnderWine();
    if (times.size() != std::size_t(Writes)) state.SkipWithError("the Win32 program gave no times");
    std::size_t i = 0;
    for (auto _ : state)
        state.SetIterationTime(i < times.size() ? times[i++] : 0.0);
}
BENCHMARK(BM_DurableRecordWriteUnderWine)
    ->Iterations(Writes)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
#endif

} // namespace

BENCHMARK_MAIN();
