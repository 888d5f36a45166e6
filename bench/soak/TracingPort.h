#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

#include "kermit/KermitPort.h"

namespace soak {

// Passes everything through to a real port and keeps a readable record of
// the bytes Corvix wrote and read, so that a run that went wrong can be
// traced packet by packet afterwards.
class TracingPort : public kermit::ForwardingPort {
public:
    explicit TracingPort(kermit::KermitPort& port) : ForwardingPort(port) {}

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;

    // One line per stretch of one direction: milliseconds since the start,
    // "PC>" or "PC<", then the bytes (printable ones as they are, others as
    // <hex>).
    const std::string& Trace() const { return trace_; }

    // TYPE of the last packet written, 0 before the first; may be asked from
    // another thread while the engine runs.
    int LastTypeWritten() const { return lastType_; }

private:
    void Note(char direction, const std::uint8_t* bytes, int count);

    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    char direction_ = 0;
    std::string trace_;
    std::atomic<int> lastType_{0};
};

}  // namespace soak
