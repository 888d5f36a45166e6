#include "ScriptedPort.h"

#include <algorithm>

#include "kermit/BlockCheck.h"

namespace kermit_test {

// A data field too long for LEN goes with the extended header of long
// packets: LEN 0, LENX1, LENX2 and their own check.
std::string MakePacket(int seq, char type, const std::string& data, char eol, int check) {
    std::string body;
    const int counted = static_cast<int>(data.size()) + 2 + kermit::CheckLength(check);
    body += static_cast<char>((counted > 94 ? 0 : counted) + 32);
    body += static_cast<char>(seq + 32);
    body += type;
    if (counted > 94) {
        const int lenx = counted - 2;
        body += static_cast<char>(lenx / 95 + 32);
        body += static_cast<char>(lenx % 95 + 32);
        int s = 0;
        for (unsigned char c : body)
            s += c;
        body += static_cast<char>(((s + ((s & 192) >> 6)) & 63) + 32);
    }
    body += data;
    int sum = 0;
    std::uint16_t crc = 0;
    for (unsigned char c : body) {
        sum += c;
        crc = kermit::Crc16Step(crc, c);
    }
    std::uint8_t out[3];
    kermit::MakeCheck(check, sum, crc, out);
    body.append(reinterpret_cast<const char*>(out), kermit::CheckLength(check));
    return std::string(1, '\x01') + body + eol;
}

std::string ScriptedPort::TypesSent() const {
    std::string types;
    for (const Packet& p : sent)
        types += p.type;
    return types;
}

int ScriptedPort::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    int n = 0;
    while (n < maxLength && !input_.empty()) {
        buffer[n++] = input_.front();
        input_.pop_front();
    }
    return n;
}

int ScriptedPort::Write(const std::uint8_t* buffer, int length) {
    const std::string bytes(reinterpret_cast<const char*>(buffer), length);
    wire += bytes;
    longestWrite = std::max(longestWrite, bytes.size());
    mostPads = std::max(mostPads, std::min(bytes.find('\x01'), bytes.size()));
    ParseWritten(bytes);
    return length;
}

void ScriptedPort::WaitForInput(int milliseconds) {
    if (!input_.empty()) return;
    if (onIdle && onIdle()) return;
    ++idleWaits;
    clockMs += milliseconds;
    if (!silenceIsTime || clockMs > 600000) runFlag_ = 0;
}

// The engine writes one whole packet per call: pads, mark, LEN, SEQ, TYPE,
// the extended header of a long packet, data, check and EOL.
void ScriptedPort::ParseWritten(const std::string& bytes) {
    const size_t start = bytes.find('\x01');
    if (start == std::string::npos || start + 4 > bytes.size()) return;
    Packet p;
    p.seq = static_cast<unsigned char>(bytes[start + 2]) - 32;
    p.type = bytes[start + 3];
    const int check = kermit::CheckLength(CheckOf(p.type));
    const int lenField = static_cast<unsigned char>(bytes[start + 1]) - 32;
    if (lenField == 0 && start + 7 <= bytes.size()) {
        const int lenx = (static_cast<unsigned char>(bytes[start + 4]) - 32) * 95 +
                         static_cast<unsigned char>(bytes[start + 5]) - 32;
        p.data = bytes.substr(start + 7, std::max(0, lenx - check));
    } else {
        p.data = bytes.substr(start + 4, std::max(0, lenField - 2 - check));
    }
    sent.push_back(p);
    if (onPacket) onPacket(p);
}

}  // namespace kermit_test
