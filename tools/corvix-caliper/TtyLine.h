#pragma once

#include <cstdint>
#include <string>

#include "kermit/KermitPort.h"

namespace caliper {

// The caliper's end of the serial line: a terminal device opened raw (8N1,
// no flow control) with plain termios. Used by one thread.
class TtyLine : public kermit::KermitPort {
public:
    TtyLine() = default;
    ~TtyLine() override;
    TtyLine(const TtyLine&) = delete;
    TtyLine& operator=(const TtyLine&) = delete;

    // Opens `device` at `baud` (any of the usual rates). False with a reason
    // in Error() when it cannot.
    bool Open(const std::string& device, int baud);
    void Close();
    const std::string& Error() const { return error_; }

    // Throws away whatever has arrived and not been read.
    void DiscardInput();
    // Waits until everything written has left the device (bounded).
    void Drain();

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    // Writes the whole buffer, waiting at most 3 s for room; returns the count taken.
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override;
    void PumpMessages() override {}

private:
    int fd_ = -1;
    std::string error_;
};

// The termios speed constant for a rate, or 0 when there is none.
unsigned SpeedConstant(int baud);

}  // namespace caliper
