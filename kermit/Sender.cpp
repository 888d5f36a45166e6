#include <algorithm>
#include <cstring>

#include "kermit/KermitEngine.h"

namespace kermit {

// How long one answer is waited for before the packet goes again: the
// peer's own time-out, never less than kDefaultPeerTimeout.
int KermitEngine::AnswerWaitMs() const {
    return std::max(peerTimeout, kDefaultPeerTimeout) * 1000;
}

// How long the peer may say nothing before the send gives up: retryLimit of
// its time-outs, and never less than kSilenceFloorMs, so that a caliper
// busy writing its memory is given time.
std::int64_t KermitEngine::SilenceLimitMs() const {
    return std::max<std::int64_t>(std::int64_t{retryLimit} * AnswerWaitMs(), kSilenceFloorMs);
}

// True, with the status and silentSeconds set, when the peer has said
// nothing since `heardAt` for the whole silence limit.
bool KermitEngine::SilentTooLong(std::int64_t heardAt) {
    const std::int64_t silent = port_.NowMs() - heardAt;
    if (silent < SilenceLimitMs()) return false;
    silentSeconds = static_cast<std::int32_t>(silent / 1000);
    SetStatus("NO ANSWER");
    return true;
}

// An answer to an extra copy of the packet acknowledged last: a peer that
// paused got every copy that went meanwhile and answers each. Resending on
// them would make it answer every following packet as often; they are
// passed over, as many as copies went.
bool KermitEngine::SpareAnswer(int type, int rseq) {
    if (spareAnswers <= 0 || type != 'Y' || rseq != ((seq + 63) & 63)) return false;
    --spareAnswers;
    return true;
}

// One packet of the answer. The first wait of a send, before the peer has
// said anything, has no limit (the user may still be starting the caliper's
// receive function). Every other wait ends after the peer's time-out: the
// closing B after the peer's own, or kDefaultPeerTimeout when it named none,
// the rest after AnswerWaitMs. timedOut_ tells a wait that ran out.
bool KermitEngine::GetAnswer(AckKind kind, int& len, int& rseq, int& type) {
    timedOut_ = false;
    if (kind != AckKind::Break && !peerAnswered) return GetPacket(len, rseq, type, recvBuffer);
    const int waitMs = kind == AckKind::Break
                           ? (peerTimeout > 0 ? peerTimeout : kDefaultPeerTimeout) * 1000
                           : AnswerWaitMs();
    timed_ = true;
    deadline_ = port_.NowMs() + waitMs;
    const bool got = GetPacket(len, rseq, type, recvBuffer);
    timed_ = false;
    return got;
}

// Stop-and-wait: the last packet is resent on anything but its
// acknowledgement, so that it goes retryLimit times in all. NoAnswer when
// every attempt went by without it. A wait that runs out resends the packet
// without counting an attempt; when the peer has then said nothing for the
// whole silence limit, the exchange fails with NoAnswer too. An E or a stop
// between answers fails it. The B's waits count as attempts: each ends after
// the peer's time-out.
KermitEngine::Ack KermitEngine::AwaitAck(AckKind kind) {
    std::int64_t heardAt = port_.NowMs();
    for (int attempt = 0; attempt < retryLimit;) {
        int len = 0, rseq = 0, type = 0;
        const bool got = GetAnswer(kind, len, rseq, type);
        if (timedOut_ && kind != AckKind::Break) {
            if (SilentTooLong(heardAt)) return Ack::NoAnswer;
            RepeatLastPacket();
            continue;
        }
        heardAt = port_.NowMs();
        if (!got) {
            if (++attempt < retryLimit) RepeatLastPacket();
            continue;
        }
        const bool initReply = kind == AckKind::Init && (type == 'I' || type == 'S');
        if ((type == 'Y' || initReply) && rseq == seq) {
            if (kind == AckKind::Init) {
                ApplyPeerParams(len);
                AgreeOnCheck(false);
                AgreeOnCapabilities(false);
            }
            spareAnswers = lastSends - 1;
            seq = (seq + 1) & 63;
            return Ack::Taken;
        }
        if (type == 'E') {
            SetStatusPlain(std::string_view(reinterpret_cast<const char*>(recvBuffer), len));
            PeerError(len);
            return Ack::Failed;
        }
        if (kind == AckKind::Data && RunFlagCleared()) {
            StopPlain();
            return Ack::Failed;
        }
        if (SpareAnswer(type, rseq)) continue;
        if (++attempt < retryLimit) RepeatLastPacket();
    }
    return Ack::NoAnswer;
}

// The S and its acknowledgement carry a type-1 check whatever an earlier
// exchange agreed on (an I before a G command); the answer sets the check anew.
bool KermitEngine::SendInit() {
    checkType = 1;
    PutPacket(BuildInitParams(), seq, 'S', sendBuffer);
    hintAt_ = peerAnswered ? 0 : port_.NowMs() + kNoAnswerHintMs;
    const Ack ack = AwaitAck(AckKind::Init);
    hintAt_ = 0;
    return ack == Ack::Taken;
}

// Called while the first wait of a send waits for a byte: once it is late,
// the observer hears of it, once.
void KermitEngine::HintIfLate() {
    if (hintAt_ == 0) return;
    if (peerAnswered) {
        hintAt_ = 0;
        return;
    }
    if (port_.NowMs() < hintAt_) return;
    hintAt_ = 0;
    if (observer_ != nullptr) observer_->OnNoAnswerYet();
}

bool KermitEngine::SendHeader(int type, const char* name) {
    const int length = static_cast<int>(std::strlen(name));
    if (EncodeData(reinterpret_cast<const std::uint8_t*>(name), length) < length) return false;
    PutPacket(encodedLen, seq, type, sendBuffer);
    return AwaitAck(AckKind::Plain) == Ack::Taken;
}

// The data packets, one at a time or under the sliding window agreed, then the Z.
bool KermitEngine::SendFileData(const std::uint8_t* data, std::size_t length) {
    if (slidingWindowSize > 1) {
        if (SendSlidingWindowData(data, length) != Ack::Taken) return false;
        PutPacket(0, seq, 'Z', nullptr);
        return AwaitAck(AckKind::Plain) == Ack::Taken;
    }
    std::size_t sent = 0;
    while (sent < length) {
        if (observer_ != nullptr) observer_->OnSendProgress(static_cast<std::uint32_t>(sent));
        const int offer = static_cast<int>(std::min<std::size_t>(DataOffer(), length - sent));
        const int consumed = EncodeData(data + sent, offer);
        if (consumed <= 0) return false;
        PutPacket(encodedLen, seq, 'D', sendBuffer);
        if (AwaitAck(AckKind::Data) != Ack::Taken) return false;
        sent += static_cast<std::size_t>(consumed);
    }
    PutPacket(0, seq, 'Z', nullptr);
    return AwaitAck(AckKind::Plain) == Ack::Taken;
}

// The B after a failed transfer: a peer that gave up has usually left, or
// its E was lost, so each attempt waits at most the peer's time-out.
bool KermitEngine::SendBreak() {
    PutPacket(0, seq, 'B', nullptr);
    return AwaitAck(AckKind::Break) == Ack::Taken;
}

// The B that ends a transaction whose Z was acknowledged: the peer has
// confirmed the file. A peer that has already left, or whose answer is lost,
// must not keep the transaction open, so each attempt waits at most the
// peer's time-out, and when none brings the answer the transaction counts as
// done. An E or a stop still fails it.
bool KermitEngine::SendClosingBreak() {
    const SavedStatus status = SaveStatus();
    PutPacket(0, seq, 'B', nullptr);
    const Ack ack = AwaitAck(AckKind::Break);
    if (ack != Ack::NoAnswer || RunFlagCleared()) return ack == Ack::Taken;
    RestoreStatus(status);
    return true;
}

bool KermitEngine::SendFile(const char* name, const std::uint8_t* data, std::size_t length) {
    ResetEngine();
    SetStatus(name);
    return SendInit() && SendHeader('F', name) && SendFileData(data, length) && SendClosingBreak();
}

// One whole transaction. After a failure one more B tries to close the
// transaction on the peer's side; it waits a bounded time, or not at all
// when the peer had fallen silent for the whole silence limit. The reason of
// the failure is kept: neither a stop during that wait nor the B's own
// failure may hide that the transfer had already failed. A transfer that
// was stopped ends as that wait leaves it.
Outcome KermitEngine::KermitSend(const char* name, const std::uint8_t* data, std::size_t length) {
    if (SendFile(name, data, length)) return Outcome::Done;
    const SavedStatus reason = SaveStatus();
    if (silentSeconds > 0)
        PutPacket(0, seq, 'B', nullptr);
    else
        SendBreak();
    if (!reason.stopped) RestoreStatus(reason);
    return Ended(false);
}

}  // namespace kermit
