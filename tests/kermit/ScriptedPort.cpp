#include "ScriptedPort.h"

#include "kermit/BlockCheck.h"

namespace kermit_test {

std::string MakePacket(int seq, char type, const std::string& data, char eol, int check) {
    std::string body;
    body += static_cast<char>(data.size() + 2 + kermit::CheckLength(check) + 32);
    body += static_cast<char>(seq + 32);
    body += type;
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
    ParseWritten(bytes);
    return length;
}

void ScriptedPort::WaitForInput(int milliseconds) {
    if (!input_.empty()) return;
    ++idleWaits;
    clockMs += milliseconds;
    if (!silenceIsTime || clockMs > 600000) runFlag_ = 0;
}

// The engine writes one whole packet per call: pads, mark, LEN, SEQ, TYPE,
// data, check and EOL.
void ScriptedPort::ParseWritten(const std::string& bytes) {
    const size_t start = bytes.find('\x01');
    if (start == std::string::npos || start + 4 > bytes.size()) return;
    Packet p;
    p.seq = static_cast<unsigned char>(bytes[start + 2]) - 32;
    p.type = bytes[start + 3];
    const int len =
        static_cast<unsigned char>(bytes[start + 1]) - 34 - kermit::CheckLength(CheckOf(p.type));
    p.data = bytes.substr(start + 4, len);
    sent.push_back(p);
    if (onPacket) onPacket(p);
}

}  // namespace kermit_test
