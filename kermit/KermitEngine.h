#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "kermit/Attributes.h"
#include "kermit/KermitFiles.h"
#include "kermit/KermitObserver.h"
#include "kermit/KermitPort.h"
#include "kermit/Offer.h"
#include "kermit/Outcome.h"
#include "kermit/PacketLink.h"
#include "kermit/SendSource.h"

namespace kermit {

class SendSlidingWindow;
class ReceiveSlidingWindow;

// What a send tells the receiver of its file besides the name and the bytes,
// when attribute packets are in force.
struct SendDetails {
    std::optional<FileDate> modified;  // the file's date, local time
};

// The two sides of Kermit over one packet link: the sending side, and the
// receiving side with its small server. The entries return an Outcome; the
// reason of a failure is left in the link's status text, for people.
class KermitEngine {
public:
    static constexpr int kNameSize = 128;          // the file name, 127 characters at most
    static constexpr int kNameBufferSize = 1024;   // the caller's name buffer
    static constexpr int kDefaultPeerTimeout = 5;  // seconds, for a peer that names none
    // The first wait of a send has no limit; once it has lasted this long the
    // observer hears that no answer has come yet.
    static constexpr int kNoAnswerHintMs = 10000;
    // Once the peer has answered, it may stay silent retryLimit of its
    // time-outs, and never less than this, before a send gives up.
    static constexpr int kSilenceFloorMs = 60000;
    // ... and never more than this, whatever time-out the peer asks for.
    static constexpr int kSilenceCapMs = 150000;
    // Texts of the E packet that tells the peer why this side ends a
    // transfer, in the words Kermit programs use and show.
    static constexpr std::string_view kUserCancelled = "User cancelled";
    static constexpr std::string_view kRefusedByUser = "Refused by user";
    static constexpr std::string_view kCannotCreateFile = "Can't create file";
    static constexpr std::string_view kTimedOut = "Timed out";

    // The engine reaches the line through `port` and the files it receives
    // and serves through `files`; both outlive it. It offers `offer` in its
    // own Send-Init.
    KermitEngine(KermitPort& port, KermitFiles& files, std::atomic<int>& runFlag,
                 const Offer& offer = {});
    ~KermitEngine();

    KermitEngine(const KermitEngine&) = delete;
    KermitEngine& operator=(const KermitEngine&) = delete;

    void SetObserver(KermitObserver* observer);
    void SetOffer(const Offer& offer) { link_.SetOffer(offer); }
    PacketLink& Link() { return link_; }
    const PacketLink& Link() const { return link_; }

    // The link's status, and whether it reports a stop; see PacketLink.
    const char* StatusText() const { return link_.StatusText(); }
    bool Stopped() const { return link_.Stopped(); }

    // Why the last transfer failed, told apart for the user's sentence; the
    // status text keeps the protocol's short word.
    enum class Failure {
        None,
        Silent,         // the peer said nothing for the whole silence limit
        NoAnswer,       // every attempt went by without an answer
        OnlyNaks,       // the peer asked for the packet again every time
        OutOfSequence,  // the peer's packets or answers had the wrong sequence
        Damaged,        // the peer's packets came damaged
        NothingUsable,  // the peer sent packets of no use at that point
        PeerEnded,      // the peer ended it with an E packet
        Refused,        // the user would not have the file (overwrite, Save As)
        CannotCreate,   // the file could not be made
        WriteFailed,    // the file could not be written
    };
    Failure LastFailure() const { return state_.failure; }

    // What the last KermitReceive that succeeded did.
    enum class Transaction {
        None,          // nothing to report (a B in place of a file)
        FileReceived,  // a file came in
        FileServed,    // a file was sent in answer to R
        TextAnswered,  // a text was sent in answer to a generic D command
        LoggedOut,     // the peer logged out
        Finished,      // the peer said FINISH: it is done with the server
    };
    Transaction LastTransaction() const { return lastTransaction_; }

