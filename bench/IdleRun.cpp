#include <signal.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "bench/BenchPeer.h"
#include "bench/ThroughputRuns.h"

namespace bench {

void PrintIdle(const std::string& cli, int seconds, int rounds) {
    std::printf("\ncorvix-cli receive on a silent linesim line for %d s, then SIGINT\n", seconds);
    std::vector<double> cpu, stop;
    for (int r = 0; r < rounds; ++r) {
        BenchLine line(BenchLine::Kind::Linesim, 0);
        Process corvix;
        corvix.Start({cli, "receive", "--port", line.Path(0), "--dir", "/tmp", "--quiet"}, "/tmp",
                     "/dev/null");
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        const auto signalled = std::chrono::steady_clock::now();
        corvix.Signal(SIGINT);
        const int status = corvix.Wait(10);
        const auto ended = std::chrono::steady_clock::now();
        cpu.push_back(corvix.cpuSeconds() * 1000);
        stop.push_back(std::chrono::duration<double, std::milli>(ended - signalled).count());
        std::printf("  round %d: processor time %.1f ms, SIGINT to exit %.1f ms, exit %d\n", r + 1,
                    cpu.back(), stop.back(), status);
        std::fflush(stdout);
    }
    std::printf("  median: processor time %.1f ms, SIGINT to exit %.1f ms\n", Median(cpu),
                Median(stop));
}

}  // namespace bench
