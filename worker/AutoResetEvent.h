#pragma once

#include <condition_variable>
#include <mutex>

// An event that stays signalled until one wait takes it (or Reset clears it).
class AutoResetEvent {
public:
    explicit AutoResetEvent(bool signalled) : signalled_(signalled) {}

    // Always true: signalling cannot fail.
    bool Set();
    void Reset();
    // True when the event was signalled within `milliseconds`; it is then reset.
    bool Wait(int milliseconds);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_;
};