    // Folder that received files go into; a Save As may move it.
    const std::filesystem::path& ReceiveFolder() const { return receiveFolder_; }
    void SetReceiveFolder(const std::filesystem::path& folder) { receiveFolder_ = folder; }
    // Which file-name rules received and requested names are held to: those
    // of the files unless set.
    void SetWindowsNameRules(bool windows) { windowsNameRules_ = windows; }
    // What the last receive call names: the file being received or served,
    // the argument of a G request, or the text a generic command was
    // answered with; empty after a refused request.
    const char* FileName() const;
    // How long the peer had been silent when that ended the transfer; 0 =
    // silence did not end it.
    int SilentSeconds() const { return state_.silentSeconds; }
    int RetryLimit() const { return state_.retryLimit; }
    // The whole silence limit of a transfer once the peer has spoken, in
    // place of the rule of SilenceLimitMs (a job's own, and tests' short
    // one); 0 = the rule.
    void SetSilenceLimit(std::int64_t milliseconds) { silenceLimitMs_ = milliseconds; }
    // A transfer is under way whose peer has not been told of its end: a
    // send has begun, or a receive has taken the sender's S.
    bool TransferUnderWay() const { return state_.underWay; }
    // Tells the peer with an E packet carrying `reason` that this side ends
    // the transfer under way; nothing when none is.
    void TellPeerEnded(std::string_view reason);
    int Seq() const { return state_.seq; }
    // For tests: the sequence number and the file name as given.
    void SetSeq(int seq) { state_.seq = seq & 63; }
    void SetFileName(std::string_view name);

    // The link and this side's state back to the start of a transaction; the
    // file name and the receive folder stay.
    void ResetEngine();

    // Sending side.
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

