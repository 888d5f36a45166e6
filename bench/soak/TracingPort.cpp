#include "bench/soak/TracingPort.h"

#include <cstdio>

namespace soak {

int TracingPort::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    const int n = port_.ReadAvailable(buffer, maxLength);
    Note('<', buffer, n);
    return n;
}

int TracingPort::Write(const std::uint8_t* buffer, int length) {
    direction_ = 0;  // every packet written starts a line of its own
    Note('>', buffer, length);
    for (int i = 0; i + 3 < length; ++i) {
        if (buffer[i] == 1) {  // the mark; TYPE follows LEN and SEQ
            lastType_ = buffer[i + 3];
            break;
        }
    }
    return port_.Write(buffer, length);
}

void TracingPort::Note(char direction, const std::uint8_t* bytes, int count) {
    if (count <= 0) return;
    if (direction != direction_) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start_)
                            .count();
        char head[32];
        std::snprintf(head, sizeof head, "%s%8lld PC%c ", trace_.empty() ? "" : "\n",
                      static_cast<long long>(ms), direction);
        trace_ += head;
        direction_ = direction;
    }
    for (int i = 0; i < count; ++i) {
        const std::uint8_t c = bytes[i];
        if (c >= 32 && c < 127 && c != '<') {
            trace_ += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", c);
            trace_ += hex;
        }
    }
}

}  // namespace soak
