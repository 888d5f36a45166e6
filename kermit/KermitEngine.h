#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

#include "kermit/KermitFiles.h"
#include "kermit/KermitObserver.h"
#include "kermit/KermitPort.h"
#include "kermit/Proposal.h"

namespace kermit {

class SendWindow;
class ReceiveWindow;

// The protocol state of one transaction; ResetEngine puts all of it back to
// these values at the start of every transaction.
struct KermitState {
    std::int32_t checkSum = 0;        // running sum of the packet being read
    std::uint16_t checkCrc = 0;       // running CRC-16 of the packet being read
    std::int32_t checkType = 1;       // block check of the packets read and sent now: 1, 2 or 3
    std::int32_t peerCheck = 1;       // block check the peer's Send-Init or its answer named
    std::int32_t peerTimeout = 0;     // seconds the peer asks to be waited for, 0 = not said
    bool peerAnswered = false;        // a whole packet of the peer's has been read
    std::int32_t silentSeconds = 0;   // how long the peer had been silent when that ended
                                      // the transfer; 0 = silence did not end it
    bool peerHasCapas = false;        // the peer's Send-Init carried field 10 (CAPAS) or more
    std::int32_t peerLongLen = 0;     // long-packet length the peer offered, 0 = none
    std::int32_t peerWindow = 1;      // window the peer offered, 1 = none
    std::int32_t longLen = 0;         // long packets in force: their length, 0 = short only
    std::int32_t windowSize = 1;      // packets in flight at once, 1 = stop-and-wait
    char statusText[128] = {};        // last status or error text
    std::int32_t seq = 0;             // this side's sequence number, 0..63
    std::uint8_t mark = 1;            // SOH starts every packet
    std::uint8_t eol = 13;            // sent after every packet; the peer's EOL
    std::int32_t maxLen = 94;         // largest LEN value this side sends
    std::int32_t padCount = 0;        // pad characters before each packet
    std::int32_t padChar = 0;         // the pad character
    std::int32_t ctlPrefixIn = '#';   // control prefix the peer uses
    std::int32_t ctlPrefixOut = '#';  // control prefix this side uses
    std::int32_t binPrefix = 0;       // 8-bit prefix in force, 0 = off
    std::int32_t repeatPrefix = 0;    // repeat prefix in force, 0 = off
    std::int32_t retryLimit = 5;      // attempts of every wait for an answer
    std::int32_t repeatOffer = '~';   // repeat prefix offered and accepted
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
// side and the receiving side with its small server. Results are 0 for
// success and a Result below zero otherwise (entries return a byte count),
// the reason left in statusText. Every wait ends with a byte or with a
// cleared run flag.
class KermitEngine : public KermitState {
public:
    // What a call returns when it does not return a byte, a count or 0. Each
    // has a value of its own, so that a caller testing for one cannot take
    // another for it.
    enum Result : int {
        kFailed = -1,          // the call failed; statusText says why
        kTimedOut = -2,        // a bounded byte wait that saw no byte
        kRequestRefused = -3,  // KermitReceive: a request answered with E
        kFileDiscarded = -4,   // KermitReceive: the sender discarded the file
        kNoAnswer = -5,        // every attempt of a wait for an answer failed
        kMalformed = -6,       // a data field that does not decode whole
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
    // 4096, or 94 for none; the window it proposes, 2 to 31, or 1 for none.
    // The defaults propose neither: the nine Send-Init fields of the caliper.
    int packetLengthOffer = kShortPacketLen;
    int windowOffer = 1;
    // How long the byte after a packet's check is waited for: a few
    // character times at the line's rate.
    int packetEndWaitMs = 50;

    // Packet layer.
    void ResetEngine();
    int SetStatus(std::string_view text);
    int ReadByte();
    int ReadByteWithin(int milliseconds);
    int PutPacket(int len, int seq, int type, const std::uint8_t* data);
    int RepeatLastPacket();
    void WritePacket(int len, int seq, int type, const std::uint8_t* data, int check);
    int GetPacket(int& len, int& seq, int& type, std::uint8_t* data);
    int EncodeData(const std::uint8_t* src, int n);
    int DecodeData(std::uint8_t* dst, int capacity, int len);
    static int DecodeField(const std::uint8_t* src, int len, std::uint8_t* dst, int capacity,
                           int repeatPrefix, int binPrefix, int ctlPrefixIn);
    void ApplyPeerParams(int n);
    int BuildAckParams();
    int BuildInitParams();
    void AgreeOnCapabilities(bool answering);

