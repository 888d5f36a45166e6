// The packet reader over a line that carries nothing but the fuzz input,
// whose first byte picks the block check in force (1, 2 or 3): every read
// ends with a packet whose length fits the buffer, a reported fault, or the
// stop that comes when the input runs dry, and a packet that is taken
// arrived on the line just before, whole, with a valid check of its type
// (type 1 for S and I). The line's silences make the wait for the byte after
// a check end.
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzLine.h"

namespace {

// LEN to the check of a packet the reader took.
std::string OnTheLine(int checkType, int len, int seq, int type, const std::uint8_t* data) {
    const int check = type == 'S' || type == 'I' ? 1 : checkType;
    std::string packet(1, static_cast<char>(kermit::tochar(len + 2 + check)));
    packet += static_cast<char>(seq + 32);
    packet += static_cast<char>(type);
    packet.append(reinterpret_cast<const char*>(data), len);
    std::uint8_t sum[3];
    corvix_fuzz::PacketCheck(check, reinterpret_cast<const std::uint8_t*>(packet.data()),
                             static_cast<int>(packet.size()), sum);
    return packet.append(reinterpret_cast<const char*>(sum), check);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    std::atomic<int> run{1};
    corvix_fuzz::FuzzLine line(data + 1, size - 1, run);
    line.keepDelivered = true;
    kermit::KermitEngine engine(line, run);
    engine.ResetEngine();
    engine.checkType = data[0] % 3 + 1;
    std::size_t reads = 0;
    while (run.load() != 0) {
        const std::size_t before = line.Remaining();
        int len = -1, seq = -1, type = -1;
        if (engine.GetPacket(len, seq, type, engine.recvBuffer) == 0) {
            if (len < 0 || len > 94) std::abort();
            if (seq < -32 || seq > 223 || type < 0 || type > 255) std::abort();
            // The packet's last character came at most one character (what
            // ended it) before the end of what was read.
            const std::string packet =
                OnTheLine(engine.checkType, len, seq, type, engine.recvBuffer);
            const std::string& read = line.delivered;
            const std::size_t from = read.size() - std::min(read.size(), packet.size() + 1);
            if (read.find(packet, from) == std::string::npos) std::abort();
        } else if (std::strstr(engine.statusText, "QUIT") != nullptr) {
            if (line.Remaining() != 0) std::abort();  // a stop nobody asked for
        }
        // Every read takes input or ends with the stop.
        if (line.Remaining() == before && run.load() != 0) std::abort();
        if (++reads > size + 1) std::abort();
    }
    return 0;
}
