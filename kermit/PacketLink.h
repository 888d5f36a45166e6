#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "kermit/Characters.h"
#include "kermit/KermitObserver.h"
#include "kermit/KermitPort.h"
#include "kermit/Offer.h"
#include "kermit/Outcome.h"

namespace kermit {

// The packet types, each by the letter it has on the line. A packet's type
// travels as an int (PutPacket, GetPacket), as these compare and convert.
namespace packet {
enum Type : int {
    SendInit = 'S',    // opens a transfer with the sender's parameters
    Init = 'I',        // the parameters alone, before a request
    FileHeader = 'F',  // a file's name
    Text = 'X',        // a text to show follows in place of a file
    Attributes = 'A',  // a file's type, date and length
    Data = 'D',
    Eof = 'Z',    // the file's end; a D in its data field discards the file
    Break = 'B',  // the transfer's end
    Ack = 'Y',
    Nak = 'N',
    Error = 'E',
    Request = 'R',  // the peer asks for a file
    Generic = 'G',  // a generic server command
};
}  // namespace packet

// The parameters the link reads and sends packets with: the defaults until a
// Send-Init exchange puts others in force.
struct Agreed {
    std::int32_t checkType = 1;          // block check of the packets read and sent now: 1, 2 or 3
    std::int32_t longLen = 0;            // long packets in force: their length, 0 = short only
    std::int32_t slidingWindowSize = 1;  // packets in flight at once, 1 = stop-and-wait
    std::int32_t maxLen = 94;            // largest LEN value this side sends
    std::uint8_t mark = 1;               // SOH starts every packet
    std::uint8_t eol = 13;               // sent after every packet; the peer's EOL
    std::int32_t padCount = 0;           // pad characters before each packet
    std::int32_t padChar = 0;            // the pad character
    std::int32_t ctlPrefixIn = '#';      // control prefix the peer uses
    std::int32_t ctlPrefixOut = '#';     // control prefix this side uses
    std::int32_t binPrefix = 0;          // 8-bit prefix in force, 0 = off
    std::int32_t repeatPrefix = 0;       // repeat prefix in force, 0 = off
    bool attributes = false;             // attribute packets in force: both sides said so
};

// One Kermit link over a serial line: framing, block checks, the coding of
// data fields, the Send-Init parameters of both sides and the status text.
// The sending and the receiving side speak through it; so does anything
// that plays one side by hand. Every wait ends with a byte or with a cleared
// run flag, which is a stop.
class PacketLink {
public:
    // What a byte wait or a decode returns when it does not return a byte
    // or a count. Each has a value of its own, so that a caller testing for
    // one cannot take another for it.
    enum Result : int {
        kFailed = -1,     // a byte wait ended by a stop; a field that does not fit
        kTimedOut = -2,   // a bounded byte wait that saw no byte
        kMalformed = -6,  // a data field that does not decode whole
    };
    static constexpr int kWaitSliceMs = 20;  // longest block between run-flag checks
    // Pads a peer may ask for before each packet: NPAD is one character,
    // 94 at most; a larger count is cut to that.
    static constexpr int kMaxPads = 94;
    // One packet as it goes on the line: the most pads, the mark, the
    // extended header, the longest data field, the longest check and the EOL.
    static constexpr int kLineBufferSize = kMaxPads + 1 + 6 + kMaxPacketData + 3 + 1;

    // Where the input stood when a packet went: whatever was read up to
    // there arrived before the peer could have seen that packet.
    struct InputPoint {
        std::uint64_t read = 0;  // reads of the port so far
        int end = 0;             // one past the last byte of that read
    };
    // The status as it stands, to be put back after a step that may change it.
    struct SavedStatus {
        std::string text;
        bool stopped = false;
    };

    // The link reads and writes through `port`, which outlives it.
    PacketLink(KermitPort& port, std::atomic<int>& runFlag, const Offer& offer = {});

    PacketLink(const PacketLink&) = delete;
    PacketLink& operator=(const PacketLink&) = delete;

    // The parameters and the status back to their defaults, at the start of
    // every transaction. Input that arrived stays: it belongs to the line.
    void Reset();
    void SetOffer(const Offer& offer) { offer_ = offer; }
    const Offer& Offered() const { return offer_; }
    // How long the byte after a packet's check is waited for: a few
    // character times at the line's rate.
    void SetPacketEndWait(int milliseconds) { packetEndWaitMs_ = milliseconds; }
    // Told once when the first wait of a send has lasted long; see ArmNoAnswerHint.
    void SetObserver(KermitObserver* observer) { observer_ = observer; }

