#include "worker/AutoResetEvent.h"

#include <chrono>

bool AutoResetEvent::Set() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        signalled_ = true;
    }
    changed_.notify_one();
    return true;
}

void AutoResetEvent::Reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    signalled_ = false;
}

bool AutoResetEvent::Wait(int milliseconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!changed_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                           [this] { return signalled_; }))
        return false;
    signalled_ = false;
    return true;
}
