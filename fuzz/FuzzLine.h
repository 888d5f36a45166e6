#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

#include "kermit/KermitEngine.h"
#include "kermit/KermitPort.h"

namespace corvix_fuzz {

// A line whose peer is the fuzz input: every byte of it is waiting from the
// start, and when it has all been read the line goes quiet and the run flag
// is cleared, as a user's stop would. Every packet the engine writes is
// checked as it goes out: one mark, a LEN that fits 94, a valid check.
class FuzzLine : public kermit::KermitPort {
public:
    FuzzLine(const std::uint8_t* data, std::size_t size, std::atomic<int>& runFlag)
        : data_(data), size_(size), runFlag_(runFlag) {}

    std::string written;      // every byte the engine wrote
    std::size_t packets = 0;  // packets written

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override;
    void PumpMessages() override {}

    std::size_t Remaining() const { return size_ - position_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    std::atomic<int>& runFlag_;
};

}  // namespace corvix_fuzz
