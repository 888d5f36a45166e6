#include "FuzzLine.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace corvix_fuzz {

int FuzzLine::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(maxLength), Remaining());
    std::memcpy(buffer, data_ + position_, n);
    position_ += n;
    return static_cast<int>(n);
}

// Pads (which may themselves be marks), the mark, LEN, SEQ, TYPE, data,
// check, EOL, in one write: anything else aborts.
int FuzzLine::Write(const std::uint8_t* buffer, int length) {
    int start = 0;
    while (start + 1 < length &&
           (buffer[start] != 1 || start + kermit::unchar(buffer[start + 1]) + 3 != length))
        ++start;
    if (start + 1 >= length) std::abort();
    const std::uint8_t* packet = buffer + start;
    const int len = kermit::unchar(packet[1]);
    if (len < 3 || len > 94) std::abort();
    int sum = 0;
    for (int i = 1; i <= len; ++i)
        sum += packet[i];
    if (packet[len + 1] != kermit::tochar((sum + ((sum >> 6) & 3)) & 63)) std::abort();
    written.append(reinterpret_cast<const char*>(buffer), length);
    ++packets;
    return length;
}

void FuzzLine::WaitForInput(int) {
    if (Remaining() == 0) runFlag_ = 0;
}

}  // namespace corvix_fuzz
