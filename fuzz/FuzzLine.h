#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

#include "kermit/KermitPort.h"
#include "kermit/PacketLink.h"

namespace corvix_fuzz {

// The block check of `type` (1, 2 or 3) over from[0..count), as the
// characters that end a packet.
void PacketCheck(int type, const std::uint8_t* from, int count, std::uint8_t* out);

// A line whose peer is the fuzz input, with a clock of its own that moves
// only while the engine waits on a silent line. Every byte of the input is
// waiting from the start, except that kSilence followed by a byte k is not
// delivered: it makes the line silent for 2^(k % 14) ms (1 ms to 8 s; 60 s
// per input in all), so the engine's bounded waits (the byte after a
// packet's check, the closing B) really time out, the same way every run. kSilence kSilence
// delivers the byte itself. When the input has all been read the line goes quiet and the run flag
// is cleared, as a user's stop would.
//
// Every packet the engine writes is checked as it goes out: one mark, a LEN
// that fits 94 or, for a packet too long for it, the extended header of long
// packets with its own check, a valid check of the type the engine says it
// sent (type 1 for S and I), and the type recorded in checkTypesUsed.
class FuzzLine : public kermit::KermitPort {
public:
    static constexpr std::uint8_t kSilence = 0xFF;
    // Silence in one input at most: five time-outs of a peer that asks to be
    // waited for 10 s, and more.
    static constexpr std::int64_t kSilenceBudgetMs = 60000;

    FuzzLine(const std::uint8_t* data, std::size_t size, std::atomic<int>& runFlag)
        : data_(data), size_(size), runFlag_(runFlag) {}

    // The link whose packets are checked: tells which block check each one
    // carries. Without it every packet must carry type 1.
    void Watch(const kermit::PacketLink* link) { link_ = link; }

    std::string written;          // every byte the engine wrote
    std::string delivered;        // every byte the engine read, when keepDelivered
    std::size_t packets = 0;      // packets written
    unsigned checkTypesUsed = 0;  // bit t set: a packet went out with check type t
    bool keepWritten = true;      // false: only count the packets
    bool keepDelivered = false;

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override;
    void PumpMessages() override {}
    std::int64_t NowMs() override { return now_; }

    std::size_t Remaining() const { return size_ - position_; }

private:
    bool Silent();

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    std::atomic<int>& runFlag_;
    const kermit::PacketLink* link_ = nullptr;
    std::int64_t now_ = 0;
    std::int64_t silentUntil_ = 0;
    std::int64_t silenceLeft_ = kSilenceBudgetMs;
};

}  // namespace corvix_fuzz
