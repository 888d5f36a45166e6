#pragma once

#include <cstdint>

#include "kermit/PacketLink.h"

namespace kermit {

// The packets a receiver holds under a sliding window: those that came ahead
// of a missing one, kept until the gap is filled, so that the file is
// written in order and every packet once.
class ReceiveSlidingWindow {
public:
    struct Packet {
        bool filled = false;
        bool nakSent = false;  // it is missing and has been asked for
        int type = 0;
        int len = 0;
        std::uint8_t data[kMaxPacketData] = {};
    };

    // Empty, for a window of `size` packets whose first is `firstSeq`.
    void Start(int size, int firstSeq);
    // How far `seq` lies above the oldest packet not yet taken, or -1 when
    // it lies outside the window.
    int Offset(int seq) const;
    // Whether `seq` belongs to the window before this one: a packet already
    // taken, whose acknowledgement the sender may have missed.
    bool Taken(int seq) const;
    Packet& At(int offset);
    // Keeps the data field of packet `seq` (which must lie in the window).
    void Store(int seq, int type, const std::uint8_t* data, int len);
    Packet& Oldest() { return At(0); }
    int OldestSeq() const { return baseSeq_; }
    // The oldest packet was taken: the window moves on by one.
    void Slide();

private:
    Packet packets_[kMaxSlidingWindow];
    int size_ = 1;
    int first_ = 0;
    int baseSeq_ = 0;
};

}  // namespace kermit
