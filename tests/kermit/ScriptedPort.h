#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "kermit/KermitPort.h"
#include "kermit/PacketLink.h"

namespace kermit_test {

// One Kermit packet as the peer sees it.
struct Packet {
    int seq = 0;
    char type = 0;
    std::string data;
};

// Builds the bytes of a packet with a block check of `check` (1, 2 or 3), as a
// peer would.
std::string MakePacket(int seq, char type, const std::string& data, char eol = '\r', int check = 1);

// A serial line with a scripted peer on the other end. Every packet the engine
// writes is parsed and handed to `onPacket`, which answers by feeding bytes.
// When the engine waits and nothing is left to read, the line counts as dead
// and the run flag is cleared, so a test that would hang ends with QUIT;
// with `silenceIsTime` such a wait lets the line's clock run instead, and
// only ten minutes of silence count as dead.
class ScriptedPort : public kermit::KermitPort {
public:
    explicit ScriptedPort(std::atomic<int>& runFlag) : runFlag_(runFlag) {}

    std::function<void(const Packet&)> onPacket;
    // A peer's own timer: called when the engine waits on an empty line;
    // true when it fed something, so that the line is not dead yet.
    std::function<bool()> onIdle;
    std::vector<Packet> sent;      // every packet the engine wrote, in order
    std::string wire;              // every byte the engine wrote
    std::size_t longestWrite = 0;  // the most bytes of one write
    std::size_t mostPads = 0;      // the most bytes before a packet's mark in one write
    int idleWaits = 0;             // waits that found nothing to read
    int checkType = 1;             // block check of packets other than S and I, both ways
    bool silenceIsTime = false;
    std::int64_t clockMs = 0;  // the line's clock, moved only by silent waits

    void Feed(const std::string& bytes) { input_.insert(input_.end(), bytes.begin(), bytes.end()); }
    void FeedPacket(int seq, char type, const std::string& data = "") {
        Feed(MakePacket(seq, type, data, '\r', CheckOf(type)));
    }
    int CheckOf(char type) const { return type == 'S' || type == 'I' ? 1 : checkType; }
    std::string TypesSent() const;

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override;
    void PumpMessages() override {}
    std::int64_t NowMs() override { return clockMs; }

private:
    void ParseWritten(const std::string& bytes);

    std::atomic<int>& runFlag_;
    std::deque<std::uint8_t> input_;
};

// A run flag and a scripted line on it, as every rig of these tests holds.
struct ScriptedLine {
    std::atomic<int> run{1};
    ScriptedPort port{run};
};

// The packet layer alone over a scripted line.
struct ScriptedLink : ScriptedLine {
    kermit::PacketLink link{port, run};
};

}  // namespace kermit_test
