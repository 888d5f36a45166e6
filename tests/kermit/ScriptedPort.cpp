#include "ScriptedPort.h"

namespace kermit_test {

std::string MakePacket(int seq, char type, const std::string& data, char eol) {
    std::string body;
    body += static_cast<char>(data.size() + 3 + 32);
    body += static_cast<char>(seq + 32);
    body += type;
    body += data;
    int sum = 0;
    for (unsigned char c : body)
        sum += c;
    const char check = static_cast<char>(((sum + ((sum >> 6) & 3)) & 63) + 32);
    return std::string(1, '\x01') + body + check + eol;
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

void ScriptedPort::WaitForInput(int) {
    if (!input_.empty()) return;
    ++idleWaits;
    runFlag_ = 0;
}

// The engine writes one whole packet per call: pads, mark, LEN, SEQ, TYPE,
// data, check and EOL.
void ScriptedPort::ParseWritten(const std::string& bytes) {
    const size_t start = bytes.find('\x01');
    if (start == std::string::npos || start + 4 > bytes.size()) return;
    Packet p;
    const int len = static_cast<unsigned char>(bytes[start + 1]) - 35;
    p.seq = static_cast<unsigned char>(bytes[start + 2]) - 32;
    p.type = bytes[start + 3];
    p.data = bytes.substr(start + 4, len);
    sent.push_back(p);
    if (onPacket) onPacket(p);
}

}  // namespace kermit_test
