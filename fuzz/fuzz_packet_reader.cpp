// The packet reader over a line that carries nothing but the fuzz input,
// whose first byte picks the block check in force (1, 2 or 3) and whether
// long packets are in force: every read ends with a packet whose length fits
// the buffer, a reported fault, or the stop that comes when the input runs
// dry, and a packet that is taken arrived on the line after the one taken
// before it, whole, with a valid check of its type (type 1 for S and I), in
// the short format or the extended one of long packets. The link takes
// what has arrived in one read, several packets at a time. The line's
// silences make the wait for the byte after a check end.
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzLine.h"

namespace {

// LEN to the check of a packet the reader took, in the short format or with
// the extended header.
std::string OnTheLine(int checkType, int len, int seq, int type, const std::uint8_t* data,
                      bool extended) {
    const int check = type == 'S' || type == 'I' ? 1 : checkType;
    std::string packet(1, static_cast<char>(kermit::tochar(extended ? 0 : len + 2 + check)));
    packet += static_cast<char>(seq + 32);
    packet += static_cast<char>(type);
    if (extended) {
        packet += static_cast<char>(kermit::tochar((len + check) / 95));
        packet += static_cast<char>(kermit::tochar((len + check) % 95));
        int sum = 0;
        for (unsigned char c : packet)
            sum += c;
        packet += static_cast<char>(kermit::tochar((sum + ((sum & 192) >> 6)) & 63));
    }
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
    kermit::PacketLink link(line, run);
    kermit::Agreed agreed;
    agreed.checkType = data[0] % 3 + 1;
    const bool longPackets = data[0] / 3 % 2 != 0;
    agreed.longLen = longPackets ? kermit::kMaxPacketData : 0;
    link.SetInForce(agreed);
    std::size_t reads = 0;
    std::size_t taken = 0;  // where the last packet taken ended in what was read
    while (run.load() != 0) {
        int len = -1, seq = -1, type = -1;
        if (link.GetPacket(len, seq, type)) {
            if (len < 0 || len > (longPackets ? kermit::kMaxPacketData : 94)) std::abort();
            if (seq < -32 || seq > 223 || type < 0 || type > 255) std::abort();
            // The packet came whole after the one before it.
            const std::string& read = line.delivered;
            std::size_t at = std::string::npos;
            for (const bool extended : {false, true}) {
                if (extended && !longPackets) break;
                const std::string packet =
                    OnTheLine(agreed.checkType, len, seq, type, link.ReceivedField(), extended);
                at = read.find(packet, taken);
                if (at != std::string::npos) {
                    taken = at + packet.size();
                    break;
                }
            }
            if (at == std::string::npos) std::abort();
        } else if (link.Stopped()) {
            if (line.Remaining() != 0) std::abort();  // a stop nobody asked for
        }
        // Every read takes a character at least, so the reads run out with the input.
        if (++reads > size + 1) std::abort();
    }
    return 0;
}
