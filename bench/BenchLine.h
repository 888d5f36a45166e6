#pragma once

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "tools/linesim/LineSim.h"

namespace bench {

// One serial cable for a benchmark run: a pair of pseudo-terminals relayed
// either by socat (an independent relay that passes on whatever one read
// brought; it keeps a raw copy of what it relays, which is how its bytes are
// counted) or by linesim (optionally paced at a baud rate).
class BenchLine {
public:
    enum class Kind { Socat, Linesim };

    BenchLine(Kind kind, int baud, int latencyMs = 0);
    ~BenchLine();
    BenchLine(const BenchLine&) = delete;
    BenchLine& operator=(const BenchLine&) = delete;

    bool ok() const { return !path_[0].empty() && !path_[1].empty(); }
    const std::string& Path(int side) const { return path_[side]; }
    // Bytes the line carried from A to B and from B to A.
    void BytesCarried(std::uint64_t& aToB, std::uint64_t& bToA) const;
    double BytesCarried() const;

private:
    void StartSocat();

    std::unique_ptr<linesim::LineSim> linesim_;
    pid_t socat_ = -1;
    std::FILE* socatMessages_ = nullptr;  // socat's standard error
    std::string path_[2];
    std::string dumps_[2];  // socat's copies of what it relayed, each way
};

// Watches a line from another thread: when the first byte crossed it and
// when the last one did. A transfer's time on the line is the difference.
class LineClock {
public:
    explicit LineClock(const BenchLine& line);
    ~LineClock();
    LineClock(const LineClock&) = delete;
    LineClock& operator=(const LineClock&) = delete;

    // Stops watching; seconds from the first byte carried after the clock
    // started to the last. What went over the line before (a receiver's
    // opening NAK while its peer is still starting) does not start it.
    double Stop();

private:
    void Watch();

    const BenchLine& line_;
    std::uint64_t before_ = 0;  // bytes carried when the clock started
    std::atomic<bool> stop_{false};
    double first_ = -1;
    double last_ = -1;
    std::thread thread_;
};

}  // namespace bench
