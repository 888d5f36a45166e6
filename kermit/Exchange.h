#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>

#include "kermit/KermitFiles.h"
#include "kermit/KermitObserver.h"
#include "kermit/KermitPort.h"
#include "kermit/Offer.h"
#include "kermit/PacketLink.h"

namespace kermit {

inline constexpr int kNameSize = 128;          // the file name, 127 characters at most
inline constexpr int kNameBufferSize = 1024;   // the caller's name buffer
inline constexpr int kDefaultPeerTimeout = 5;  // seconds, for a peer that names none
// The first wait of a send has no limit; once it has lasted this long the
// observer hears that no answer has come yet.
inline constexpr int kNoAnswerHintMs = 10000;
// Once the peer has answered, it may stay silent retryLimit of its
// time-outs, and never less than this, before a send gives up.
inline constexpr int kSilenceFloorMs = 60000;
// ... and never more than this, whatever time-out the peer asks for.
inline constexpr int kSilenceCapMs = 150000;
// Texts of the E packet that tells the peer why this side ends a
// transfer, in the words Kermit programs use and show.
inline constexpr std::string_view kUserCancelled = "User cancelled";
inline constexpr std::string_view kRefusedByUser = "Refused by user";
inline constexpr std::string_view kCannotCreateFile = "Can't create file";
inline constexpr std::string_view kTimedOut = "Timed out";

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

// What the sender and the receiver share: the packet link, the files and
// the observer they were handed, and the state of the transaction under way,
// with what both sides do alike: end a transfer with an E, hear the peer's
// E, count the peer's silence.
class Exchange {
public:
    // The protocol state of one transaction; Reset puts all of it back to
    // these values at the start of every transaction.
    struct State {
        std::int32_t seq = 0;  // this side's sequence number, 0..63
        std::int32_t silentSeconds =
            0;  // how long the peer's silence lasted when it ended the transfer
        std::int32_t retryLimit = 5;    // attempts of every wait for an answer
        std::int32_t spareAnswers = 0;  // answers still due to extra copies of the packet
                                        // acknowledged last, passed over when they come
        // The sender's next F, read after the last file's Z: the transaction goes
        // on with it at the next receive call. Length of its data field, -1 when
        // there is none; its sequence number; its data field.
        std::int32_t nextHeaderLen = -1;
        std::int32_t nextHeaderSeq = 0;
        std::uint8_t nextHeader[kMaxPacketData] = {};
        std::int32_t answerLen = 0;        // data length of the answer AwaitAck took last
        bool underWay = false;             // a transfer whose peer has not been told of its end
        bool sending = false;              // this side sends the transfer under way
        Failure failure = Failure::None;   // the first cause of a failure stands
        Failure seen = Failure::NoAnswer;  // what the wait under way saw last that it could not use
        std::int64_t heardAt = 0;          // when the sender of a receive was last heard
        bool sourceFailed = false;         // the file sent could not be read whole
    };

    Exchange(KermitPort& port, KermitFiles& files, std::atomic<int>& runFlag, const Offer& offer);

    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    PacketLink link;
    KermitFiles& files;
    KermitObserver* observer = nullptr;
    State state;
    std::int64_t silenceLimitMs = 0;  // the whole silence limit when set; 0 = the rule

    // The link and the state back to the start of a transaction.
    void Reset();
    void Fail(Failure why) {
        if (state.failure == Failure::None) state.failure = why;
    }
    void SawUnusable(int rseq, int type, int expected);
    void SendError(std::string_view text);
    void PeerError(int len);
    void TellPeerEnded(std::string_view reason);
    int AnswerWaitMs() const;
    std::int64_t SilenceLimitMs() const;
    bool SilentTooLong(std::int64_t heardAt);
};

}  // namespace kermit
