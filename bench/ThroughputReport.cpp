#include <cstdio>
#include <functional>

#include "bench/ThroughputRuns.h"

namespace bench {

namespace {

using Pick = std::function<double(const Transfer&)>;

double MedianOf(const std::vector<Transfer>& runs, const Pick& pick) {
    std::vector<double> values;
    for (const Transfer& t : runs)
        values.push_back(pick(t));
    return Median(values);
}

bool AllOk(const std::vector<Transfer>& runs) {
    for (const Transfer& t : runs)
        if (!t.ok) return false;
    return true;
}

void PrintRuns(const char* who, const std::vector<Transfer>& runs, const Pick& pick) {
    std::printf("%s", who);
    for (const Transfer& t : runs)
        std::printf(" %.2f", pick(t));
}

// Share of the time the line carried a byte, either way: stop-and-wait
// never sends both ways at once.
double Busy(const Transfer& t, int baud) {
    return t.seconds > 0 ? 100 * t.lineBytes / (baud / 10.0) / t.seconds : 0;
}

void PrintDirection(const LineChoice& line, const char* direction,
                    const std::vector<Transfer>& corvix, const std::vector<Transfer>& ckermit,
                    const Pick& ckSeconds, const Pick& ckCpu, std::size_t size) {
    const double mb = size / 1e6;
    const Pick seconds = [](const Transfer& t) { return t.seconds; };
    const Pick corvixCpu = [](const Transfer& t) { return t.corvixCpu; };
    const double tc = MedianOf(corvix, seconds), tk = MedianOf(ckermit, ckSeconds);
    std::printf("%-8s %-8s %8.2f %9.2f %6.2f %10.3f %9.3f", line.name, direction, tc, tk,
                tc > 0 ? tk / tc : 0, MedianOf(corvix, corvixCpu) / mb,
                MedianOf(ckermit, ckCpu) / mb);
    if (line.baud > 0) {
        const int baud = line.baud;
        const Pick busy = [baud](const Transfer& t) { return Busy(t, baud); };
        const Pick busyK = [baud, ckSeconds](const Transfer& t) {
            Transfer copy = t;
            copy.seconds = ckSeconds(t);
            return Busy(copy, baud);
        };
        std::printf("  %5.1f%% / %5.1f%%", MedianOf(corvix, busy), MedianOf(ckermit, busyK));
    }
    std::printf("%s%s\n", AllOk(corvix) ? "" : "  (CORVIX'S TRANSFER FAILED)",
                AllOk(ckermit) ? "" : "  (C-KERMIT TO C-KERMIT FAILED)");
    std::printf("%17s", "");
    PrintRuns("runs (s): corvix", corvix, seconds);
    PrintRuns("  c-kermit", ckermit, ckSeconds);
    // Runs of one round follow each other, so their ratio sees nearly the
    // same load; its median is steadier than the ratio of the medians.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < corvix.size() && i < ckermit.size(); ++i)
        if (corvix[i].seconds > 0) ratios.push_back(ckSeconds(ckermit[i]) / corvix[i].seconds);
    std::printf("  round ratios: median %.2f\n", Median(ratios));
    if (line.baud > 0) {
        // The least time the line needs for the bytes each run carried.
        const double rate = line.baud / 10.0;
        const Pick limit = [rate](const Transfer& t) { return t.lineBytes / rate; };
        std::printf("%17sline limit (s): corvix %.2f  c-kermit %.2f\n", "", MedianOf(corvix, limit),
                    MedianOf(ckermit, limit));
    }
}

}  // namespace

void PrintThroughputHeader() {
    std::printf("%-8s %-8s %8s %9s %6s %10s %9s  %s\n", "line", "corvix", "corvix s", "c-kermit s",
                "ratio", "cpu/MB cvx", "c-kermit", "line busy cvx / c-kermit");
    std::fflush(stdout);
}

void PrintThroughput(const LineChoice& line, const Rounds& rounds, std::size_t size) {
    const Pick seconds = [](const Transfer& t) { return t.seconds; };
    const Pick senderCpu = [](const Transfer& t) { return t.senderCpu; };
    const Pick receiverCpu = [](const Transfer& t) { return t.receiverCpu; };
    PrintDirection(line, "sends", rounds.corvixSends, rounds.yardstick, seconds, senderCpu, size);
    PrintDirection(line, "receives", rounds.corvixReceives, rounds.yardstick, seconds, receiverCpu,
                   size);
    std::fflush(stdout);
}

}  // namespace bench
