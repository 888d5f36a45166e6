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

#include "kermit/KermitFiles.h"
#include "kermit/KermitObserver.h"
#include "kermit/KermitPort.h"
#include "kermit/Outcome.h"
#include "kermit/Proposal.h"

namespace kermit {

class SendSlidingWindow;
class ReceiveSlidingWindow;

// The protocol state of one transaction; ResetEngine puts all of it back to
// these values at the start of every transaction.
struct KermitState {
    std::int32_t checkSum = 0;           // running sum of the packet being read
    std::uint16_t checkCrc = 0;          // running CRC-16 of the packet being read
    std::int32_t checkType = 1;          // block check of the packets read and sent now: 1, 2 or 3
    std::int32_t peerCheck = 1;          // block check the peer's Send-Init or its answer named
    std::int32_t peerTimeout = 0;        // seconds the peer asks to be waited for, 0 = not said
    bool peerAnswered = false;           // a whole packet of the peer's has been read
    std::int32_t silentSeconds = 0;      // how long the peer had been silent when that ended
                                         // the transfer; 0 = silence did not end it
    bool peerHasCapas = false;           // the peer's Send-Init carried field 10 (CAPAS) or more
    std::int32_t peerLongLen = 0;        // long-packet length the peer offered, 0 = none
    std::int32_t peerSlidingWindow = 1;  // sliding window the peer offered, 1 = none
    std::int32_t longLen = 0;            // long packets in force: their length, 0 = short only
    std::int32_t slidingWindowSize = 1;  // packets in flight at once, 1 = stop-and-wait
    char statusText[128] = {};           // last status or error text
    std::int32_t seq = 0;                // this side's sequence number, 0..63
    std::uint8_t mark = 1;               // SOH starts every packet
    std::uint8_t eol = 13;               // sent after every packet; the peer's EOL
    std::int32_t maxLen = 94;            // largest LEN value this side sends
    std::int32_t padCount = 0;           // pad characters before each packet
    std::int32_t padChar = 0;            // the pad character
    std::int32_t ctlPrefixIn = '#';      // control prefix the peer uses
    std::int32_t ctlPrefixOut = '#';     // control prefix this side uses
    std::int32_t binPrefix = 0;          // 8-bit prefix in force, 0 = off
    std::int32_t repeatPrefix = 0;       // repeat prefix in force, 0 = off
    std::int32_t retryLimit = 5;         // attempts of every wait for an answer
    std::int32_t repeatOffer = '~';      // repeat prefix offered and accepted
    std::uint8_t sendBuffer[kMaxPacketData] = {};  // encoded data field of the next packet
    std::uint8_t recvBuffer[kMaxPacketData] = {};  // data field of the last packet read
    // The last packet sent, kept so that it can be sent again exactly.
    std::int32_t lastLen = 0;
    std::int32_t lastSeq = 0;
    std::int32_t lastType = 0;
    std::int32_t lastCheckType = 1;
    const std::uint8_t* lastData = nullptr;
    std::int32_t lastSends = 0;     // how often the last packet went
    std::int32_t spareAnswers = 0;  // answers still due to extra copies of the packet
                                    // acknowledged last, passed over when they come
    std::int32_t encodedLen = 0;    // output length of the last EncodeData
    bool binPrefixRefused = false;  // the peer's 8-bit prefix clashed with a control prefix
    // The sender's next F, read after the last file's Z: the transaction goes
    // on with it at the next receive call. Length of its data field, -1 when
    // there is none; its sequence number; its data field.
    std::int32_t nextHeaderLen = -1;
    std::int32_t nextHeaderSeq = 0;
    std::uint8_t nextHeader[kMaxPacketData] = {};
};

// Kermit over one serial line: packets, parameters and encoding, the sending
// side and the receiving side with its small server. The entries return an
// Outcome; the reason of a failure is left in statusText, for people. Every
// wait ends with a byte or with a cleared run flag, which is a stop.
class KermitEngine : public KermitState {
public:
    // What a byte wait or a decode returns when it does not return a byte
    // or a count. Each has a value of its own, so that a caller testing for
    // one cannot take another for it.
    enum Result : int {
        kFailed = -1,     // a byte wait ended by a stop; a field that does not fit
        kTimedOut = -2,   // a bounded byte wait that saw no byte
        kMalformed = -6,  // a data field that does not decode whole
    };

    static constexpr int kNameSize = 128;          // fileName, 127 characters at most
    static constexpr int kNameBufferSize = 1024;   // the caller's name buffer
    static constexpr int kWaitSliceMs = 20;        // longest block between run-flag checks
    static constexpr int kDefaultPeerTimeout = 5;  // seconds, for a peer that names none
    // The first wait of a send has no limit; once it has lasted this long the
    // observer hears that no answer has come yet.
    static constexpr int kNoAnswerHintMs = 10000;
    // Once the peer has answered, it may stay silent retryLimit of its
    // time-outs, and never less than this, before a send gives up.
    static constexpr int kSilenceFloorMs = 60000;