    // Sending side.
    int KermitSend(const char* name, const std::uint8_t* data, std::size_t length);
    int SendFile(const char* name, const std::uint8_t* data, std::size_t length);
    int SendInit();
    int SendHeader(int type, const char* name);
    int SendFileData(const std::uint8_t* data, std::size_t length);
    int SendWindowedData(const std::uint8_t* data, std::size_t length);
    int SendBreak();
    int SendClosingBreak();

    // Receiving side and server.
    int KermitReceive(char* nameBuffer, std::uint8_t* dataBuffer, int dataLength);
    int ServeOnce(const char* nameBuffer, std::uint8_t* dataBuffer, int dataLength);
    int WaitForCommand();
    int AwaitNextHeader(bool keepNextFile);

private:
    enum class AckKind { Plain, Init, Data, Break };
    static constexpr int kRead = 0;
    static constexpr int kRestart = 1;
    int TakeByte();
    void WaitForLine(int milliseconds);
    int NextByte();
    int HuntMark();
    int ReadPacketChar(int& c, bool counted);
    int ReadPacketBody(int& len, int& seq, int& type, std::uint8_t* data);
    int ReadPacketEnd();
    int AwaitAck(AckKind kind);
    int GetAnswer(AckKind kind, int& len, int& seq, int& type);
    int AnswerWaitMs() const;
    std::int64_t SilenceLimitMs() const;
    bool SilentTooLong(std::int64_t heardAt);
    bool SpareAnswer(int type, int rseq);
    void HintIfLate();
    int AgreeOnCheck(bool answering);
    int CheckOffered() const;
    int SendError(std::string_view text);
    int PeerError(int len);
    void RepeatUnlessLast(int attempt);
    bool StaleRepeat(int rseq) const;
    void SetStatusPlain(std::string_view text);
    int ServeFileRequest();
    int ServeGenericCommand(const char* nameBuffer);
    int ReceiveBatchFile(std::uint8_t* buffer, int capacity);
    std::unique_ptr<IncomingFile> OpenReceivedFile();
    int ReceiveHeader();
    int TakeHeader(int& len, int& seq, int& type);
    int ReceiveData(IncomingFile& file, std::uint8_t* buffer, int capacity);
    int ReceiveWindowedData(IncomingFile& file, std::uint8_t* buffer, int capacity);
    int WriteDecoded(IncomingFile& file, const std::uint8_t* field, int len, std::uint8_t* buffer,
                     int capacity, int& bytesWritten);
    std::uint8_t* DecodeRoom(std::uint8_t* buffer, int& capacity);
    int Resend(SendWindow& window, int seq, bool counted = true);
    int TakeWindowAnswer(SendWindow& window, int len, int rseq, int type, int& idle);
    int AnswerWindowed(ReceiveWindow& window, IncomingFile& file, int len, int rseq, int type,
                       std::uint8_t* buffer, int capacity, int& bytesWritten);
    int TakeInOrder(ReceiveWindow& window, IncomingFile& file, std::uint8_t* buffer, int capacity,
                    int& bytesWritten);
    // Source bytes offered to one EncodeData: more than any data field can
    // hold, however well the bytes compress.
    std::size_t DataOffer() const { return longLen > 0 ? std::size_t{1} << 17 : 8192; }
    int ReadLongHeader(int& len, int check);
    int WriteFailed(IncomingFile& file);
    int NotReceived(IncomingFile& file, bool discarded);
    int EndedBySenderOrStop(IncomingFile& file, int type, int len);
    int WriteDecoded(IncomingFile& file, const std::uint8_t* buffer, int n, int& bytesWritten);
    bool RunFlagCleared() const { return runFlag_.load() == 0; }

    KermitPort& port_;
    std::atomic<int>& runFlag_;
    KermitFiles& files_;
    KermitObserver* observer_ = nullptr;
    // One packet as it goes on the line: pads, the extended header, the
    // longest data field, the check and the EOL.
    std::uint8_t lineBuffer_[kMaxPacketData + 128] = {};
    // Decoded data of a long packet: a repeat group of three characters may
    // stand for 94 bytes, far more than the caller's buffer may hold.
    std::unique_ptr<std::uint8_t[]> longDecode_;
    // The packets of a window, made when a window is first in force.
    std::unique_ptr<SendWindow> sendWindow_;
    std::unique_ptr<ReceiveWindow> receiveWindow_;
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
