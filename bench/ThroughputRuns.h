#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchLine.h"

namespace bench {

struct LineChoice {
    const char* name;
    BenchLine::Kind kind;
    int baud;               // 0: unpaced
    int latencyMs = 0;      // a paced line's bytes handed over this much later
    int check = 0;          // block check every side proposes; 0: gBlockCheck's
    int packetLength = 94;  // long packets and window every side offers: 94
    int slidingWindow = 1;  // and 1 for the same parameters as kSameParameters
    // C-Kermit keeps its own prefixing and attribute packets (no kPlainPackets).
    bool ckermitDefaults = false;
};

// One transfer: its time on the line (first byte to last, either way), the
// processor time of each side, and the bytes the line carried.
struct Transfer {
    double seconds = 0;
    double corvixCpu = 0;    // corvix-cli, the whole process
    double senderCpu = 0;    // the sending end (C-Kermit's in the yardstick runs)
    double receiverCpu = 0;  // the receiving end
    double lineBytes = -1;
    bool ok = false;
};

// The runs of one line: Corvix sending, C-Kermit to C-Kermit, Corvix
// receiving, in turn, `rounds` times.
struct Rounds {
    std::vector<Transfer> corvixSends, yardstick, corvixReceives;
};

Rounds RunRounds(const LineChoice& line, const std::string& cli, const std::filesystem::path& dir,
                 const std::string& data, int rounds);

void PrintThroughputHeader();
void PrintThroughput(const LineChoice& line, const Rounds& rounds, std::size_t size);

// The caliper's own parameters (packets of 94, window 1, block check 1) on
// linesim lines at 9600 and 115200 baud with a USB adapter's latency timer at
// its default 16 ms and at the 1 ms of low latency, each way: every line's
// figures, then the times at 16 and at 1 ms side by side. `slowData` goes at
// 9600 baud, `fastData` at 115200.
void PrintAdapterLatency(const std::string& cli, const std::filesystem::path& dir,
                         const std::string& slowData, const std::string& fastData, int rounds);

// Corvix's engine in this process on the job's port, sending and receiving
// `data` with C-Kermit once each, timed by TimingPort.
void PrintTurnaround(const LineChoice& line, const std::filesystem::path& dir,
                     const std::string& data);

// corvix-cli receive on a silent line for `seconds`, then SIGINT: its
// processor time and the time from the signal to its end.
void PrintIdle(const std::string& cli, int seconds, int rounds);

double Median(std::vector<double> values);

}  // namespace bench
