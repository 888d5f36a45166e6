#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "kermit/Exchange.h"
#include "kermit/KermitFiles.h"
#include "kermit/KermitObserver.h"
#include "kermit/KermitPort.h"
#include "kermit/Offer.h"
#include "kermit/Outcome.h"
#include "kermit/PacketLink.h"
#include "kermit/Receiver.h"
#include "kermit/SendSource.h"
#include "kermit/Sender.h"

namespace kermit {

// The two sides of Kermit over one packet link, as whoever runs a transfer
// sees them: the sender (Sender.h) and the receiver with its small server
// (Receiver.h), sharing the link and the transaction's state (Exchange.h).
// The entries return an Outcome; the reason of a failure is left in the
// link's status text, for people.
class KermitEngine {
public:
    static constexpr int kNameSize = kermit::kNameSize;
    static constexpr int kNameBufferSize = kermit::kNameBufferSize;
    static constexpr int kDefaultPeerTimeout = kermit::kDefaultPeerTimeout;
    static constexpr int kNoAnswerHintMs = kermit::kNoAnswerHintMs;
    static constexpr int kSilenceFloorMs = kermit::kSilenceFloorMs;
    static constexpr int kSilenceCapMs = kermit::kSilenceCapMs;
    static constexpr std::string_view kUserCancelled = kermit::kUserCancelled;
    static constexpr std::string_view kRefusedByUser = kermit::kRefusedByUser;
    static constexpr std::string_view kCannotCreateFile = kermit::kCannotCreateFile;
    static constexpr std::string_view kTimedOut = kermit::kTimedOut;
    using Failure = kermit::Failure;
    using Transaction = kermit::Transaction;

    // The engine reaches the line through `port` and the files it receives
    // and serves through `files`; both outlive it. It offers `offer` in its
    // own Send-Init.
    KermitEngine(KermitPort& port, KermitFiles& files, std::atomic<int>& runFlag,
                 const Offer& offer = {});
    ~KermitEngine();

    KermitEngine(const KermitEngine&) = delete;
    KermitEngine& operator=(const KermitEngine&) = delete;

    void SetObserver(KermitObserver* observer);
    void SetOffer(const Offer& offer) { exchange_.link.SetOffer(offer); }
    PacketLink& Link() { return exchange_.link; }
    const PacketLink& Link() const { return exchange_.link; }
    Sender& Sending() { return sender_; }
    Receiver& Receiving() { return receiver_; }

    // The link's status, and whether it reports a stop; see PacketLink.
    const char* StatusText() const { return exchange_.link.StatusText(); }
    bool Stopped() const { return exchange_.link.Stopped(); }
    Failure LastFailure() const { return exchange_.state.failure; }
    Transaction LastTransaction() const { return receiver_.LastTransaction(); }

    // Folder that received files go into; a Save As may move it.
    const std::filesystem::path& ReceiveFolder() const { return receiver_.ReceiveFolder(); }
    void SetReceiveFolder(const std::filesystem::path& folder) {
        receiver_.SetReceiveFolder(folder);
    }
    // Which file-name rules received and requested names are held to: those
    // of the files unless set.
    void SetWindowsNameRules(bool windows) { receiver_.SetWindowsNameRules(windows); }
    const char* FileName() const { return receiver_.FileName(); }
    // How long the peer had been silent when that ended the transfer; 0 =
    // silence did not end it.
    int SilentSeconds() const { return exchange_.state.silentSeconds; }
    int RetryLimit() const { return exchange_.state.retryLimit; }
    // The whole silence limit of a transfer once the peer has spoken, in
    // place of the rule of SilenceLimitMs (a job's own, and tests' short
    // one); 0 = the rule.
    void SetSilenceLimit(std::int64_t milliseconds) { exchange_.silenceLimitMs = milliseconds; }
    // A transfer is under way whose peer has not been told of its end: a
    // send has begun, or a receive has taken the sender's S.
    bool TransferUnderWay() const { return exchange_.state.underWay; }
    // Tells the peer with an E packet carrying `reason` that this side ends
    // the transfer under way; nothing when none is.
    void TellPeerEnded(std::string_view reason) { exchange_.TellPeerEnded(reason); }
    int Seq() const { return exchange_.state.seq; }
    // For tests: the sequence number and the file name as given.
    void SetSeq(int seq) { exchange_.state.seq = seq & 63; }
    void SetFileName(std::string_view name) { receiver_.SetFileName(name); }

    // The link and this side's state back to the start of a transaction; the
    // file name and the receive folder stay.
    void ResetEngine() { exchange_.Reset(); }

    // Sending side: see Sender.
    Outcome KermitSend(const char* name, SendSource& source, const SendDetails& details = {}) {
        return sender_.KermitSend(name, source, details);
    }
    Outcome KermitSend(const char* name, const std::uint8_t* data, std::size_t length,
                       const SendDetails& details = {}) {
        return sender_.KermitSend(name, data, length, details);
    }
    Outcome SendFile(const char* name, SendSource& source, const SendDetails& details = {}) {
        return sender_.SendFile(name, source, details);
    }
    bool BeginBatch() { return sender_.BeginBatch(); }
    Outcome SendBatchFile(const char* name, SendSource& source, const SendDetails& details = {}) {
        return sender_.SendBatchFile(name, source, details);
    }
    Outcome EndBatch() { return sender_.EndBatch(); }
    Outcome AbortSend() { return sender_.AbortSend(); }
    bool SendInit() { return sender_.SendInit(); }
    bool SendHeader(int type, const char* name) { return sender_.SendHeader(type, name); }
    bool SendFileData(SendSource& source) { return sender_.SendFileData(source); }
    bool SendFileData(const std::uint8_t* data, std::size_t length) {
        return sender_.SendFileData(data, length);
    }
    bool SourceFailed() const { return sender_.SourceFailed(); }
    bool SendBreak() { return sender_.SendBreak(); }
    bool SendClosingBreak() { return sender_.SendClosingBreak(); }

    // Receiving side and server: see Receiver.
    Received KermitReceive(char* nameBuffer, std::uint8_t* dataBuffer, int dataLength) {
        return receiver_.KermitReceive(nameBuffer, dataBuffer, dataLength);
    }
    Received ServeOnce(const char* nameBuffer, std::uint8_t* dataBuffer, int dataLength) {
        return receiver_.ServeOnce(nameBuffer, dataBuffer, dataLength);
    }
    Command WaitForCommand() { return receiver_.WaitForCommand(); }
    bool AwaitNextHeader(bool keepNextFile) { return receiver_.AwaitNextHeader(keepNextFile); }

private:
    Exchange exchange_;
    Sender sender_;
    Receiver receiver_;
};

}  // namespace kermit
