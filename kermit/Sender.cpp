#include "kermit/Sender.h"

#include <algorithm>
#include <cstring>

#include "kermit/SendSlidingWindow.h"

namespace kermit {
namespace {

// The E and the status of a send whose file could not be read whole or
// changed while it went.
constexpr char kFileChanged[] = "FILE CHANGED";

}  // namespace

Sender::Sender(Exchange& exchange)
    : ex_(exchange), link_(exchange.link), state_(exchange.state), observer_(exchange.observer) {}

Sender::~Sender() = default;

// An answer to an extra copy of the packet acknowledged last: a peer that
// paused got every copy that went meanwhile and answers each. Resending on
// them would make it answer every following packet as often; they are
// passed over, as many as copies went.
bool Sender::SpareAnswer(int type, int rseq) {
    if (state_.spareAnswers <= 0 || type != packet::Ack || rseq != ((state_.seq + 63) & 63))
        return false;
    --state_.spareAnswers;
    return true;
}

// One packet of the answer. The first wait of a send, before the peer has
// said anything, has no limit (the user may still be starting the caliper's
// receive function). Every other wait ends after the peer's time-out: the
// closing B after the peer's own, or kDefaultPeerTimeout when it named none,
// the rest after AnswerWaitMs; none beyond the silence limit counted from
// `heardAt`. The link's TimedOut() tells a wait that ran out.
bool Sender::GetAnswer(AckKind kind, std::int64_t heardAt, int& len, int& rseq, int& type) {
    if (kind != AckKind::Break && !link_.PeerAnswered()) return link_.GetPacket(len, rseq, type);
    const int peerTimeout = link_.PeerTimeout() > 0 ? link_.PeerTimeout() : kDefaultPeerTimeout;
    const std::int64_t left = ex_.SilenceLimitMs() - (link_.NowMs() - heardAt);
    const int waitMs = static_cast<int>(std::clamp<std::int64_t>(
        left, 1, kind == AckKind::Break ? peerTimeout * 1000 : ex_.AnswerWaitMs()));
    return link_.GetPacketWithin(waitMs, len, rseq, type);
}

// Stop-and-wait: the last packet is resent on anything but its
// acknowledgement, so that it goes retryLimit times in all. NoAnswer when
// every attempt went by without it. A wait that runs out resends the packet
// without counting an attempt; when the peer has then said nothing for the
// whole silence limit, the exchange fails with NoAnswer too. An E or a stop
// between answers fails it. The B's waits count as attempts: each ends after
// the peer's time-out, and all of them within the silence limit.
Sender::Ack Sender::AwaitAck(AckKind kind) {
    std::int64_t heardAt = link_.NowMs();
    for (int attempt = 0; attempt < state_.retryLimit;) {
        int len = 0, rseq = 0, type = 0;
        const bool got = GetAnswer(kind, heardAt, len, rseq, type);
        if (link_.TimedOut() && kind != AckKind::Break) {
            if (ex_.SilentTooLong(heardAt)) return Ack::NoAnswer;
            link_.RepeatLastPacket();
            continue;
        }
        if (link_.TimedOut() && ex_.SilentTooLong(heardAt)) return Ack::NoAnswer;
        if (!link_.TimedOut()) heardAt = link_.NowMs();
        if (!got && link_.Stopped()) return Ack::Failed;
        if (!got) {
            state_.seen = link_.TimedOut() ? Failure::NoAnswer : Failure::Damaged;
            if (++attempt < state_.retryLimit) link_.RepeatLastPacket();
            continue;
        }
        const bool initReply =
            kind == AckKind::Init && (type == packet::Init || type == packet::SendInit);
        if ((type == packet::Ack || initReply) && rseq == state_.seq) {
            state_.answerLen = len;
            if (kind == AckKind::Init) {
                link_.ApplyPeerParams(len);
                link_.AgreeOnCheck(false);
                link_.AgreeOnCapabilities(false);
            }
            state_.spareAnswers = link_.LastSends() - 1;
            state_.seq = (state_.seq + 1) & 63;
            return Ack::Taken;
        }
        if (type == packet::Error) {
            link_.SetStatusPlain(
                std::string_view(reinterpret_cast<const char*>(link_.ReceivedField()), len));
            ex_.PeerError(len);
            return Ack::Failed;
        }
        ex_.SawUnusable(rseq, type, state_.seq);
        if (kind == AckKind::Data && link_.RunFlagCleared()) {
            link_.StopPlain();
            return Ack::Failed;
        }
        if (SpareAnswer(type, rseq)) continue;
        if (++attempt < state_.retryLimit) link_.RepeatLastPacket();
    }
    ex_.Fail(state_.seen);
    return Ack::NoAnswer;
}

// The S and its acknowledgement carry a type-1 check whatever an earlier
// exchange agreed on (an I before a G command); the answer sets the check anew.
bool Sender::SendInit() {
    link_.UseCheck(1);
    state_.underWay = true;
    state_.sending = true;
    link_.PutPacket(link_.BuildInitParams(), state_.seq, packet::SendInit, link_.SendBuffer());
    link_.ArmNoAnswerHint(kNoAnswerHintMs);
    const Ack ack = AwaitAck(AckKind::Init);
    link_.DisarmNoAnswerHint();
    return ack == Ack::Taken;
}

bool Sender::SendHeader(int type, const char* name) {
    const int length = static_cast<int>(std::strlen(name));
    if (link_.EncodeData(reinterpret_cast<const std::uint8_t*>(name), length) < length)
        return false;
    link_.PutPacket(link_.EncodedLen(), state_.seq, type, link_.SendBuffer());
    return AwaitAck(AckKind::Plain) == Ack::Taken;
}

// The data packets, one at a time or under the sliding window agreed, then
// the Z. The bytes are read from `source` as the packets go; a file that
// could not be read whole, or that changed meanwhile, ends the send with an
// E before its Z, so that the receiver never takes it for whole.
bool Sender::SendFileData(SendSource& source) {
    SourceReader reader(source, DataOffer());
    if (link_.InForce().slidingWindowSize > 1) {
        if (SendSlidingWindowData(reader) != Ack::Taken) return EndOnSourceFailure(reader);
    } else {
        while (reader.More()) {
            if (observer_ != nullptr)
                observer_->OnSendProgress(static_cast<std::uint32_t>(reader.Position()));
            const int offer = static_cast<int>(std::min(DataOffer(), reader.Available()));
            const int consumed = link_.EncodeData(reader.Data(), offer);
            if (consumed <= 0) return false;
            link_.PutPacket(link_.EncodedLen(), state_.seq, packet::Data, link_.SendBuffer());
            if (AwaitAck(AckKind::Data) != Ack::Taken) return false;
            reader.Consume(static_cast<std::size_t>(consumed));
        }
    }
    if (!reader.Whole()) return EndOnSourceFailure(reader);
    link_.PutPacket(0, state_.seq, packet::Eof, nullptr);
    return AwaitAck(AckKind::Plain) == Ack::Taken;
}

bool Sender::SendFileData(const std::uint8_t* data, std::size_t length) {
    MemorySource source(data, length);
    return SendFileData(source);
}

// False, after telling the receiver with an E, when the source failed.
bool Sender::EndOnSourceFailure(SourceReader& reader) {
    if (!reader.Failed()) return false;
    state_.sourceFailed = true;
    ex_.SendError(kFileChanged);
    link_.SetStatus(kFileChanged);
    return false;
}

// The B after a failed transfer: a peer that gave up has usually left, or
// its E was lost, so each attempt waits at most the peer's time-out.
bool Sender::SendBreak() {
    link_.PutPacket(0, state_.seq, packet::Break, nullptr);
    return AwaitAck(AckKind::Break) == Ack::Taken;
}

// The B that ends a transaction whose Z was acknowledged: the peer has
// confirmed the file. A peer that has already left, or whose answer is lost,
// must not keep the transaction open, so each attempt waits at most the
// peer's time-out, and when none brings the answer the transaction counts as
// done. An E or a stop still fails it.
bool Sender::SendClosingBreak() {
    const PacketLink::SavedStatus status = link_.SaveStatus();
    link_.PutPacket(0, state_.seq, packet::Break, nullptr);
    const Ack ack = AwaitAck(AckKind::Break);
    if (ack != Ack::NoAnswer || link_.RunFlagCleared()) return ack == Ack::Taken;
    link_.RestoreStatus(status);
    return true;
}

// The attribute packet after the header, when attribute packets are in
// force: the file's type (binary: its bytes go as they are), its date when
// the caller knows it, and its length. Taken when the receiver took the file
// (or nothing was announced), Refused when its answer refused it.
Sender::Announce Sender::SendAttributes(std::uint64_t length, const SendDetails& details) {
    if (!link_.InForce().attributes) return Announce::Taken;
    FileAttributes attributes;
    attributes.type = FileAttributes::Type::Binary;
    attributes.date = details.modified;
    attributes.length = length;
    attributes.lengthK = length / 1024 + (length % 1024 != 0 ? 1 : 0);
    const int room = link_.InForce().maxLen - 2 - link_.InForce().checkType;
    const std::string field = BuildAttributes(attributes, room);
    const int n = link_.PutText(field, room);
    link_.PutPacket(n, state_.seq, packet::Attributes, link_.SendBuffer());
    if (AwaitAck(AckKind::Plain) != Ack::Taken) return Announce::Failed;
    const AttributeAnswer answer = ParseAttributeAnswer(link_.ReceivedField(), state_.answerLen);
    if (answer.accepted) return Announce::Taken;
    if (observer_ != nullptr) observer_->OnSendRefused(answer.refusedBy);
    return Announce::Refused;
}

// A file the receiver refused: its Z says discard.
bool Sender::SendDiscard() {
    static const std::uint8_t kDiscard[] = {'D'};
    link_.PutPacket(1, state_.seq, packet::Eof, kDiscard);
    return AwaitAck(AckKind::Plain) == Ack::Taken;
}

Outcome Sender::SendFile(const char* name, SendSource& source, const SendDetails& details) {
    ex_.Reset();
    link_.SetStatus(name);
    if (!SendInit()) return Outcome::Failed;
    const Outcome sent = SendBatchFile(name, source, details);
    if (sent == Outcome::Failed || !SendClosingBreak()) return Outcome::Failed;
    if (sent == Outcome::FileRefused) link_.SetStatus("REFUSED");
    return sent;
}

bool Sender::BeginBatch() {
    ex_.Reset();
    return SendInit();
}

// One file of a transaction whose Send-Init went through.
Outcome Sender::SendBatchFile(const char* name, SendSource& source, const SendDetails& details) {
    link_.SetStatus(name);
    if (!SendHeader(packet::FileHeader, name)) return Outcome::Failed;
    const Announce announce = SendAttributes(source.Length(), details);
    if (announce == Announce::Failed) return Outcome::Failed;
    if (announce == Announce::Refused)
        return SendDiscard() ? Outcome::FileRefused : Outcome::Failed;
    return SendFileData(source) ? Outcome::Done : Outcome::Failed;
}

Outcome Sender::EndBatch() {
    if (!SendClosingBreak()) return AbortSend();
    state_.underWay = false;
    return Outcome::Done;
}

// One whole transaction. After a failure one more B tries to close the
// transaction on the peer's side; it waits a bounded time, or not at all
// when the peer had fallen silent for the whole silence limit, and none
// goes after this side's own E. The reason of the failure is kept: neither
// a stop during that wait nor the B's own failure may hide that the
// transfer had already failed.
Outcome Sender::KermitSend(const char* name, SendSource& source, const SendDetails& details) {
    const Outcome sent = SendFile(name, source, details);
    if (sent == Outcome::Failed) return AbortSend();
    state_.underWay = false;
    return sent;
}

Outcome Sender::AbortSend() {
    // After a stop no B: whoever stopped tells the peer why (TellPeerEnded);
    // after this side's own E none either.
    if (link_.RunFlagCleared()) return link_.Ended(false);
    if (state_.sourceFailed) return Outcome::Failed;
    const PacketLink::SavedStatus reason = link_.SaveStatus();
    if (state_.silentSeconds > 0)
        link_.PutPacket(0, state_.seq, packet::Break, nullptr);
    else
        SendBreak();
    state_.underWay = false;
    if (!reason.stopped) link_.RestoreStatus(reason);
    return link_.Ended(false);
}

Outcome Sender::KermitSend(const char* name, const std::uint8_t* data, std::size_t length,
                           const SendDetails& details) {
    MemorySource source(data, length);
    return KermitSend(name, source, details);
}

}  // namespace kermit
