#pragma once

#include <cstddef>
#include <cstdint>

#include "kermit/PacketLink.h"

namespace kermit {

// The data packets a sender has in flight under a sliding window, oldest
// first. Each is kept whole until it is acknowledged, so that the one a NAK
// names, or the oldest when an answer is lost, goes again exactly.
class SendSlidingWindow {
public:
    struct Packet {
        int seq = 0;
        int len = 0;
        int retries = 0;  // sends after the first
        bool acked = false;
        // Where the link's input stood when it was last sent: an answer
        // that had arrived by then was sent before the peer could see it.
        PacketLink::InputPoint sentAt;
        std::uint8_t data[kMaxPacketData] = {};
    };

    // Empty, for a window of `size` packets whose first is `nextSeq`.
    void Start(int size, int nextSeq);
    bool Full() const { return count_ >= size_; }
    bool Empty() const { return count_ == 0; }
    // A copy of the data field as the next packet; the caller sends it.
    Packet& Add(const std::uint8_t* data, int len);
    // The packet in flight with sequence number `seq`, or none.
    Packet* Find(int seq);
    Packet& Oldest() { return packets_[first_]; }
    // The sequence number of the next packet to go.
    int NextSeq() const { return (baseSeq_ + count_) & 63; }
    // Drops acknowledged packets from the bottom of the window.
    void Slide();

private:
    Packet packets_[kMaxSlidingWindow];
    int size_ = 1;
    int first_ = 0;    // index of the oldest packet in flight
    int count_ = 0;    // packets in flight
    int baseSeq_ = 0;  // sequence number of the oldest
};

}  // namespace kermit
