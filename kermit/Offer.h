#pragma once

namespace kermit {

// Longest data field of a long packet, and so the room of every packet
// buffer; largest sliding window of packets in flight.
inline constexpr int kMaxPacketData = 4096;
inline constexpr int kMaxSlidingWindow = 31;
// The longest packet of the short format: LEN counts at most 94 characters.
inline constexpr int kShortPacketLen = 94;

// Which control characters the sender prefixes in data fields. Automatic
// prefixes every one for a peer that knows only the nine Send-Init fields,
// and only the cautious set (those a line or a receiver can be harmed by)
// once long packets or a sliding window are agreed: such a peer follows the
// protocol beyond the nine fields and takes the others as they are.
// Cautious uses the cautious set with any peer; All prefixes every control
// character whatever was agreed.
enum class Prefixing { Automatic, Cautious, All };

// What this side offers in its own Send-Init, handed over whole by whoever
// starts a job. The defaults offer the nine Send-Init fields the caliper's own
// firmware answers: a type-1 check, neither long packets nor a sliding window,
// and repeat counts with "~". What a peer offers is answered either way.
struct Offer {
    int blockCheck = 1;                          // 1, or 3 when chosen
    int packetLength = kShortPacketLen;          // 94: no long packets; 95 to 4096
    int slidingWindow = 1;                       // 1: stop-and-wait; 2 to 31
    int repeatPrefix = '~';                      // the repeat prefix offered and accepted
    Prefixing prefixing = Prefixing::Automatic;  // control characters prefixed in data

    bool operator==(const Offer&) const = default;
};

}  // namespace kermit
