#include "kermit/Receiver.h"

#include "kermit/ReceiveSlidingWindow.h"

// The receiver's data under a sliding window: packets stored as they come,
// written in order, the missing ones asked for again.
namespace kermit {

// An attribute packet before the file's data, under a sliding window: the
// sender sends it alone and waits for its answer, as it does the header. True
// when the packet was one (the next of the window, or a repeat of the one
// answered last, whose answer went astray).
bool Receiver::AttributesInWindow(ReceiveSlidingWindow& slidingWindow, IncomingFile& file, int len,
                                  int rseq, int type) {
    if (type != packet::Attributes || incoming_.dataBegun) return false;
    if (rseq == slidingWindow.OldestSeq()) {
        state_.seq = rseq;
        AnswerAttributes(file, len);
        slidingWindow.Slide();
        return true;
    }
    if (rseq != state_.seq || !incoming_.attributesAnswered) return false;
    SendAttributeAnswer();
    return true;
}

// Phase 2 under a sliding window. Every packet of the window is
// acknowledged as it comes and kept until those before it have come; a
// packet that comes ahead of a missing one asks for the missing one with N,
// once, and so does a packet that could not be read for the oldest missing.
// The file is written in order, every packet once. A Z is acknowledged only
// when every packet before it was written.
Received Receiver::ReceiveSlidingWindowData(IncomingFile& file, std::uint8_t* buffer,
                                            int capacity) {
    if (receiveSlidingWindow_ == nullptr)
        receiveSlidingWindow_ = std::make_unique<ReceiveSlidingWindow>();
    ReceiveSlidingWindow& slidingWindow = *receiveSlidingWindow_;
    slidingWindow.Start(link_.InForce().slidingWindowSize, (state_.seq + 1) & 63);
    buffer = DecodeRoom(buffer, capacity);
    std::int64_t bytesWritten = 0;
    // Every packet of the window may arrive damaged and be sent again up to
    // the sender's own limit: the attempts run for all of them together.
    const int attempts = state_.retryLimit * link_.InForce().slidingWindowSize;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        int len = 0, rseq = 0, type = 0;
        const Heard heard = HearSender(len, rseq, type);
        if (heard == Heard::Silent) return SenderSilent(&file);
        if (heard == Heard::Unread) {
            if (link_.RunFlagCleared()) break;
            if (attempt + 1 < attempts)
                link_.PutPacket(0, slidingWindow.OldestSeq(), packet::Nak, nullptr);
            continue;
        }
        if (auto ended = EndedBySenderOrStop(file, type, len)) return *ended;
        if (AttributesInWindow(slidingWindow, file, len, rseq, type)) {
            attempt = -1;
            continue;
        }
        bool moved = false;
        if (auto ended = AnswerInSlidingWindow(slidingWindow, file, len, rseq, type, buffer,
                                               capacity, bytesWritten, moved))
            return *ended;
        if (moved) attempt = -1;
    }
    ex_.Fail(state_.seen);
    return NotReceived(file);
}

// One well-formed packet under the window: nothing while the file goes on,
// with `moved` true when the packet moved the transfer on and false when it
// asked for nothing; else how the file ended.
std::optional<Received> Receiver::AnswerInSlidingWindow(ReceiveSlidingWindow& slidingWindow,
                                                        IncomingFile& file, int len, int rseq,
                                                        int type, std::uint8_t* buffer,
                                                        int capacity, std::int64_t& bytesWritten,
                                                        bool& moved) {
    const int offset = slidingWindow.Offset(rseq);
    if (offset < 0 || (type != packet::Data && type != packet::Eof)) {
        // A packet already taken (a data packet, or the header before the
        // window) whose acknowledgement was lost is acknowledged again;
        // anything else is passed over.
        if (slidingWindow.Taken(rseq)) link_.PutPacket(0, rseq, packet::Ack, nullptr);
        return std::nullopt;
    }
    if (type == packet::Data &&
        link_.DecodeFrom(link_.ReceivedField(), len, nullptr, capacity) == PacketLink::kMalformed) {
        link_.PutPacket(0, rseq, packet::Nak, nullptr);
        return std::nullopt;
    }
    if (!slidingWindow.At(offset).filled)
        slidingWindow.Store(rseq, type, link_.ReceivedField(), len);
    if (type == packet::Data) link_.PutPacket(0, rseq, packet::Ack, nullptr);
    for (int missing = 0; missing < offset; ++missing) {
        ReceiveSlidingWindow::Packet& gap = slidingWindow.At(missing);
        if (gap.filled || gap.nakSent) continue;
        gap.nakSent = true;
        link_.PutPacket(0, (slidingWindow.OldestSeq() + missing) & 63, packet::Nak, nullptr);
    }
    moved = true;
    return TakeInOrder(slidingWindow, file, buffer, capacity, bytesWritten);
}

// Writes the packets at the bottom of the window that have come, in order.
// Nothing after data; Done after the Z that ends the file (acknowledged), or
// the result of a failed file.
std::optional<Received> Receiver::TakeInOrder(ReceiveSlidingWindow& slidingWindow,
                                              IncomingFile& file, std::uint8_t* buffer,
                                              int capacity, std::int64_t& bytesWritten) {
    while (slidingWindow.Oldest().filled) {
        ReceiveSlidingWindow::Packet& packet = slidingWindow.Oldest();
        state_.seq = slidingWindow.OldestSeq();
        if (packet.type == packet::Eof) {
            slidingWindow.Slide();
            return FileEnded(file, packet.len > 0 && packet.data[0] == 'D', bytesWritten);
        }
        const int n = link_.DecodeFrom(packet.data, packet.len, buffer, capacity);
        slidingWindow.Slide();
        if (auto failed = WriteDecoded(file, buffer, n, bytesWritten)) return failed;
    }
    return std::nullopt;
}

}  // namespace kermit
