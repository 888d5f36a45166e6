#include "tools/corvix-caliper/CaliperLink.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "tools/corvix-caliper/TtyLine.h"

namespace caliper {

using Clock = std::chrono::steady_clock;

std::string Describe(CaliperLink::Read read) {
    return read == CaliperLink::Read::Timeout ? "time-out" : "bad packet";
}

CaliperLink::CaliperLink(kermit::KermitPort& line, const Timing& timing)
    : line_(line), timing_(timing), packets_(*this, runFlag_) {}

CaliperLink::Read CaliperLink::ReadPacket(int timeoutMs, Packet& packet) {
    deadline_ = Clock::now() + std::chrono::milliseconds(timeoutMs);
    timedOut_ = false;
    runFlag_ = 1;
    const bool got = packets_.GetPacket(packet.len, packet.seq, packet.type);
    runFlag_ = 1;
    if (got) return Read::Packet;
    return timedOut_ ? Read::Timeout : Read::Bad;
}

void CaliperLink::Send(int type, int seq, const std::uint8_t* data, int len) {
    len = std::clamp(len, 0, static_cast<int>(sizeof out_));
    if (len > 0) std::memcpy(out_, data, static_cast<size_t>(len));
    packets_.PutPacket(len, seq, type, out_);
}

void CaliperLink::Send(int type, int seq, std::string_view text) {
    Send(type, seq, reinterpret_cast<const std::uint8_t*>(text.data()),
         static_cast<int>(text.size()));
}

bool CaliperLink::Decode(std::string& out, int len, int capacity) {
    std::vector<std::uint8_t> buffer(static_cast<size_t>(capacity));
    const int n = packets_.DecodeData(buffer.data(), capacity, len);
    if (n < 0) return false;
    out.assign(reinterpret_cast<const char*>(buffer.data()), static_cast<size_t>(n));
    return true;
}

std::string CaliperLink::RawText(int len) const {
    len = std::clamp(len, 0, kermit::kMaxPacketData);
    return std::string(reinterpret_cast<const char*>(packets_.ReceivedField()),
                       static_cast<size_t>(len));
}

bool CaliperLink::EncodeWhole(std::string_view text, std::string& field) {
    const int used = packets_.EncodeData(reinterpret_cast<const std::uint8_t*>(text.data()),
                                         static_cast<int>(text.size()));
    if (used != static_cast<int>(text.size())) return false;
    field.assign(reinterpret_cast<const char*>(packets_.SendBuffer()),
                 static_cast<size_t>(packets_.EncodedLen()));
    return true;
}

void CaliperLink::DiscardInput() {
    if (auto* tty = dynamic_cast<TtyLine*>(&line_)) tty->DiscardInput();
    std::uint8_t scrap[256];
    while (line_.ReadAvailable(scrap, sizeof scrap) > 0) {
    }
}

int CaliperLink::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    return line_.ReadAvailable(buffer, maxLength);
}

int CaliperLink::Write(const std::uint8_t* buffer, int length) {
    return line_.Write(buffer, length);
}

void CaliperLink::WaitForInput(int milliseconds) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
    line_.WaitForInput(static_cast<int>(std::clamp<long long>(left, 1, milliseconds)));
}

// The link calls this between its byte polls: the caliper's clock.
void CaliperLink::PumpMessages() {
    line_.PumpMessages();
    if (Clock::now() >= deadline_) {
        timedOut_ = true;
        runFlag_ = 0;
    }
}

}  // namespace caliper
