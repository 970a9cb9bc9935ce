// Times durable record writes through the Win32 half under Wine: DurableWriteTimes.exe N prints the
// nanoseconds of each of N writes, one a line, for file_bench to report beside the POSIX half.
#include "DurableWrite.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int writes = argc > 1 ? std::atoi(argv[1]) : 0;
    durable_write::RaceFile race;
    for (int n = 0; n < writes; ++n) {
        const auto begin = std::chrono::steady_clock::now();
        if (const int error = race.write(n)) {
            std::fprintf(stderr, "write %d: error %d\n", n, error);
            return 1;
        }
        const std::chrono::nanoseconds took = std::chrono::steady_clock::now() - begin;
        std::printf("%lld\n", static_cast<long long>(took.count()));
    }
    return 0;
}
