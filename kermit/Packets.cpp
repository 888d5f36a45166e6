#include <cstring>

#include "kermit/KermitEngine.h"

namespace kermit {
namespace {

int BlockCheck(int sum) {
    return tochar((sum + ((sum >> 6) & 3)) & 63);
}

}  // namespace

int KermitEngine::PutPacket(int len, int seq, int type, const std::uint8_t* data) {
    if (len != 0 && data == nullptr) return -1;
    lastLen = len;
    lastSeq = seq;
    lastType = type;
    lastData = data;
    RepeatLastPacket();
    return 0;
}

int KermitEngine::RepeatLastPacket() {
    int n = 0;
    for (int i = 0; i < padCount; ++i)
        lineBuffer_[n++] = static_cast<std::uint8_t>(padChar);
    lineBuffer_[n++] = mark;
    const int start = n;
    lineBuffer_[n++] = static_cast<std::uint8_t>(tochar(lastLen + 3));
    lineBuffer_[n++] = static_cast<std::uint8_t>(tochar(lastSeq));
    lineBuffer_[n++] = static_cast<std::uint8_t>(lastType);
    if (lastLen > 0) std::memcpy(lineBuffer_ + n, lastData, lastLen);
    n += lastLen;
    int sum = 0;
    for (int i = start; i < n; ++i)
        sum += lineBuffer_[i];
    lineBuffer_[n++] = static_cast<std::uint8_t>(BlockCheck(sum));
    lineBuffer_[n++] = eol;
    port_.Write(lineBuffer_, n);
    return 0;
}

// Waits for the mark that starts a packet, looking at the run flag after
// every other character. A mark already read as the end of the last packet
// starts this one.
int KermitEngine::HuntMark() {
    if (markPending_) {
        markPending_ = false;
        return 0;
    }
    for (;;) {
        const int c = ReadByte();
        if (c < 0) return -1;
        if (c == mark) return 0;
        port_.PumpMessages();
        if (RunFlagCleared()) return SetStatus("QUIT");
    }
}

// One character of a packet: kRead with c set (and counted in checkSum),
// kRestart when it was the mark, or -1 when the wait failed.
int KermitEngine::ReadPacketChar(int& c, bool counted) {
    c = ReadByte();
    if (c < 0) return -1;
    if (c == mark) return kRestart;
    if (counted) checkSum += c;
    return kRead;
}

int KermitEngine::ReadPacketBody(int& len, int& seq, int& type, std::uint8_t* data) {
    checkSum = 0;
    int c = 0;
    int r = ReadPacketChar(c, true);
    if (r != kRead) return r;
    len = c - 35;
    if (len < 0 || len > 94) return SetStatus("PACKETLEN");
    if ((r = ReadPacketChar(c, true)) != kRead) return r;
    seq = c - 32;
    if ((r = ReadPacketChar(c, true)) != kRead) return r;
    type = c;
    for (int i = 0; i < len; ++i) {
        if ((r = ReadPacketChar(c, true)) != kRead) return r;
        data[i] = static_cast<std::uint8_t>(c);
    }
    const int expected = BlockCheck(checkSum);
    if ((r = ReadPacketChar(c, false)) != kRead) return r;
    if (c != expected) return SetStatus("CHKSUM");
    return ReadPacketEnd();
}

// What follows the check is the peer's EOL, a control character, or the mark
// of its next packet when it sends none. A printable character there means
// the packet goes on: a damaged LEN made it look shorter and a data character
// passed for the check, as one in 64 do. It fails like a bad check.
int KermitEngine::ReadPacketEnd() {
    const int c = ReadByte();
    if (c < 0) return -1;
    if (c == mark) {
        markPending_ = true;
        return kRead;
    }
    const int low = c & 127;
    if (low < 32 || low == 127) return kRead;
    return SetStatus("CHKSUM");
}

// Reads one complete packet whose check matches and whose end is where its
// LEN says. A mark anywhere after the first restarts the packet at its LEN
// field; anything between the EOL and the next mark is skipped by the next
// hunt. Each restart looks at the run flag, so that a line streaming nothing
// but marks cannot outlast a stop.
int KermitEngine::GetPacket(int& len, int& seq, int& type, std::uint8_t* data) {
    if (HuntMark() < 0) return -1;
    int r = ReadPacketBody(len, seq, type, data);
    while (r == kRestart) {
        port_.PumpMessages();
        if (RunFlagCleared()) return SetStatus("QUIT");
        r = ReadPacketBody(len, seq, type, data);
    }
    return r;
}

}  // namespace kermit
