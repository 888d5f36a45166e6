#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "kermit/KermitPort.h"

namespace soak {

// Passes everything through to a real port and keeps a readable record of
// the bytes Corvix wrote and read, so that a run that went wrong can be
// traced packet by packet afterwards.
class TracingPort : public kermit::KermitPort {
public:
    explicit TracingPort(kermit::KermitPort& port);

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override { port_.WaitForInput(milliseconds); }
    void PumpMessages() override { port_.PumpMessages(); }

    // One line per stretch of one direction: milliseconds since the start,
    // "PC>" or "PC<", then the bytes (printable ones as they are, others as
    // <hex>).
    const std::string& Trace() const { return trace_; }

private:
    void Note(char direction, const std::uint8_t* bytes, int count);

    kermit::KermitPort& port_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    char direction_ = 0;
    std::string trace_;
};

}  // namespace soak
