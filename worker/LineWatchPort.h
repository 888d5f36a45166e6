#pragma once

#include <atomic>

#include "kermit/KermitPort.h"
#include "serial/SerialPort.h"

// The job's serial port as the engine sees it. When the device goes away
// (unplugged, hung up) the run flag is cleared, so every wait of the engine
// ends at once, and the loss is remembered: the job then tells a lost line
// from a stop by the user.
class LineWatchPort : public kermit::KermitPort {
public:
    LineWatchPort(serial::SerialPort& port, std::atomic<int>& runFlag)
        : port_(port), runFlag_(runFlag) {}

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override;
    void WaitForRest(int milliseconds, int bytes) override;
    void PumpMessages() override { port_.PumpMessages(); }

    // True when the line was lost while the job was still meant to run.
    bool lineLost() const { return lineLost_; }

private:
    void CheckLine();

    serial::SerialPort& port_;
    std::atomic<int>& runFlag_;
    bool lineLost_ = false;
};
