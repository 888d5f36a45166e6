#include "kermit/Sender.h"

#include <algorithm>

#include "kermit/SendSlidingWindow.h"

// The sender's data under a sliding window: packets in flight, answers
// taken as they come, the one a NAK names or the oldest sent again.
namespace kermit {

// Data packets under a sliding window: as many in flight as the window
// holds, each answered in any order. A NAK asks for its packet again, an
// answer that could not be read for the oldest (see Resend for how often).
// A wait that runs out sends the oldest again without counting; a peer
// silent for the whole silence limit ends the transfer. Taken when every
// packet is acknowledged, with seq at the next packet's number.
Sender::Ack Sender::SendSlidingWindowData(SourceReader& reader) {
    if (sendSlidingWindow_ == nullptr) sendSlidingWindow_ = std::make_unique<SendSlidingWindow>();
    SendSlidingWindow& slidingWindow = *sendSlidingWindow_;
    slidingWindow.Start(link_.InForce().slidingWindowSize, state_.seq);
    int idle = 0;  // answers in a row that asked for nothing
    std::int64_t heardAt = link_.NowMs();
    bool more = reader.More();
    while (more || !slidingWindow.Empty()) {
        for (; more && !slidingWindow.Full(); more = reader.More()) {
            if (observer_ != nullptr)
                observer_->OnSendProgress(static_cast<std::uint32_t>(reader.Position()));
            const int offer = static_cast<int>(std::min(DataOffer(), reader.Available()));
            const int consumed = link_.EncodeData(reader.Data(), offer);
            if (consumed <= 0) return Ack::Failed;
            SendSlidingWindow::Packet& packet =
                slidingWindow.Add(link_.SendBuffer(), link_.EncodedLen());
            link_.WritePacket(packet.len, packet.seq, packet::Data, packet.data,
                              link_.InForce().checkType);
            packet.sentAt = link_.Sent();
            state_.seq = slidingWindow.NextSeq();
            reader.Consume(static_cast<std::size_t>(consumed));
        }
        if (reader.Failed()) return Ack::Failed;
        int len = 0, rseq = 0, type = 0;
        const bool got = GetAnswer(AckKind::Data, heardAt, len, rseq, type);
        if (link_.TimedOut()) {
            if (ex_.SilentTooLong(heardAt)) return Ack::NoAnswer;
            Resend(slidingWindow, slidingWindow.Oldest().seq, false);
            continue;
        }
        heardAt = link_.NowMs();
        if (!got) {
            if (link_.RunFlagCleared()) return Ack::Failed;
            if (Resend(slidingWindow, slidingWindow.Oldest().seq) != Ack::Taken)
                return Ack::NoAnswer;
            continue;
        }
        const Ack ack = TakeSlidingWindowAnswer(slidingWindow, len, rseq, type, idle);
        if (ack != Ack::Taken) return ack;
    }
    return Ack::Taken;
}

// Sends packet `rseq` of the window once more; NoAnswer when it has gone as
// often as retryLimit sends of every packet of the window would make. Under
// a window the peer asks for a damaged packet itself, and its own limit ends
// a hopeless transfer with E; a long packet on a noisy line needs more sends
// than a short one to arrive whole. A send after a wait that ran out is not
// `counted`: the silence limit bounds those.
Sender::Ack Sender::Resend(SendSlidingWindow& slidingWindow, int rseq, bool counted) {
    SendSlidingWindow::Packet* packet = slidingWindow.Find(rseq);
    if (packet == nullptr) return Ack::Taken;
    if (counted && packet->retries + 1 >= state_.retryLimit * link_.InForce().slidingWindowSize)
        return Ack::NoAnswer;
    if (counted) ++packet->retries;
    link_.WritePacket(packet->len, packet->seq, packet::Data, packet->data,
                      link_.InForce().checkType);
    packet->sentAt = link_.Sent();
    return Ack::Taken;
}

// One answer under the window. A Y takes its packet off; an N of a packet in
// flight sends it again, unless the N had arrived before that packet last
// went (it asks for the copy already on its way); an N of the packet after
// the window asks for the oldest. Anything else asks for nothing, and
// retryLimit of them in a row count as a lost answer. Taken while the
// transfer goes on.
Sender::Ack Sender::TakeSlidingWindowAnswer(SendSlidingWindow& slidingWindow, int len, int rseq,
                                            int type, int& idle) {
    if (type == packet::Error) {
        link_.SetStatusPlain(
            std::string_view(reinterpret_cast<const char*>(link_.ReceivedField()), len));
        ex_.PeerError(len);
        return Ack::Failed;
    }
    if (link_.RunFlagCleared()) {
        link_.StopPlain();
        return Ack::Failed;
    }
    SendSlidingWindow::Packet* packet = slidingWindow.Find(rseq);
    if (type == packet::Ack && packet != nullptr && !packet->acked) {
        packet->acked = true;
        slidingWindow.Slide();
        idle = 0;
        return Ack::Taken;
    }
    if (type == packet::Nak && packet != nullptr && !packet->acked) {
        const bool stale = link_.ReadBefore(packet->sentAt);
        idle = 0;
        return stale ? Ack::Taken : Resend(slidingWindow, rseq);
    }
    if (type == packet::Nak && rseq == slidingWindow.NextSeq()) {
        // The packet after the window: the peer waits, and says nothing of
        // what it has (C-Kermit sends it while a packet is still missing).
        // The oldest goes again; a peer that has it answers it again.
        SendSlidingWindow::Packet& oldest = slidingWindow.Oldest();
        idle = 0;
        const bool stale = link_.ReadBefore(oldest.sentAt);
        return stale ? Ack::Taken : Resend(slidingWindow, oldest.seq);
    }
    if (++idle < state_.retryLimit) return Ack::Taken;
    idle = 0;
    return Resend(slidingWindow, slidingWindow.Oldest().seq);
}

}  // namespace kermit
