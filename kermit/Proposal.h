#pragma once

namespace kermit {

// Longest data field of a long packet, and so the room of every packet
// buffer; largest sliding window of packets in flight.
inline constexpr int kMaxPacketData = 4096;
inline constexpr int kMaxSlidingWindow = 31;
// The longest packet of the short format: LEN counts at most 94 characters.
inline constexpr int kShortPacketLen = 94;

// What this side proposes in its own Send-Init besides the block check. The
// defaults propose neither long packets nor a sliding window, as the caliper's own
// firmware answers; what a peer offers is answered either way.
struct Proposal {
    int packetLength = kShortPacketLen;  // 94: no long packets; 95 to 4096
    int slidingWindow = 1;               // 1: stop-and-wait; 2 to 31

    bool operator==(const Proposal&) const = default;
};

}  // namespace kermit
