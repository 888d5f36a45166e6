#include "FuzzLine.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace corvix_fuzz {

// The line is left out of the coverage that guides the fuzzer: what it does
// shows in the engine's coverage, and a long silence, 20 ms at a time, would
// cost the fuzzer much time.
#define CORVIX_NOT_GUIDING __attribute__((no_sanitize("coverage")))

// Bit by bit, apart from the engine's own code.
CORVIX_NOT_GUIDING void PacketCheck(int type, const std::uint8_t* from, int count,
                                    std::uint8_t* out) {
    unsigned sum = 0, crc = 0;
    for (int i = 0; i < count; ++i) {
        sum += from[i];
        if (type != 3) continue;
        crc ^= from[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0x8408 & (0u - (crc & 1)));
    }
    if (type == 3) {
        out[0] = static_cast<std::uint8_t>(kermit::tochar(crc >> 12 & 15));
        out[1] = static_cast<std::uint8_t>(kermit::tochar(crc >> 6 & 63));
        out[2] = static_cast<std::uint8_t>(kermit::tochar(crc & 63));
    } else if (type == 2) {
        out[0] = static_cast<std::uint8_t>(kermit::tochar(sum >> 6 & 63));
        out[1] = static_cast<std::uint8_t>(kermit::tochar(sum & 63));
    } else {
        out[0] = static_cast<std::uint8_t>(kermit::tochar((sum + (sum >> 6 & 3)) & 63));
    }
}

// True while the line is silent; a silence at the read position starts one.
// A silence lasts 8 s at most (longer ones are made of several), and an input
// has kSilenceBudgetMs of them in all; later ones are skipped. In one of the
// engine's unlimited waits a silence costs a step of 20 ms each, and inputs
// full of them took most of the fuzzer's time.
CORVIX_NOT_GUIDING bool FuzzLine::Silent() {
    if (now_ < silentUntil_) return true;
    for (;;) {
        if (Remaining() < 2 || data_[position_] != kSilence || data_[position_ + 1] == kSilence)
            return false;
        const std::int64_t ms =
            std::min(std::int64_t{1} << (data_[position_ + 1] % 14), silenceLeft_);
        position_ += 2;
        if (ms == 0) continue;
        silenceLeft_ -= ms;
        silentUntil_ = now_ + ms;
        return true;
    }
}

CORVIX_NOT_GUIDING int FuzzLine::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    int n = 0;
    while (n < maxLength && !Silent() && Remaining() > 0) {
        buffer[n++] = data_[position_];
        position_ += data_[position_] == kSilence && Remaining() >= 2 ? 2 : 1;
    }
    if (keepDelivered) delivered.append(reinterpret_cast<const char*>(buffer), n);
    return n;
}

// The characters from SEQ to the end of the check of a packet that starts
// with its mark at packet[0] and ends with its EOL `length` characters
// later, or -1 when none ends there: LEN counts them, or for a long packet
// (LEN 0) LENX1 and LENX2 with a valid header check.
CORVIX_NOT_GUIDING int CountedLength(const std::uint8_t* packet, int length) {
    if (length < 3 || packet[0] != 1) return -1;
    const int len = kermit::unchar(packet[1]);
    if (len != 0) return len + 3 == length ? len : -1;
    if (length < 8) return -1;
    const int sum = packet[1] + packet[2] + packet[3] + packet[4] + packet[5];
    if (packet[6] != kermit::tochar((sum + ((sum & 192) >> 6)) & 63)) return -1;
    const int lenx = kermit::unchar(packet[4]) * 95 + kermit::unchar(packet[5]);
    if (lenx > kermit::kMaxPacketData + 3 || lenx + 8 != length) return -1;
    return lenx + 5;  // the extended header counts as SEQ and TYPE do
}

// Pads (which may themselves be marks), the mark, LEN, SEQ, TYPE, data,
// check, EOL, in one write: anything else aborts. A long packet has its
// extended header, and only when it needs one.
CORVIX_NOT_GUIDING int FuzzLine::Write(const std::uint8_t* buffer, int length) {
    int start = 0;
    while (start + 1 < length && CountedLength(buffer + start, length - start) < 0)
        ++start;
    if (start + 1 >= length) std::abort();
    const std::uint8_t* packet = buffer + start;
    const int len = CountedLength(packet, length - start);
    const bool extended = kermit::unchar(packet[1]) == 0;
    if (extended ? len - 3 <= 94 : len > 94) std::abort();
    const bool init = packet[3] == 'S' || packet[3] == 'I';
    const int type = link_ == nullptr ? 1 : link_->LastCheckType();
    if (type < 1 || type > 3 || (init && type != 1)) std::abort();
    const int checkLength = type;
    if (len < 2 + checkLength) std::abort();
    std::uint8_t check[3];
    PacketCheck(type, packet + 1, len + 1 - checkLength, check);
    if (std::memcmp(check, packet + len + 2 - checkLength, checkLength) != 0) std::abort();
    if (keepWritten) written.append(reinterpret_cast<const char*>(buffer), length);
    checkTypesUsed |= 1u << type;
    ++packets;
    return length;
}

// Time passes only here: up to the end of a silence, or not at all while
// bytes are waiting. A line with nothing left to deliver stops the run.
CORVIX_NOT_GUIDING void FuzzLine::WaitForInput(int milliseconds) {
    if (Silent()) {
        now_ = std::min(silentUntil_, now_ + std::max(milliseconds, 1));
        return;
    }
    if (Remaining() == 0) runFlag_ = 0;
}

}  // namespace corvix_fuzz
