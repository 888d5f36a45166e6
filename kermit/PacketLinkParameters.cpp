#include <algorithm>

#include "kermit/PacketLink.h"

namespace kermit {
namespace {

// Bits of the first CAPAS character (after unchar).
constexpr int kCapasMore = 1;            // another CAPAS character follows
constexpr int kCapasLong = 2;            // long packets
constexpr int kCapasSlidingWindows = 4;  // sliding windows
constexpr int kCapasAttributes = 8;      // attribute packets

bool IsBinPrefix(int c) {
    return (c >= 33 && c <= 62) || (c >= 96 && c <= 126);
}

// The capability fields after the nine: CAPAS, WINDO, MAXLX1, MAXLX2. Returns
// how many fields there are in all.
int PutCapabilities(std::uint8_t* params, int longLen, int slidingWindow, bool attributes) {
    const int bits =
        (longLen > 0 ? kCapasLong : 0) | (slidingWindow > 1 ? kCapasSlidingWindows : 0);
    params[9] = static_cast<std::uint8_t>(tochar(bits | (attributes ? kCapasAttributes : 0)));
    if (bits == 0) return 10;
    params[10] = static_cast<std::uint8_t>(tochar(std::max(slidingWindow, 1)));
    if (longLen == 0) return 11;
    params[11] = static_cast<std::uint8_t>(tochar(longLen / 95));
    params[12] = static_cast<std::uint8_t>(tochar(longLen % 95));
    return 13;
}

}  // namespace

// The Send-Init parameters this side offers in its S packet: the nine of the
// caliper, and the capability fields only when long packets or a sliding window are
// proposed; attribute packets are offered with them. Returns how many there are.
int PacketLink::BuildInitParams() {
    const std::uint8_t params[9] = {static_cast<std::uint8_t>(tochar(state_.agreed.maxLen)),
                                    '%',
                                    ' ',
                                    static_cast<std::uint8_t>(ctl(0)),
                                    static_cast<std::uint8_t>(tochar(state_.agreed.eol)),
                                    '#',
                                    'Y',
                                    static_cast<std::uint8_t>('0' + CheckOffered()),
                                    static_cast<std::uint8_t>(offer_.repeatPrefix)};
    std::copy(std::begin(params), std::end(params), state_.sendBuffer);
    const int longOffer =
        offer_.packetLength > kShortPacketLen ? std::min(offer_.packetLength, kMaxPacketData) : 0;
    const int slidingWindowProposal = std::clamp(offer_.slidingWindow, 1, kMaxSlidingWindow);
    if (longOffer == 0 && slidingWindowProposal == 1) return 9;
    return PutCapabilities(state_.sendBuffer, longOffer, slidingWindowProposal, true);
}

// The parameters of an acknowledgement of the peer's S or I, built after the
// peer's parameters were adopted; returns how many there are. The block check
// is the one the peer proposed. A peer that sent capability fields gets them
// answered: long packets and a sliding window when it offered them (as agreed by
// AgreeOnCapabilities), else a tenth field saying none, so that it never
// reads past the end of the answer; attribute packets when it takes them.
// Any other peer gets nine.
int PacketLink::BuildAckParams() {
    Agreed& a = state_.agreed;
    BuildInitParams();
    const int qbin = IsBinPrefix(a.binPrefix) ? a.binPrefix : state_.binPrefixRefused ? 'N' : 'Y';
    state_.sendBuffer[6] = static_cast<std::uint8_t>(qbin);
    state_.sendBuffer[7] = static_cast<std::uint8_t>('0' + state_.peerCheck);
    state_.sendBuffer[8] =
        static_cast<std::uint8_t>(a.repeatPrefix != 0 ? offer_.repeatPrefix : ' ');
    if (!state_.peerHasCapas) return 9;
    return PutCapabilities(state_.sendBuffer, a.longLen, a.slidingWindowSize, a.attributes);
}

// Long packets, windows and attribute packets after the Send-Init exchange.
// Answering the peer's S or I, this side takes what the peer offered, up to
// its own room; reading the answer to its own S, each is used only when both
// named it, at the smaller of the two. Attribute packets are named by this
// side's S whenever it carries capability fields.
void PacketLink::AgreeOnCapabilities(bool answering) {
    Agreed& a = state_.agreed;
    if (answering) {
        a.longLen = std::min(state_.peerLongLen, kMaxPacketData);
        a.slidingWindowSize = std::min(state_.peerSlidingWindow, kMaxSlidingWindow);
        a.attributes = state_.peerAttributes;
        return;
    }
    a.attributes = state_.peerAttributes &&
                   (offer_.packetLength > kShortPacketLen || offer_.slidingWindow > 1);
    const bool longOffered = offer_.packetLength > kShortPacketLen;
    a.longLen =
        longOffered ? std::min({state_.peerLongLen, offer_.packetLength, kMaxPacketData}) : 0;
    a.slidingWindowSize =
        offer_.slidingWindow > 1
            ? std::min({state_.peerSlidingWindow, offer_.slidingWindow, kMaxSlidingWindow})
            : 1;
}

int PacketLink::CheckOffered() const {
    return offer_.blockCheck == 3 ? 3 : 1;
}

// The block check in force after the Send-Init exchange. Answering the
// peer's S or I, this side takes what the peer proposed; reading the answer
// to its own S, type 3 is used only when both named it.
int PacketLink::AgreeOnCheck(bool answering) {
    state_.agreed.checkType =
        answering || state_.peerCheck == CheckOffered() ? state_.peerCheck : 1;
    return state_.agreed.checkType;
}

// The peer's CAPAS characters (as many as their continuation bits say), then
// WINDO and MAXLX1, MAXLX2. A CAPAS that promises a character the packet does
// not have offers nothing; so does a length no longer than a short packet's.
static void ApplyPeerCapabilities(const std::uint8_t* p, int n, std::int32_t& longOffer,
                                  std::int32_t& slidingWindow, bool& attributes) {
    longOffer = 0;
    slidingWindow = 1;
    attributes = false;
    int at = 9;
    if (at >= n) return;
    const int bits = unchar(p[at]);
    while (at < n && (unchar(p[at]) & kCapasMore) != 0)
        ++at;
    if (at >= n) return;
    attributes = bits >= 0 && (bits & kCapasAttributes) != 0;
    const int windo = at + 1, maxlx1 = at + 2, maxlx2 = at + 3;
    if ((bits & kCapasSlidingWindows) != 0 && windo < n)
        slidingWindow = std::clamp(unchar(p[windo]), 1, kMaxSlidingWindow);
    if ((bits & kCapasLong) != 0 && maxlx2 < n) {
        const int length = unchar(p[maxlx1]) * 95 + unchar(p[maxlx2]);
        if (length > kShortPacketLen && unchar(p[maxlx1]) >= 0 && unchar(p[maxlx2]) >= 0)
            longOffer = length;
    }
}

void PacketLink::ApplyPeerParams(int n) {
    Agreed& a = state_.agreed;
    const std::uint8_t* p = state_.recvBuffer;
    if (n <= 0) {
        a.maxLen = 80;
    } else {
        const int m = unchar(p[0]);
        if (m < a.maxLen) a.maxLen = m;
        if (m < 10) a.maxLen = 80;
    }
    if (n >= 2) state_.peerTimeout = std::clamp(unchar(p[1]), 0, kShortPacketLen);
    if (n >= 3) a.padCount = std::clamp(unchar(p[2]), 0, kMaxPads);
    if (n >= 4) a.padChar = ctl(p[3]) & 0xFF;
    if (n >= 5) a.eol = static_cast<std::uint8_t>(unchar(p[4]));
    if (n >= 6) a.ctlPrefixIn = p[5];
    if (n >= 7 && IsBinPrefix(p[6])) a.binPrefix = p[6];
    state_.peerCheck = n >= 8 && (p[7] == '2' || p[7] == '3') ? p[7] - '0' : 1;
    if (n >= 9 && p[8] == offer_.repeatPrefix) a.repeatPrefix = offer_.repeatPrefix;
    state_.peerHasCapas = n >= 10;
    ApplyPeerCapabilities(p, n, state_.peerLongLen, state_.peerSlidingWindow,
                          state_.peerAttributes);
    // Every prefix must differ from the others, or a character in the data
    // could be read two ways and the file would arrive changed. An 8-bit
    // prefix that is a control prefix is refused (the acknowledgement says
    // N); repeat counts give way to an 8-bit prefix or a control prefix "~".
    if (a.binPrefix != 0 && (a.binPrefix == a.ctlPrefixOut || a.binPrefix == a.ctlPrefixIn)) {
        a.binPrefix = 0;
        state_.binPrefixRefused = true;
    }
    if (a.repeatPrefix != 0 && (a.repeatPrefix == a.binPrefix || a.repeatPrefix == a.ctlPrefixIn))
        a.repeatPrefix = 0;
}

}  // namespace kermit