    // Receiving side and server.
    Received KermitReceive(char* nameBuffer, std::uint8_t* dataBuffer, int dataLength);
    Received ServeOnce(const char* nameBuffer, std::uint8_t* dataBuffer, int dataLength);
    Command WaitForCommand();
    bool AwaitNextHeader(bool keepNextFile);

private:
    // The protocol state of one transaction; ResetEngine puts all of it back
    // to these values at the start of every transaction.
    struct State {
        std::int32_t seq = 0;            // this side's sequence number, 0..63
        std::int32_t silentSeconds = 0;  // see SilentSeconds()
        std::int32_t retryLimit = 5;     // attempts of every wait for an answer
        std::int32_t spareAnswers = 0;   // answers still due to extra copies of the packet
                                         // acknowledged last, passed over when they come
        // The sender's next F, read after the last file's Z: the transaction goes
        // on with it at the next receive call. Length of its data field, -1 when
        // there is none; its sequence number; its data field.
        std::int32_t nextHeaderLen = -1;
        std::int32_t nextHeaderSeq = 0;
        std::uint8_t nextHeader[kMaxPacketData] = {};
        std::int32_t answerLen = 0;        // data length of the answer AwaitAck took last
        bool underWay = false;             // see TransferUnderWay()
        bool sending = false;              // this side sends the transfer under way
        Failure failure = Failure::None;   // see LastFailure(); the first cause stands
        Failure seen = Failure::NoAnswer;  // what the wait under way saw last that it could not use
        std::int64_t heardAt = 0;          // when the sender of a receive was last heard
        bool sourceFailed = false;         // see SourceFailed()
    };
    // What the attribute packets of the file now arriving said, and how this
    // side answered them; anew for every file.
    struct Incoming {
        FileAttributes attributes;
        std::optional<std::uint64_t> announced;  // the length the observer was told
        std::string refusedBy;                   // the attributes that made this side refuse it
        bool attributesAnswered = false;         // an A packet of the file has been answered
        bool dataBegun = false;                  // data of the file has been written
    };
    // How the attribute packet of a send was answered.
    enum class Announce { Taken, Refused, Failed };
    enum class AckKind { Plain, Init, Data, Break };
    // How a wait for an answer, or one answer under a sliding window, ended: the
    // answer taken (the transfer goes on), failed (an E or a stop), or no
    // answer after every attempt or the whole silence limit.
    enum class Ack { Taken, Failed, NoAnswer };
    // What the header wait brought.
    enum class Header { Taken, Break, Failed };
    Ack AwaitAck(AckKind kind);
    void Fail(Failure why) {
        if (state_.failure == Failure::None) state_.failure = why;
    }
    void SawUnusable(int rseq, int type, int expected);
    bool GetAnswer(AckKind kind, std::int64_t heardAt, int& len, int& seq, int& type);
    int AnswerWaitMs() const;
    std::int64_t SilenceLimitMs() const;
    bool SilentTooLong(std::int64_t heardAt);
    bool SpareAnswer(int type, int rseq);
    void SendError(std::string_view text);
    void PeerError(int len);
    void RepeatUnlessLast(int attempt);
    bool StaleRepeat(int rseq) const;
    Received ServeFileRequest();
    Received ServeGenericCommand(const char* nameBuffer);
    Received ServeFailed(std::string_view text);
    void AnswerInit(int len);
    std::optional<Command> TakeRequest(int type, int len);
    Received ReceiveBatchFile(std::uint8_t* buffer, int capacity);
    std::unique_ptr<IncomingFile> OpenReceivedFile();
    Header ReceiveHeader();
    Header TakeFileName(int n);
    std::unique_ptr<IncomingFile> RefuseFile(std::string_view status);
    // How a wait for the sender's next packet ended.
    enum class Heard { Packet, Unread, Silent };
    Heard HearSender(int& len, int& seq, int& type);
    Received SenderSilent(IncomingFile* file);
    Heard TakeHeader(int& len, int& seq, int& type);
    Received ReceiveData(IncomingFile& file, std::uint8_t* buffer, int capacity);
    void AnswerAttributes(IncomingFile& file, int len);
    void SendAttributeAnswer();
    bool AttributesInWindow(ReceiveSlidingWindow& slidingWindow, IncomingFile& file, int len,
                            int rseq, int type);
    Received FileEnded(IncomingFile& file, bool discard, std::int64_t bytes);
    Announce SendAttributes(std::uint64_t length, const SendDetails& details);
    bool SendDiscard();
    Received ReceiveSlidingWindowData(IncomingFile& file, std::uint8_t* buffer, int capacity);
    std::uint8_t* DecodeRoom(std::uint8_t* buffer, int& capacity);
    Ack SendSlidingWindowData(SourceReader& reader);
    bool EndOnSourceFailure(SourceReader& reader);
    Ack Resend(SendSlidingWindow& slidingWindow, int seq, bool counted = true);
    Ack TakeSlidingWindowAnswer(SendSlidingWindow& slidingWindow, int len, int rseq, int type,
                                int& idle);
    // Under a sliding window: nothing when the transfer goes on (`moved` says
    // whether the packet moved it), else how the file ended.
    std::optional<Received> AnswerInSlidingWindow(ReceiveSlidingWindow& slidingWindow,
                                                  IncomingFile& file, int len, int rseq, int type,
                                                  std::uint8_t* buffer, int capacity,
                                                  std::int64_t& bytesWritten, bool& moved);
    std::optional<Received> TakeInOrder(ReceiveSlidingWindow& slidingWindow, IncomingFile& file,
                                        std::uint8_t* buffer, int capacity,
                                        std::int64_t& bytesWritten);
    // Source bytes offered to one EncodeData: more than any data field can
    // hold, however well the bytes compress.
    std::size_t DataOffer() const {
        return link_.InForce().longLen > 0 ? std::size_t{1} << 17 : 8192;
    }
    Received WriteFailed(IncomingFile& file);
    Received NotReceived(IncomingFile& file,
                         KermitObserver::NotWhole why = KermitObserver::NotWhole::Broken);
    std::optional<Received> EndedBySenderOrStop(IncomingFile& file, int type, int len);
    std::optional<Received> WriteDecoded(IncomingFile& file, const std::uint8_t* buffer, int n,
                                         std::int64_t& bytesWritten);

    PacketLink link_;
    std::int64_t silenceLimitMs_ = 0;  // see SetSilenceLimit()
    KermitFiles& files_;
    KermitObserver* observer_ = nullptr;
    State state_;
    Incoming incoming_;
    Transaction lastTransaction_ = Transaction::None;  // see LastTransaction()
    std::filesystem::path receiveFolder_;              // see ReceiveFolder()
    bool windowsNameRules_;                            // see SetWindowsNameRules()
    // One field a meaning; FileName() gives the one `named_` says.
    enum class Named { File, Request, Answer };
    char fileName_[kNameSize] = {};  // the file received, or asked for and served
    char request_[kNameSize] = {};   // the argument of the peer's R or G
    char answer_[kNameSize] = {};    // the text a generic command was answered with
    Named named_ = Named::File;
    // Decoded data of a long packet: a repeat group of three characters may
    // stand for 94 bytes, far more than the caller's buffer may hold.
    std::unique_ptr<std::uint8_t[]> longDecode_;
    // The packets of a sliding window, made when one is first in force.
    std::unique_ptr<SendSlidingWindow> sendSlidingWindow_;
    std::unique_ptr<ReceiveSlidingWindow> receiveSlidingWindow_;
};

}  // namespace kermit
