#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "kermit/Offer.h"

namespace soak {

enum class Fault { Flip, Drop };
enum class Direction { CorvixSends, CKermitSends };

// What became of one transfer.
enum class Outcome {
    Exact,   // the receiving side reported the file and it is byte-exact
    Failed,  // a side reported the transfer as failed, and no side passed off a damaged file
    Wrong,   // the receiving side reported a file that is not the one sent
    Hung,    // Corvix still waited after C-Kermit had gone; the stop ended it
    // C-Kermit gave up mid-transaction (its exit status says failed) and left
    // without a word; Corvix waited for its answer as it waits for a silent
    // caliper, until the stop ended it as a user's Cancel would. Not a hang:
    // the file was never confirmed, and no wait that must end by itself (the
    // closing B, the B after a failure) was the one waiting.
    PeerQuit,
};
constexpr int kOutcomes = 5;

const char* FaultName(Fault fault);
const char* DirectionName(Direction direction);
const char* OutcomeName(Outcome outcome);

struct RunSpec {
    Fault fault = Fault::Flip;
    int oneIn = 1000;  // one faulty byte in this many, both directions
    Direction direction = Direction::CorvixSends;
    std::uint64_t seed = 1;  // picks the file and the faults
    int check = 1;           // block check both sides propose: 1, or 3 (the CRC)
    int packetLength = 94;   // long packets both sides offer; 94: none
    int slidingWindow = 1;   // sliding window both sides offer; 1: none
    kermit::Prefixing prefixing = kermit::Prefixing::Automatic;  // Corvix's choice
    int minSize = 8 * 1024;
    int maxSize = 32 * 1024;
    int limitSeconds = 300;     // C-Kermit is killed after this long
    int peerAfterSeconds = 30;  // or this long after Corvix returned
    // Corvix still waiting this long after C-Kermit ended: hung. Corvix's
    // closing B may wait five times C-Kermit's 1-second time-out for an
    // acknowledgement that was lost.
    int graceSeconds = 10;
};

struct RunResult {
    Outcome outcome = Outcome::Failed;
    int corvixResult = -1;           // 0 for a send done, the bytes of a file received, -1 else
    std::string corvixStatus;        // the engine's status text
    int peerExit = -1;               // C-Kermit's exit status; -1 when it was killed
    std::size_t size = 0;            // bytes sent
    std::size_t arrived = 0;         // bytes in the file at the receiving end
    double seconds = 0;              // Corvix's call, start to return
    double stopSeconds = -1;         // from the stop to the call's return; -1 without a stop
    int waitingAfter = 0;            // TYPE of the last packet Corvix had sent when stopped
    std::uint64_t faults = 0;        // bytes flipped or dropped, both directions
    int checkInForce = 1;            // the block check Corvix used after the Send-Init exchange
    int longInForce = 0;             // long-packet length Corvix used, 0 for none
    int slidingWindowInForce = 1;    // window Corvix used
    bool cautiousInForce = false;    // Corvix sent the cautious set prefixed, the rest raw
    bool attributesInForce = false;  // both sides took attribute packets
};

// One transfer of a new file over a new faulty linesim line between Corvix's
// engine and C-Kermit, in `workDir` (emptied first). The folder is left with
// the file sent (sent.dat), what arrived (rx/ for Corvix, peer/ for
// C-Kermit), C-Kermit's script, output and packet log (peer.ksc, peer.log,
// peer-packets.log), and the line as Corvix saw it (line.txt).
RunResult RunOne(const RunSpec& spec, const std::filesystem::path& workDir);

}  // namespace soak
