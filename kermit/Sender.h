#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "kermit/Attributes.h"
#include "kermit/Exchange.h"
#include "kermit/Outcome.h"
#include "kermit/SendSource.h"

namespace kermit {

class SendSlidingWindow;

// What a send tells the receiver of its file besides the name and the bytes,
// when attribute packets are in force.
struct SendDetails {
    std::optional<FileDate> modified;  // the file's date, local time
};

// The sending side of Kermit over the exchange's link: a file, a batch of
// them, or a text in answer to a request.
class Sender {
public:
    explicit Sender(Exchange& exchange);
    ~Sender();

    Sender(const Sender&) = delete;
    Sender& operator=(const Sender&) = delete;

    // KermitSend returns Done, Failed, Stopped, or FileRefused when the
    // receiver refused the file in its answer to the attribute packet; each
    // step of it true when the peer acknowledged it.
    // The file's bytes are read from `source` as its packets go (see
    // SendSource); a send whose source failed or changed ends Failed after
    // an E, with SourceFailed() true. Bytes in memory may be given as they are.
    Outcome KermitSend(const char* name, SendSource& source, const SendDetails& details = {});
    Outcome KermitSend(const char* name, const std::uint8_t* data, std::size_t length,
                       const SendDetails& details = {});
    Outcome SendFile(const char* name, SendSource& source, const SendDetails& details = {});
    // A batch: one Send-Init (BeginBatch), each file's F, A, D... and Z
    // (SendBatchFile: Done, FileRefused when the receiver refused it and the
    // batch goes on, Failed), then one B (EndBatch); a batch that failed ends
    // with AbortSend, which returns Failed or Stopped.
    bool BeginBatch();
    Outcome SendBatchFile(const char* name, SendSource& source, const SendDetails& details = {});
    Outcome EndBatch();
    Outcome AbortSend();
    bool SendInit();
    bool SendHeader(int type, const char* name);
    bool SendFileData(SendSource& source);
    bool SendFileData(const std::uint8_t* data, std::size_t length);
    // The last send failed because its file could not be read whole or
    // changed while it went.
    bool SourceFailed() const { return state_.sourceFailed; }
    bool SendBreak();
    bool SendClosingBreak();

private:
    // How the attribute packet of a send was answered.
    enum class Announce { Taken, Refused, Failed };
    enum class AckKind { Plain, Init, Data, Break };
    // How a wait for an answer, or one answer under a sliding window, ended: the
    // answer taken (the transfer goes on), failed (an E or a stop), or no
    // answer after every attempt or the whole silence limit.
    enum class Ack { Taken, Failed, NoAnswer };
    Ack AwaitAck(AckKind kind);
    bool GetAnswer(AckKind kind, std::int64_t heardAt, int& len, int& seq, int& type);
    bool SpareAnswer(int type, int rseq);
    Announce SendAttributes(std::uint64_t length, const SendDetails& details);
    bool SendDiscard();
    Ack SendSlidingWindowData(SourceReader& reader);
    bool EndOnSourceFailure(SourceReader& reader);
    Ack Resend(SendSlidingWindow& slidingWindow, int seq, bool counted = true);
    Ack TakeSlidingWindowAnswer(SendSlidingWindow& slidingWindow, int len, int rseq, int type,
                                int& idle);
    // Source bytes offered to one EncodeData: more than any data field can
    // hold, however well the bytes compress.
    std::size_t DataOffer() const {
        return link_.InForce().longLen > 0 ? std::size_t{1} << 17 : 8192;
    }

    Exchange& ex_;
    PacketLink& link_;
    Exchange::State& state_;
    KermitObserver*& observer_;
    // The packets of a sliding window, made when one is first in force.
    std::unique_ptr<SendSlidingWindow> sendSlidingWindow_;
};

}  // namespace kermit
