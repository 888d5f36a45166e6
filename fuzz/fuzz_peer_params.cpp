// Whatever Send-Init parameters a peer announces: the acknowledgement built
// from them is well formed, names the block check the peer proposed (2 or 3,
// else 1), has nine fields when the peer sent nine or fewer, else the
// capability fields: CAPAS alone saying none (or attribute packets, when the
// peer named them), or with WINDO (and MAXLX1, MAXLX2 for long packets)
// naming what is in force, never more than 31 and
// 4096; every packet this side sends fits 94 with that block check, or its
// extended header when long packets are in force, and data encoded under the
// adopted settings decodes to itself on the peer's side (which decodes with
// this side's control prefix).
#include <sanitizer/asan_interface.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

#include "FuzzLine.h"

namespace {

// Every byte value, and runs of the prefixes and of 8-bit bytes around the
// repeat limit.
std::vector<std::uint8_t> Sample() {
    std::vector<std::uint8_t> sample;
    for (int b = 0; b < 256; ++b)
        sample.push_back(static_cast<std::uint8_t>(b));
    for (int b : {0, int('#'), int('&'), int('~'), 0xFE, 0xA3})
        for (int run : {2, 3, 94, 95})
            sample.insert(sample.end(), run, static_cast<std::uint8_t>(b));
    return sample;
}

void CheckAck(const kermit::PacketLink& link, const std::uint8_t* peer, int n, int fields) {
    const std::uint8_t* ack = link.SendBuffer();
    const kermit::Agreed& agreed = link.InForce();
    const int proposed = n >= 8 && (peer[7] == '2' || peer[7] == '3') ? peer[7] - '0' : 1;
    // The fields this side decides (EOL only echoes what the peer asked for).
    if (ack[0] != kermit::tochar(agreed.maxLen) || ack[6] < 33 || ack[6] > 126 ||
        (ack[8] != '~' && ack[8] != ' ') || ack[7] != '0' + proposed ||
        link.PeerCheck() != proposed)
        std::abort();
    if (n < 10) {
        if (fields != 9 || agreed.longLen != 0 || agreed.slidingWindowSize != 1 ||
            agreed.attributes)
            std::abort();
        return;
    }
    const bool longs = agreed.longLen > 0, windows = agreed.slidingWindowSize > 1;
    // Attribute packets only when the peer's first CAPAS character named them.
    if (agreed.attributes && (kermit::unchar(peer[9]) & 8) == 0) std::abort();
    if (ack[9] != kermit::tochar((longs ? 2 : 0) | (windows ? 4 : 0) | (agreed.attributes ? 8 : 0)))
        std::abort();
    if (fields != (longs ? 13 : windows ? 11 : 10)) std::abort();
    if (agreed.slidingWindowSize < 1 || agreed.slidingWindowSize > kermit::kMaxSlidingWindow)
        std::abort();
    if (fields >= 11 && ack[10] != kermit::tochar(agreed.slidingWindowSize)) std::abort();
    if (longs && (agreed.longLen <= 94 || agreed.longLen > kermit::kMaxPacketData ||
                  ack[11] != kermit::tochar(agreed.longLen / 95) ||
                  ack[12] != kermit::tochar(agreed.longLen % 95)))
        std::abort();
}

// Everything the encoding, the decoding and the packet framing read. Many
// inputs come down to settings already tried, and the round trip of the same
// sample under the same settings does the same again: it runs once per
// settings (a fresh process, as when an input is replayed, runs it anew).
using Settings = std::array<int, 10>;

bool FirstTime(const kermit::Agreed& e) {
    static std::set<Settings> tried;
    if (tried.size() > 1000000) tried.clear();
    return tried
        .insert({e.maxLen, e.ctlPrefixOut, e.binPrefix, e.repeatPrefix, e.checkType, e.padCount,
                 e.padChar, e.eol, e.mark, e.longLen})
        .second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const std::vector<std::uint8_t> sample = Sample();
    static std::uint8_t room[kermit::kMaxPacketData * 94];
    std::atomic<int> run{1};
    corvix_fuzz::FuzzLine line(nullptr, 0, run);
    line.keepWritten = false;
    kermit::PacketLink link(line, run);
    line.Watch(&link);
    const int n = std::min<int>(data[0] % 95, static_cast<int>(size - 1));
    link.SetReceivedField(data + 1, n);
    link.ApplyPeerParams(n);
    link.AgreeOnCapabilities(true);

    if (link.InForce().maxLen < 10 || link.InForce().maxLen > 94) std::abort();
    const int fields = link.BuildAckParams();
    CheckAck(link, data + 1, n, fields);
    link.PutPacket(fields, 0, 'Y', link.SendBuffer());  // the line checks LEN and framing

    // After the exchange both sides use the check the peer proposed.
    kermit::Agreed agreed = link.InForce();
    agreed.checkType = link.PeerCheck();
    agreed.ctlPrefixIn = agreed.ctlPrefixOut;
    link.SetInForce(agreed);
    if (!FirstTime(agreed)) return 0;
    std::size_t used = 0;
    while (used < sample.size()) {
        const int consumed =
            link.EncodeData(sample.data() + used, static_cast<int>(sample.size() - used));
        if (consumed <= 0 || consumed > static_cast<int>(sizeof room)) std::abort();
        link.PutPacket(link.EncodedLen(), 1, 'D', link.SendBuffer());
        link.SetReceivedField(link.SendBuffer(), link.EncodedLen());
        // Decoding may not write past its room: the rest is poisoned.
        ASAN_POISON_MEMORY_REGION(room + consumed, sizeof room - consumed);
        const int decoded = link.DecodeData(room, consumed, link.EncodedLen());
        ASAN_UNPOISON_MEMORY_REGION(room, sizeof room);
        if (decoded != consumed) std::abort();
        if (std::memcmp(room, sample.data() + used, consumed) != 0) std::abort();
        used += consumed;
    }
    return 0;
}