    const Agreed& InForce() const { return state_.agreed; }
    // For a side played by hand, and for tests: the parameters as given.
    void SetInForce(const Agreed& agreed) { state_.agreed = agreed; }
    // The block check of the packets that follow (not of S, I and their answers).
    void UseCheck(int type) { state_.agreed.checkType = type; }
    int PeerCheck() const { return state_.peerCheck; }
    int PeerTimeout() const { return state_.peerTimeout; }
    // A whole packet of the peer's has been read since the last Reset.
    bool PeerAnswered() const { return state_.peerAnswered; }

    // Status, for people: right-aligned in thirteen, or plain.
    const char* StatusText() const { return state_.statusText; }
    void SetStatus(std::string_view text);
    void SetStatusPlain(std::string_view text);
    // The status reports a stop: the run flag was cleared while the link
    // waited. Any other status set since clears it.
    bool Stopped() const { return stopped_; }
    // A stop shows as QUIT, right-aligned as every status, or plain.
    void Stop();
    void StopPlain();
    SavedStatus SaveStatus() const;
    void RestoreStatus(const SavedStatus& saved);
    // Done, or how the last entry failed: Stopped when the status reports a
    // stop, else Failed.
    Outcome Ended(bool done) const;
    bool RunFlagCleared() const { return runFlag_.load() == 0; }
    std::int64_t NowMs() const { return port_.NowMs(); }

    // Bytes.
    int ReadByte();
    int ReadByteWithin(int milliseconds);

    // Framing. PutPacket sends a packet and keeps it for RepeatLastPacket;
    // false, sending nothing, when data is missing.
    bool PutPacket(int len, int seq, int type, const std::uint8_t* data);
    void RepeatLastPacket();
    void WritePacket(int len, int seq, int type, const std::uint8_t* data, int check);
    int LastCheckType() const { return state_.lastCheckType; }
    // How often the last packet went.
    int LastSends() const { return state_.lastSends; }
    // True with a whole packet read into ReceivedField(); false with the
    // reason in the status. GetPacketWithin fails as "TIMEOUT" when the
    // packet has not come whole within `milliseconds`; TimedOut() tells so.
    bool GetPacket(int& len, int& seq, int& type);
    bool GetPacketWithin(int milliseconds, int& len, int& seq, int& type);
    // As GetPacketWithin, but the time runs anew with every byte that comes:
    // it fails as "TIMEOUT" only once the line has said nothing for
    // `milliseconds`, however long a slow packet takes.
    bool GetPacketWhileHeard(int milliseconds, int& len, int& seq, int& type);
    bool TimedOut() const { return timedOut_; }
    // The data field of the last packet read.
    const std::uint8_t* ReceivedField() const { return state_.recvBuffer; }
    // Puts a field kept from before in place of it, as if just read.
    void SetReceivedField(const std::uint8_t* field, int len);
    InputPoint Sent() const { return {inputReads_, inputEnd_}; }
    // The byte read last had arrived before the packet sent at `point` went.
    bool ReadBefore(InputPoint point) const {
        return inputReads_ == point.read && inputNext_ <= point.end;
    }
    // The byte read last had arrived before this side last wrote a packet.
    bool ReadBeforeLastWrite() const { return inputNext_ <= staleEnd_; }

    // Coding: EncodeData fills SendBuffer() with as much of src as one data
    // field holds (EncodedLen() long) and returns how much it took.
    int EncodeData(const std::uint8_t* src, int n);
    const std::uint8_t* SendBuffer() const { return state_.sendBuffer; }
    int EncodedLen() const { return state_.encodedLen; }
    int DecodeData(std::uint8_t* dst, int capacity, int len);
    // Data fields leave the control characters outside the cautious set
    // unprefixed: chosen in the offer, or, left automatic, once long packets
    // or a sliding window are in force.
    bool PrefixesCautiously() const;
    // DecodeData of any field, with the prefixes in force or with the given ones.
    int DecodeFrom(const std::uint8_t* src, int len, std::uint8_t* dst, int capacity) const {
        const Agreed& a = state_.agreed;
        return DecodeField(src, len, dst, capacity, a.repeatPrefix, a.binPrefix, a.ctlPrefixIn);
    }
    static int DecodeField(const std::uint8_t* src, int len, std::uint8_t* dst, int capacity,
                           int repeatPrefix, int binPrefix, int ctlPrefixIn);
    // Puts text in SendBuffer() as it stands, cut to `limit`; returns its length.
    int PutText(std::string_view text, int limit);

    // Send-Init parameters, built in SendBuffer() and read from ReceivedField().
    void ApplyPeerParams(int n);
    int BuildAckParams();
    int BuildInitParams();
    void AgreeOnCapabilities(bool answering);
    int AgreeOnCheck(bool answering);

