#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <deque>
#include <vector>

#include "kermit/KermitPort.h"

namespace test_support {

// The far end of a line, in this process: what it answers waits in a queue
// that the engine reads, and its clock moves only while the engine waits, at
// least a millisecond a wait. A wait with nothing left to read means the peer
// has no more to say: it clears the run flag, as a user's stop would, so
// that the run ends instead of waiting for ever. A peer derives from it and
// answers each packet the engine writes with Queue.
class QueuedPeer : public kermit::KermitPort {
public:
    explicit QueuedPeer(std::atomic<int>& run) : run_(run) {}

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override {
        int n = 0;
        for (; n < maxLength && !input_.empty(); ++n) {
            buffer[n] = input_.front();
            input_.pop_front();
        }
        return n;
    }
    void WaitForInput(int milliseconds) override {
        now_ += std::max(milliseconds, 1);
        if (input_.empty()) run_ = 0;
    }
    void PumpMessages() override {}
    std::int64_t NowMs() override { return now_; }

protected:
    // Bytes for the engine to read after those queued before.
    void Queue(const std::vector<std::uint8_t>& bytes) {
        input_.insert(input_.end(), bytes.begin(), bytes.end());
    }

private:
    std::atomic<int>& run_;
    std::deque<std::uint8_t> input_;
    std::int64_t now_ = 0;
};

}  // namespace test_support
