#include <cstdio>

#include "bench/ThroughputRuns.h"

namespace bench {

namespace {

constexpr int kDefaultTimerMs = 16;  // an FTDI adapter's latency timer as it comes
constexpr int kLowLatencyMs = 1;     // what low latency sets it to

struct AdapterRun {
    int baud;
    const std::string& data;
    Rounds timer[2];  // at kDefaultTimerMs, at kLowLatencyMs
};

double MedianSeconds(const std::vector<Transfer>& runs) {
    std::vector<double> seconds;
    for (const Transfer& t : runs)
        seconds.push_back(t.seconds);
    return Median(seconds);
}

void PrintRow(const AdapterRun& run, const char* who, std::vector<Transfer> Rounds::*runs) {
    const double slow = MedianSeconds(run.timer[0].*runs);
    const double fast = MedianSeconds(run.timer[1].*runs);
    std::printf("%7d %9zu  %-24s %8.2f %8.2f %8.2f\n", run.baud, run.data.size(), who, slow, fast,
                fast > 0 ? slow / fast : 0);
}

}  // namespace

void PrintAdapterLatency(const std::string& cli, const std::filesystem::path& dir,
                         const std::string& slowData, const std::string& fastData, int rounds) {
    AdapterRun runs[] = {{9600, slowData, {}}, {115200, fastData, {}}};
    for (AdapterRun& run : runs) {
        const int timers[] = {kDefaultTimerMs, kLowLatencyMs};
        for (int t = 0; t < 2; ++t) {
            const LineChoice line{"adapter", BenchLine::Kind::Linesim, run.baud, timers[t], 1};
            std::printf("adapter: %d baud, %d ms each way, %zu bytes, block check 1\n", run.baud,
                        timers[t], run.data.size());
            run.timer[t] = RunRounds(line, cli, dir, run.data, rounds);
            PrintThroughput(line, run.timer[t], run.data.size());
        }
    }
    std::printf("\nadapter latency: median seconds on the line, %d ms against %d ms each way\n",
                kDefaultTimerMs, kLowLatencyMs);
    std::printf("%7s %9s  %-24s %5d ms %5d ms %8s\n", "baud", "bytes", "transfer", kDefaultTimerMs,
                kLowLatencyMs, "speed-up");
    for (const AdapterRun& run : runs) {
        PrintRow(run, "corvix sends", &Rounds::corvixSends);
        PrintRow(run, "c-kermit to c-kermit", &Rounds::yardstick);
        PrintRow(run, "corvix receives", &Rounds::corvixReceives);
    }
    std::fflush(stdout);
}

}  // namespace bench
