#include "kermit/SendSlidingWindow.h"

#include <algorithm>
#include <cstring>

namespace kermit {

void SendSlidingWindow::Start(int size, int nextSeq) {
    size_ = std::clamp(size, 1, kMaxSlidingWindow);
    first_ = 0;
    count_ = 0;
    baseSeq_ = nextSeq & 63;
}

SendSlidingWindow::Packet& SendSlidingWindow::Add(const std::uint8_t* data, int len) {
    Packet& p = packets_[(first_ + count_) % kMaxSlidingWindow];
    p.seq = NextSeq();
    p.len = std::clamp(len, 0, kMaxPacketData);
    p.retries = 0;
    p.acked = false;
    if (p.len > 0) std::memcpy(p.data, data, p.len);
    ++count_;
    return p;
}

// Sequence numbers are taken modulo 64; a window of at most 31 keeps the
// packets in flight apart from those of the window before.
SendSlidingWindow::Packet* SendSlidingWindow::Find(int seq) {
    const int offset = (seq - baseSeq_) & 63;
    if (offset >= count_) return nullptr;
    return &packets_[(first_ + offset) % kMaxSlidingWindow];
}

void SendSlidingWindow::Slide() {
    while (count_ > 0 && packets_[first_].acked) {
        first_ = (first_ + 1) % kMaxSlidingWindow;
        --count_;
        baseSeq_ = (baseSeq_ + 1) & 63;
    }
}

}  // namespace kermit
