#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "kermit/KermitPort.h"

namespace kermit_test {

// One Kermit packet as the peer sees it.
struct Packet {
    int seq = 0;
    char type = 0;
    std::string data;
};

// Builds the bytes of a packet with a type-1 block check, as a peer would.
std::string MakePacket(int seq, char type, const std::string& data, char eol = '\r');

// A serial line with a scripted peer on the other end. Every packet the engine
// writes is parsed and handed to `onPacket`, which answers by feeding bytes.
// When the engine waits and nothing is left to read, the line counts as dead
// and the run flag is cleared, so a test that would hang ends with QUIT.
class ScriptedPort : public kermit::KermitPort {
public:
    explicit ScriptedPort(std::atomic<int>& runFlag) : runFlag_(runFlag) {}

    std::function<void(const Packet&)> onPacket;
    std::vector<Packet> sent;  // every packet the engine wrote, in order
    std::string wire;          // every byte the engine wrote
    int idleWaits = 0;         // waits that found nothing to read

    void Feed(const std::string& bytes) { input_.insert(input_.end(), bytes.begin(), bytes.end()); }
    void FeedPacket(int seq, char type, const std::string& data = "") {
        Feed(MakePacket(seq, type, data));
    }
    std::string TypesSent() const;

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override;
    void PumpMessages() override {}

private:
    void ParseWritten(const std::string& bytes);

    std::atomic<int>& runFlag_;
    std::deque<std::uint8_t> input_;
};

}  // namespace kermit_test
