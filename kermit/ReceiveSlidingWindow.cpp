#include "kermit/ReceiveSlidingWindow.h"

#include <algorithm>
#include <cstring>

namespace kermit {

void ReceiveSlidingWindow::Start(int size, int firstSeq) {
    size_ = std::clamp(size, 1, kMaxSlidingWindow);
    first_ = 0;
    baseSeq_ = firstSeq & 63;
    for (Packet& p : packets_)
        p.filled = p.nakSent = false;
}

int ReceiveSlidingWindow::Offset(int seq) const {
    const int offset = (seq - baseSeq_) & 63;
    return offset < size_ ? offset : -1;
}

bool ReceiveSlidingWindow::Taken(int seq) const {
    const int behind = (baseSeq_ - seq) & 63;
    return behind >= 1 && behind <= size_;
}

ReceiveSlidingWindow::Packet& ReceiveSlidingWindow::At(int offset) {
    return packets_[(first_ + offset) % kMaxSlidingWindow];
}

void ReceiveSlidingWindow::Store(int seq, int type, const std::uint8_t* data, int len) {
    Packet& p = At(Offset(seq));
    p.filled = true;
    p.type = type;
    p.len = std::clamp(len, 0, kMaxPacketData);
    if (p.len > 0) std::memcpy(p.data, data, p.len);
}

void ReceiveSlidingWindow::Slide() {
    Packet& p = At(0);
    p.filled = p.nakSent = false;
    first_ = (first_ + 1) % kMaxSlidingWindow;
    baseSeq_ = (baseSeq_ + 1) & 63;
}

}  // namespace kermit
