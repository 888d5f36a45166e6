#include "bench/TimingPort.h"

namespace bench {

int TimingPort::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    const int got = port_.ReadAvailable(buffer, maxLength);
    if (got <= 0) {
        lineWasEmpty_ = true;
        return got;
    }
    if (lineWasEmpty_) {
        lastPieceAt_ = Clock::now();
        lineWasEmpty_ = false;
    }
    inputSinceWrite_ = true;
    return got;
}

int TimingPort::Write(const std::uint8_t* buffer, int length) {
    const int written = port_.Write(buffer, length);
    if (inputSinceWrite_) {
        const auto took = Clock::now() - lastPieceAt_;
        turnarounds_.push_back(std::chrono::duration<double, std::micro>(took).count());
    }
    inputSinceWrite_ = false;
    return written;
}

void TimingPort::WaitForInput(int milliseconds) {
    lineWasEmpty_ = true;
    port_.WaitForInput(milliseconds);
}

void TimingPort::WaitForRest(int milliseconds, int bytes) {
    lineWasEmpty_ = true;
    port_.WaitForRest(milliseconds, bytes);
}

}  // namespace bench
