#pragma once

#include <chrono>
#include <vector>

#include "kermit/KermitPort.h"

namespace bench {

// Passes everything through to the job's own port and times the turnaround:
// from the moment the last piece of a packet came in to the answer written.
// A piece "comes in" when a read brings bytes after the engine found the
// line empty (an empty read or a wait for input); the answer is written
// when Write returns. Writes not preceded by input (the first packet) are
// not counted.
class TimingPort : public kermit::ForwardingPort {
public:
    explicit TimingPort(kermit::KermitPort& port) : ForwardingPort(port) {}

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override;
    void WaitForRest(int milliseconds, int bytes) override;

    // Turnarounds in microseconds, in the order they happened.
    const std::vector<double>& turnarounds() const { return turnarounds_; }

private:
    using Clock = std::chrono::steady_clock;

    bool lineWasEmpty_ = true;
    bool inputSinceWrite_ = false;
    Clock::time_point lastPieceAt_{};
    std::vector<double> turnarounds_;
};

}  // namespace bench
