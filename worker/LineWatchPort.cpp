#include "worker/LineWatchPort.h"

int LineWatchPort::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    const int got = port_.ReadAvailable(buffer, maxLength);
    if (got == 0) {
        CheckLine();
    } else if (runFlag_ == 0) {
        engineFlag_ = 0;  // input that keeps coming must not hold off a stop
    }
    return got;
}

int LineWatchPort::Write(const std::uint8_t* buffer, int length) {
    const int written = port_.Write(buffer, length);
    if (written < length) CheckLine();
    return written;
}

void LineWatchPort::WaitForInput(int milliseconds) {
    if (lineLost_) return;  // the engine's flag is already cleared
    port_.WaitForInput(milliseconds);
    CheckLine();
}

void LineWatchPort::WaitForRest(int milliseconds, int bytes) {
    if (lineLost_) return;
    port_.WaitForRest(milliseconds, bytes);
    CheckLine();
}

void LineWatchPort::CheckLine() {
    if (runFlag_ == 0) engineFlag_ = 0;
    if (lineLost_ || !port_.lineLost()) return;
    // Only a job still running counts the loss; after a stop it is just the end.
    lineLost_ = runFlag_ != 0;
    engineFlag_ = 0;
}
