#include "kermit/Exchange.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "kermit/BlockCheck.h"

namespace kermit {

Exchange::Exchange(KermitPort& port, KermitFiles& files, std::atomic<int>& runFlag,
                   const Offer& offer)
    : link(port, runFlag, offer), files(files) {}

void Exchange::Reset() {
    link.Reset();
    state = State{};
}

void Exchange::SendError(std::string_view text) {
    // Cut to what a short packet of the peer's length holds.
    const Agreed& agreed = link.InForce();
    const int n = link.PutText(text, agreed.maxLen - 2 - CheckLength(agreed.checkType));
    link.PutPacket(n, state.seq, packet::Error, link.SendBuffer());
    state.underWay = false;
}

// A receiving peer may already have taken the packet this side sent last
// and wait for the next: it passes over an E of the old sequence number as
// a repeat. A sender's E goes with both.
void Exchange::TellPeerEnded(std::string_view reason) {
    if (!state.underWay) return;
    const bool sending = state.sending;
    const PacketLink::SavedStatus status = link.SaveStatus();
    SendError(reason);
    if (sending) {
        state.seq = (state.seq + 1) & 63;
        SendError(reason);
    }
    link.RestoreStatus(status);
}

// The E packet just read (its data field `len` long, the link's received
// field) ended the transfer: the observer hears the peer's message.
void Exchange::PeerError(int len) {
    state.underWay = false;
    Fail(Failure::PeerEnded);
    if (observer == nullptr) return;
    std::uint8_t text[kMaxPacketData];
    const int n = link.DecodeFrom(link.ReceivedField(), len, text, sizeof text);
    if (n >= 0)
        observer->OnPeerError(std::string(reinterpret_cast<const char*>(text), n));
    else
        observer->OnPeerError(
            std::string(reinterpret_cast<const char*>(link.ReceivedField()), len));
}

// How long one answer is waited for before the packet goes again: the
// peer's own time-out, never less than kDefaultPeerTimeout.
int Exchange::AnswerWaitMs() const {
    return std::max(link.PeerTimeout(), kDefaultPeerTimeout) * 1000;
}

// How long the peer may say nothing before the send gives up: retryLimit of
// its time-outs, and never less than kSilenceFloorMs, so that a caliper
// busy writing its memory is given time; never more than kSilenceCapMs,
// whatever time-out the peer asked for.
std::int64_t Exchange::SilenceLimitMs() const {
    if (silenceLimitMs > 0) return silenceLimitMs;
    const std::int64_t limit =
        std::max<std::int64_t>(std::int64_t{state.retryLimit} * AnswerWaitMs(), kSilenceFloorMs);
    return std::min<std::int64_t>(limit, kSilenceCapMs);
}

// True, with the status and silentSeconds set, when the peer has said
// nothing since `heardAt` for the whole silence limit.
bool Exchange::SilentTooLong(std::int64_t heardAt) {
    const std::int64_t silent = link.NowMs() - heardAt;
    if (silent < SilenceLimitMs()) return false;
    state.silentSeconds = static_cast<std::int32_t>(silent / 1000);
    link.SetStatus("NO ANSWER");
    Fail(Failure::Silent);
    return true;
}

// A packet the wait under way cannot use, remembered for the sentence should
// the wait fail: a NAK, one of the packets of the exchange out of its
// sequence, or anything else.
void Exchange::SawUnusable(int rseq, int type, int expected) {
    if (type == packet::Nak) {
        state.seen = Failure::OnlyNaks;
        return;
    }
    const bool ofExchange = type != 0 && std::strchr("YSFADZB", type) != nullptr;
    state.seen = ofExchange && rseq != expected ? Failure::OutOfSequence : Failure::NothingUsable;
}

}  // namespace kermit