    // While a send's first wait runs: once it has lasted `milliseconds`
    // without an answer, the observer hears of it, once.
    void ArmNoAnswerHint(int milliseconds);
    void DisarmNoAnswerHint() { hintAt_ = 0; }

private:
    enum class Read { Done, Restart, Failed };
    // What the coding table of EncodeData depends on; built = false until
    // it is first built.
    struct CodingKey {
        bool built = false;
        bool cautious = false;
        // padChar: -1 when no pads are sent
        int mark = 0, eol = 0, padChar = 0, binPrefix = 0, ctlPrefixOut = 0, repeatPrefix = 0;
        bool operator==(const CodingKey&) const = default;
    };
    // What Reset puts back at the start of every transaction.
    struct State {
        Agreed agreed;                 // see Agreed
        std::int32_t checkSum = 0;     // running sum of the packet being read
        std::uint16_t checkCrc = 0;    // running CRC-16 of the packet being read
        std::int32_t peerCheck = 1;    // block check the peer's Send-Init or its answer named
        std::int32_t peerTimeout = 0;  // seconds the peer asks to be waited for, 0 = not said
        bool peerAnswered = false;     // a whole packet of the peer's has been read
        bool peerHasCapas = false;     // the peer's Send-Init carried field 10 (CAPAS) or more
        std::int32_t peerLongLen = 0;  // long-packet length the peer offered, 0 = none
        std::int32_t peerSlidingWindow = 1;  // sliding window the peer offered, 1 = none
        bool peerAttributes = false;         // the peer's CAPAS named attribute packets
        bool binPrefixRefused = false;  // the peer's 8-bit prefix clashed with a control prefix
        char statusText[128] = {};      // last status or error text
        std::uint8_t sendBuffer[kMaxPacketData] = {};  // encoded data field of the next packet
        std::uint8_t recvBuffer[kMaxPacketData] = {};  // data field of the last packet read
        std::int32_t encodedLen = 0;                   // output length of the last EncodeData
        // How EncodeData codes each byte (see BuildCodingTable), and the
        // parameters the table was built for.
        std::uint8_t coding[256] = {};
        CodingKey codingKey;
        // The last packet sent, kept so that it can be sent again exactly.
        std::int32_t lastLen = 0;
        std::int32_t lastSeq = 0;
        std::int32_t lastType = 0;
        std::int32_t lastCheckType = 1;
        const std::uint8_t* lastData = nullptr;
        std::int32_t lastSends = 0;  // how often it went
    };

    int TakeByte();
    void WaitForLine(int milliseconds);
    int NextByte();
    bool HuntMark();
    Read ReadPacketChar(int& c, bool counted);
    Read ReadPacketBody(int& len, int& seq, int& type, std::uint8_t* data);
    Read ReadLongHeader(int& len, int check);
    Read ReadPacketEnd();
    Read ReadFailed(std::string_view text);
    int CheckOffered() const;
    void BuildCodingTable();
    void HintIfLate();

    KermitPort& port_;
    std::atomic<int>& runFlag_;
    Offer offer_;                         // what this side offers in its Send-Init
    KermitObserver* observer_ = nullptr;  // hears that no answer has come yet
    State state_;
    bool stopped_ = false;      // see Stopped(); Reset clears it with the status
    int packetEndWaitMs_ = 50;  // see SetPacketEndWait
    std::uint8_t lineBuffer_[kLineBufferSize] = {};  // see kLineBufferSize
    bool markPending_ = false;                       // the last packet ended on the next one's mark
    int awaited_ = 0;            // bytes of the packet being read still due, its end included
    bool timed_ = false;         // the packet being read must arrive by deadline_
    std::int64_t deadline_ = 0;  // on the port's clock, while timed_
    int quietMs_ = 0;            // > 0: each byte moves deadline_ this far on
    bool timedOut_ = false;      // the last timed read ended at its deadline
    std::int64_t hintAt_ = 0;    // when the first wait of a send is late; 0 = not waiting

    // Input taken from the port but not read yet. One read of the port takes
    // all that has arrived, up to kInputSize bytes, and TakeByte hands it out
    // byte by byte, so a packet costs one read instead of one per byte. It
    // outlives Reset: bytes that arrived belong to the line, not to a
    // transaction.
    static constexpr int kInputSize = 512;
    std::uint8_t input_[kInputSize] = {};
    int inputNext_ = 0;  // index of the next byte to hand out
    int inputEnd_ = 0;   // one past the last byte taken from the port
    // The port was last read right after a wait, and that read emptied it:
    // once input_ is handed out, a read waits again without asking first.
    bool inputAfterWait_ = false;
    // input_[0, staleEnd_) had arrived when this side last wrote a packet:
    // whatever the peer sent there, it sent before it could see that packet.
    int staleEnd_ = 0;
    // Reads of the port so far: with inputNext_, where an answer stood in
    // the input, so that it can be told whether it came after a packet went.
    std::uint64_t inputReads_ = 0;
};

}  // namespace kermit
