#pragma once

#include <atomic>

#include "kermit/KermitPort.h"
#include "serial/SerialPort.h"

// The job's serial port as the engine sees it. The engine runs on a flag of
// its own: cleared when the worker's run flag is (a stop), and when the
// device goes away (unplugged, hung up), so that every wait of the engine
// ends at once; the loss is remembered, so that the job tells a lost line
// from a stop by the user, and the worker's run flag stays as it was.
class LineWatchPort : public kermit::KermitPort {
public:
    LineWatchPort(serial::SerialPort& port, const std::atomic<int>& runFlag,
                  std::atomic<int>& engineFlag)
        : port_(port), runFlag_(runFlag), engineFlag_(engineFlag) {}

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override;
    void WaitForRest(int milliseconds, int bytes) override;
    void PumpMessages() override {
        port_.PumpMessages();
        CheckLine();
    }

    // True when the line was lost while the job was still meant to run.
    bool lineLost() const { return lineLost_; }

private:
    void CheckLine();

    serial::SerialPort& port_;
    const std::atomic<int>& runFlag_;
    std::atomic<int>& engineFlag_;
    bool lineLost_ = false;
};