    // The engine reaches the line through `port` and the files it receives
    // and serves through `files`; both outlive it.
    KermitEngine(KermitPort& port, KermitFiles& files, std::atomic<int>& runFlag);
    ~KermitEngine();

    void SetObserver(KermitObserver* observer) { observer_ = observer; }

    // The status reports a stop: the run flag was cleared while the engine
    // waited. Any other status set since clears it.
    bool Stopped() const { return stopped_; }
    // Done, or how the last entry failed: Stopped when the status reports a
    // stop, else Failed.
    Outcome Ended(bool done) const;

    // What the last KermitReceive that succeeded did.
    enum class Transaction {
        None,          // nothing to report (a B in place of a file)
        FileReceived,  // a file came in
        FileServed,    // a file was sent in answer to R
        TextAnswered,  // a text was sent in answer to a generic D command
        LoggedOut,     // the peer logged out
    };
    Transaction lastTransaction = Transaction::None;

    // Folder that received files go into; a Save As may move it.
    std::filesystem::path receiveFolder;
    // Which file-name rules received and requested names are held to: those
    // of the files unless set.
    bool windowsNameRules;
    // The file being received, or the argument of an R or G request.
    char fileName[kNameSize] = {};
    // Block check this side proposes when it sends: 1, or 3 when chosen.
    int checkOffer = 1;
    // Long packets this side proposes when it sends: their length, 95 to
    // 4096, or 94 for none; the sliding window it proposes, 2 to 31, or 1 for none.
    // The defaults propose neither: the nine Send-Init fields of the caliper.
    int packetLengthOffer = kShortPacketLen;
    int slidingWindowOffer = 1;
    // How long the byte after a packet's check is waited for: a few
    // character times at the line's rate.
    int packetEndWaitMs = 50;

    // Packet layer.
    void ResetEngine();
    void SetStatus(std::string_view text);
    int ReadByte();
    int ReadByteWithin(int milliseconds);
    // Sends a packet and keeps it for RepeatLastPacket; false, sending
    // nothing, when data is missing.
    bool PutPacket(int len, int seq, int type, const std::uint8_t* data);
    void RepeatLastPacket();
    void WritePacket(int len, int seq, int type, const std::uint8_t* data, int check);
    // True with a whole packet read; false with the reason in statusText.
    bool GetPacket(int& len, int& seq, int& type, std::uint8_t* data);
    int EncodeData(const std::uint8_t* src, int n);
    int DecodeData(std::uint8_t* dst, int capacity, int len);
    static int DecodeField(const std::uint8_t* src, int len, std::uint8_t* dst, int capacity,
                           int repeatPrefix, int binPrefix, int ctlPrefixIn);
    void ApplyPeerParams(int n);
    int BuildAckParams();
    int BuildInitParams();
    void AgreeOnCapabilities(bool answering);

    // Sending side.
    // KermitSend returns Done, Failed or Stopped; each step of it true when
    // the peer acknowledged it.
    Outcome KermitSend(const char* name, const std::uint8_t* data, std::size_t length);
    bool SendFile(const char* name, const std::uint8_t* data, std::size_t length);
    bool SendInit();
    bool SendHeader(int type, const char* name);
    bool SendFileData(const std::uint8_t* data, std::size_t length);
    bool SendBreak();
    bool SendClosingBreak();

