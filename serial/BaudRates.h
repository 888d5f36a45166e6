#pragma once

#include <iterator>

namespace serial {

// The rates a port opens at, in bits per second. The settings keep a
// position in this table ("Baud") and offer the first kOfferedBaudCount;
// the last is accepted all the same. From the making of a job on, the baud
// travels as a rate.
inline constexpr int kBaudTable[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400};
inline constexpr int kBaudCount = static_cast<int>(std::size(kBaudTable));
inline constexpr int kOfferedBaudCount = 8;

// The rate at position `baudIndex`, 0 (no rate) when the index names none.
constexpr int BaudRateAt(int baudIndex) {
    return baudIndex >= 0 && baudIndex < kBaudCount ? kBaudTable[baudIndex] : 0;
}

// Whether the port opens at `rate`.
constexpr bool IsBaudRate(int rate) {
    for (const int known : kBaudTable) {
        if (known == rate) return true;
    }
    return false;
}

}  // namespace serial
