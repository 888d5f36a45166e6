#include <algorithm>
#include <cstring>

#include "kermit/BlockCheck.h"
#include "kermit/PacketLink.h"

namespace kermit {
namespace {

// Send-Init packets and their acknowledgements always carry a type-1 check,
// whatever was agreed before; so are S and I read.
bool IsInitType(int type) {
    return type == packet::SendInit || type == packet::Init;
}

}  // namespace

bool PacketLink::PutPacket(int len, int seq, int type, const std::uint8_t* data) {
    if (len != 0 && data == nullptr) return false;
    state_.lastLen = len;
    state_.lastSeq = seq;
    state_.lastType = type;
    state_.lastCheckType = IsInitType(type) ? 1 : state_.agreed.checkType;
    state_.lastData = data;
    state_.lastSends = 0;
    RepeatLastPacket();
    return true;
}

void PacketLink::RepeatLastPacket() {
    WritePacket(state_.lastLen, state_.lastSeq, state_.lastType, state_.lastData,
                state_.lastCheckType);
    ++state_.lastSends;
}

// One packet in one write. A packet whose data field does not fit the short
// format goes with the extended header (LEN 0, LENX1, LENX2, HCHECK), which
// is only ever the case when long packets are in force.
void PacketLink::WritePacket(int len, int seq, int type, const std::uint8_t* data, int check) {
    const Agreed& a = state_.agreed;
    len = std::clamp(len, 0, kMaxPacketData);
    const int pads = std::clamp(a.padCount, 0, kMaxPads);
    int n = 0;
    for (int i = 0; i < pads; ++i)
        lineBuffer_[n++] = static_cast<std::uint8_t>(a.padChar);
    lineBuffer_[n++] = a.mark;
    const int start = n;
    const int counted = len + 2 + CheckLength(check);
    const bool extended = counted > kShortPacketLen;
    lineBuffer_[n++] = static_cast<std::uint8_t>(tochar(extended ? 0 : counted));
    lineBuffer_[n++] = static_cast<std::uint8_t>(tochar(seq));
    lineBuffer_[n++] = static_cast<std::uint8_t>(type);
    if (extended) {
        const int lenx = len + CheckLength(check);
        lineBuffer_[n++] = static_cast<std::uint8_t>(tochar(lenx / 95));
        lineBuffer_[n++] = static_cast<std::uint8_t>(tochar(lenx % 95));
        int headerSum = 0;
        for (int i = start; i < n; ++i)
            headerSum += lineBuffer_[i];
        lineBuffer_[n++] =
            static_cast<std::uint8_t>(tochar((headerSum + ((headerSum & 192) >> 6)) & 63));
    }
    if (len > 0) std::memcpy(lineBuffer_ + n, data, len);
    n += len;
    int sum = 0;
    std::uint16_t crc = 0;
    for (int i = start; i < n; ++i) {
        sum += lineBuffer_[i];
        crc = Crc16Step(crc, lineBuffer_[i]);
    }
    MakeCheck(check, sum, crc, lineBuffer_ + n);
    n += CheckLength(check);
    lineBuffer_[n++] = a.eol;
    port_.Write(lineBuffer_, n);
    staleEnd_ = inputEnd_;
}

// The next byte of a packet: without a time limit, or by the deadline of a
// timed read, which fails as "TIMEOUT" and sets timedOut_. kFailed when the
// wait failed.
int PacketLink::NextByte() {
    // A byte already read was heard with the read that brought it, which
    // moved any quiet deadline on: it costs no clock.
    if (inputNext_ < inputEnd_) return input_[inputNext_++];
    if (!timed_) return ReadByte();
    const std::int64_t left = std::max<std::int64_t>(0, deadline_ - port_.NowMs());
    const int c = ReadByteWithin(static_cast<int>(std::min<std::int64_t>(left, 1 << 30)));
    if (c >= 0 && quietMs_ > 0) deadline_ = port_.NowMs() + quietMs_;
    if (c != kTimedOut) return c;
    timedOut_ = true;
    SetStatus("TIMEOUT");
    return kFailed;
}

PacketLink::Read PacketLink::ReadFailed(std::string_view text) {
    SetStatus(text);
    return Read::Failed;
}

// Waits for the mark that starts a packet, looking at the run flag after
// every other character. A mark already read as the end of the last packet
// starts this one. False when the wait failed.
bool PacketLink::HuntMark() {
    if (markPending_) {
        markPending_ = false;
        return true;
    }
    for (;;) {
        const int c = NextByte();
        if (c < 0) return false;
        if (c == state_.agreed.mark) return true;
        port_.PumpMessages();
        if (RunFlagCleared()) {
            Stop();
            return false;
        }
    }
}

// One character of a packet: Done with c set (and counted in the running
// check), Restart when it was the mark, or Failed when the wait failed.
PacketLink::Read PacketLink::ReadPacketChar(int& c, bool counted) {
    c = NextByte();
    if (c < 0) return Read::Failed;
    if (awaited_ > 0) --awaited_;
    if (c == state_.agreed.mark) return Read::Restart;
    if (counted) {
        state_.checkSum += c;
        state_.checkCrc = Crc16Step(state_.checkCrc, static_cast<std::uint8_t>(c));
    }
    return Read::Done;
}

// LEN counts SEQ, TYPE, the data and the check, whose length depends on the
// type: the data length is known only once TYPE has been read.
PacketLink::Read PacketLink::ReadPacketBody(int& len, int& seq, int& type, std::uint8_t* data) {
    state_.checkSum = 0;
    state_.checkCrc = 0;
    awaited_ = 0;
    int c = 0;
    Read r = ReadPacketChar(c, true);
    if (r != Read::Done) return r;
    const int counted = unchar(c);
    awaited_ = counted + 1;  // SEQ to the check, and what ends the packet
    if ((r = ReadPacketChar(c, true)) != Read::Done) return r;
    seq = c - 32;
    if ((r = ReadPacketChar(c, true)) != Read::Done) return r;
    type = c;
    const int check = IsInitType(type) ? 1 : state_.agreed.checkType;
    if (counted == 0 && state_.agreed.longLen > 0) {
        if ((r = ReadLongHeader(len, check)) != Read::Done) return r;
    } else {
        len = counted - 2 - CheckLength(check);
        if (len < 0 || len > 94) return ReadFailed("PACKETLEN");
    }
    for (int i = 0; i < len; ++i) {
        if ((r = ReadPacketChar(c, true)) != Read::Done) return r;
        data[i] = static_cast<std::uint8_t>(c);
    }
    std::uint8_t expected[3];
    MakeCheck(check, state_.checkSum, state_.checkCrc, expected);
    for (int i = 0; i < CheckLength(check); ++i) {
        if ((r = ReadPacketChar(c, false)) != Read::Done) return r;
        if (c != expected[i]) return ReadFailed("CHKSUM");
    }
    return ReadPacketEnd();
}

// The extended header of a long packet, after its TYPE: LENX1 and LENX2
// count the data and the check, HCHECK checks the header from LEN on.
PacketLink::Read PacketLink::ReadLongHeader(int& len, int check) {
    const int headerSum = state_.checkSum;
    int x1 = 0, x2 = 0, hcheck = 0;
    Read r = ReadPacketChar(x1, true);
    if (r != Read::Done) return r;
    if ((r = ReadPacketChar(x2, true)) != Read::Done) return r;
    const int sum = headerSum + x1 + x2;
    if ((r = ReadPacketChar(hcheck, true)) != Read::Done) return r;
    if (hcheck != tochar((sum + ((sum & 192) >> 6)) & 63)) return ReadFailed("CHKSUM");
    const int lenx = unchar(x1) * 95 + unchar(x2);
    len = lenx - CheckLength(check);
    if (unchar(x1) < 0 || unchar(x2) < 0 || len < 0 || len > kMaxPacketData)
        return ReadFailed("PACKETLEN");
    awaited_ = lenx + 1;
    return Read::Done;
}

// What follows the check is the peer's EOL, a control character, or the mark
// of its next packet when it sends none. A printable character there means
// the packet goes on: a damaged LEN made it look shorter and a data character
// passed for the check, as one in 64 do. It fails like a bad check. When
// nothing follows within a few character times, the packet ended there: a
// peer whose EOL was lost, or one that has left, must not hold the reader.
PacketLink::Read PacketLink::ReadPacketEnd() {
    const int c = ReadByteWithin(packetEndWaitMs_);
    if (c == kTimedOut) return Read::Done;
    if (c < 0) return Read::Failed;
    if (c == state_.agreed.mark) {
        markPending_ = true;
        return Read::Done;
    }
    const int low = c & 127;
    if (low < 32 || low == 127) return Read::Done;
    return ReadFailed("CHKSUM");
}

// Reads one complete packet whose check matches and whose end is where its
// LEN says. A mark anywhere after the first restarts the packet at its LEN
// field; anything between the EOL and the next mark is skipped by the next
// hunt. Each restart looks at the run flag, so that a line streaming nothing
// but marks cannot outlast a stop.
bool PacketLink::GetPacket(int& len, int& seq, int& type) {
    timedOut_ = false;
    if (!HuntMark()) return false;
    std::uint8_t* const data = state_.recvBuffer;
    Read r = ReadPacketBody(len, seq, type, data);
    while (r == Read::Restart) {
        port_.PumpMessages();
        if (RunFlagCleared()) {
            Stop();
            r = Read::Failed;
            break;
        }
        r = ReadPacketBody(len, seq, type, data);
    }
    awaited_ = 0;
    if (r == Read::Done) state_.peerAnswered = true;
    return r == Read::Done;
}

bool PacketLink::GetPacketWithin(int milliseconds, int& len, int& seq, int& type) {
    timed_ = true;
    deadline_ = port_.NowMs() + milliseconds;
    const bool got = GetPacket(len, seq, type);
    timed_ = false;
    return got;
}

bool PacketLink::GetPacketWhileHeard(int milliseconds, int& len, int& seq, int& type) {
    quietMs_ = milliseconds;
    const bool got = GetPacketWithin(milliseconds, len, seq, type);
    quietMs_ = 0;
    return got;
}

}  // namespace kermit