    // Receiving side and server.
    Received KermitReceive(char* nameBuffer, std::uint8_t* dataBuffer, int dataLength);
    Received ServeOnce(const char* nameBuffer, std::uint8_t* dataBuffer, int dataLength);
    Command WaitForCommand();
    bool AwaitNextHeader(bool keepNextFile);

private:
    enum class AckKind { Plain, Init, Data, Break };
    // How a wait for an answer, or one answer under a sliding window, ended: the
    // answer taken (the transfer goes on), failed (an E or a stop), or no
    // answer after every attempt or the whole silence limit.
    enum class Ack { Taken, Failed, NoAnswer };
    // One character or part of a packet read, the mark that restarts the
    // packet, or a failed read with the reason in statusText.
    enum class Read { Done, Restart, Failed };
    // What the header wait brought.
    enum class Header { Taken, Break, Failed };
    // The status as it stands, to be put back after a step that may change it.
    struct SavedStatus {
        std::string text;
        bool stopped = false;
    };
    int TakeByte();
    void WaitForLine(int milliseconds);
    int NextByte();
    bool HuntMark();
    Read ReadPacketChar(int& c, bool counted);
    Read ReadPacketBody(int& len, int& seq, int& type, std::uint8_t* data);
    Read ReadPacketEnd();
    Read ReadFailed(std::string_view text);
    void Stop();
    void StopPlain();
    SavedStatus SaveStatus() const;
    void RestoreStatus(const SavedStatus& saved);
    Ack AwaitAck(AckKind kind);
    bool GetAnswer(AckKind kind, int& len, int& seq, int& type);
    int AnswerWaitMs() const;
    std::int64_t SilenceLimitMs() const;
    bool SilentTooLong(std::int64_t heardAt);
    bool SpareAnswer(int type, int rseq);
    void HintIfLate();
    int AgreeOnCheck(bool answering);
    int CheckOffered() const;
    void SendError(std::string_view text);
    void PeerError(int len);
    void RepeatUnlessLast(int attempt);
    bool StaleRepeat(int rseq) const;
    void SetStatusPlain(std::string_view text);
    Received ServeFileRequest();
    Received ServeGenericCommand(const char* nameBuffer);
    Received ServeFailed(std::string_view text);
    void AnswerInit(int len);
    Received ReceiveBatchFile(std::uint8_t* buffer, int capacity);
    std::unique_ptr<IncomingFile> OpenReceivedFile();
    Header ReceiveHeader();
    Header TakeFileName(int n);
    bool TakeHeader(int& len, int& seq, int& type);
    Received ReceiveData(IncomingFile& file, std::uint8_t* buffer, int capacity);
    Received ReceiveSlidingWindowData(IncomingFile& file, std::uint8_t* buffer, int capacity);
    std::uint8_t* DecodeRoom(std::uint8_t* buffer, int& capacity);
    Ack SendSlidingWindowData(const std::uint8_t* data, std::size_t length);
    Ack Resend(SendSlidingWindow& slidingWindow, int seq, bool counted = true);
    Ack TakeSlidingWindowAnswer(SendSlidingWindow& slidingWindow, int len, int rseq, int type,
                                int& idle);
    // Under a sliding window: nothing when the transfer goes on (`moved` says
    // whether the packet moved it), else how the file ended.
    std::optional<Received> AnswerInSlidingWindow(ReceiveSlidingWindow& slidingWindow,
                                                  IncomingFile& file, int len, int rseq, int type,
                                                  std::uint8_t* buffer, int capacity,
                                                  int& bytesWritten, bool& moved);
    std::optional<Received> TakeInOrder(ReceiveSlidingWindow& slidingWindow, IncomingFile& file,
                                        std::uint8_t* buffer, int capacity, int& bytesWritten);
    // Source bytes offered to one EncodeData: more than any data field can
    // hold, however well the bytes compress.
    std::size_t DataOffer() const { return longLen > 0 ? std::size_t{1} << 17 : 8192; }
    Read ReadLongHeader(int& len, int check);
    Received WriteFailed(IncomingFile& file);
    Received NotReceived(IncomingFile& file, bool discarded);
    std::optional<Received> EndedBySenderOrStop(IncomingFile& file, int type, int len);
    std::optional<Received> WriteDecoded(IncomingFile& file, const std::uint8_t* buffer, int n,
                                         int& bytesWritten);
    bool RunFlagCleared() const { return runFlag_.load() == 0; }

    KermitPort& port_;
    std::atomic<int>& runFlag_;
    KermitFiles& files_;
    KermitObserver* observer_ = nullptr;
    bool stopped_ = false;  // see Stopped(); ResetEngine clears it with the status
    // One packet as it goes on the line: pads, the extended header, the
    // longest data field, the check and the EOL.
    std::uint8_t lineBuffer_[kMaxPacketData + 128] = {};
    // Decoded data of a long packet: a repeat group of three characters may
    // stand for 94 bytes, far more than the caller's buffer may hold.
    std::unique_ptr<std::uint8_t[]> longDecode_;
    // The packets of a sliding window, made when one is first in force.
    std::unique_ptr<SendSlidingWindow> sendSlidingWindow_;
    std::unique_ptr<ReceiveSlidingWindow> receiveSlidingWindow_;
    bool markPending_ = false;   // the last packet ended on the next one's mark
    int awaited_ = 0;            // bytes of the packet being read still due, its end included
    bool timed_ = false;         // the packet being read must arrive by deadline_
    std::int64_t deadline_ = 0;  // on the port's clock, while timed_
    bool timedOut_ = false;      // the last timed read ended at its deadline
    std::int64_t hintAt_ = 0;    // when the first wait of a send is late; 0 = not waiting

    // Input taken from the port but not read yet. One read of the port takes
    // all that has arrived, up to kInputSize bytes, and TakeByte hands it out
    // byte by byte, so a packet costs one read instead of one per byte. It
    // outlives ResetEngine: bytes that arrived belong to the line, not to a
    // transaction.
    static constexpr int kInputSize = 512;
    std::uint8_t input_[kInputSize] = {};
    int inputNext_ = 0;  // index of the next byte to hand out
    int inputEnd_ = 0;   // one past the last byte taken from the port
    // input_ came with the read right after a wait, which emptied the port:
    // once it is handed out, ReadByte waits again without asking first.
    bool inputAfterWait_ = false;
    // input_[0, staleEnd_) had arrived when this side last wrote a packet:
    // whatever the peer sent there, it sent before it could see that packet.
    int staleEnd_ = 0;
    // Reads of the port so far: with inputNext_, where an answer stood in
    // the input, so that it can be told whether it came after a packet went.
    std::uint64_t inputReads_ = 0;
};

inline constexpr int tochar(int x) {
    return x + 32;
}
inline constexpr int unchar(int x) {
    return x - 32;
}
inline constexpr int ctl(int x) {
    return x ^ 64;
}

}  // namespace kermit
