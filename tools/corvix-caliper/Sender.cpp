#include "tools/corvix-caliper/Sender.h"

#include <algorithm>
#include <chrono>

namespace caliper {

using Clock = std::chrono::steady_clock;

bool Sender::Fail(const std::string& why, bool tellPeer) {
    if (tellPeer) link_.Send('E', seq_, why.substr(0, 90));
    error_ = why;
    return false;
}

bool Sender::Send(std::string_view name, std::string_view data) {
    kermit::PacketLink& packets = link_.packets();
    packets.Reset();
    link_.DiscardInput();
    seq_ = 0;
    staleBudget_ = 0;
    packets.BuildInitParams();
    if (!Exchange('S', std::string(reinterpret_cast<const char*>(packets.SendBuffer()), 9), true))
        return false;
    packets.ApplyPeerParams(ack_.len);

    std::string field;
    if (!link_.EncodeWhole(name, field)) return Fail("file name too long", true);
    if (!Exchange('F', field)) return false;
    size_t sent = 0;
    while (sent < data.size()) {
        const size_t offer = std::min<size_t>(data.size() - sent, 8192);
        const int used = packets.EncodeData(
            reinterpret_cast<const std::uint8_t*>(data.data() + sent), static_cast<int>(offer));
        field.assign(reinterpret_cast<const char*>(packets.SendBuffer()),
                     static_cast<size_t>(packets.EncodedLen()));
        if (!Exchange('D', field)) return false;
        sent += static_cast<size_t>(used);
    }
    return Exchange('Z', {}) && Exchange('B', {});
}

// Sends one packet and waits for its acknowledgement, sending it again after
// a time-out, a bad packet, an N, or a repeated acknowledgement of the
// previous packet that cannot be an echo of our own repeats.
bool Sender::Exchange(int type, const std::string& field, bool first) {
    link_.Send(type, seq_, field);
    copies_ = 1;
    const auto giveUp = Clock::now() + std::chrono::milliseconds(link_.timing().patienceMs);
    int failures = 0;
    const int previous = (seq_ + 63) & 63;
    for (;;) {
        Packet p;
        const auto r = link_.ReadPacket(p);
        if (r == CaliperLink::Read::Packet) {
            const bool nakOfNext = p.type == 'N' && p.seq == ((seq_ + 1) & 63) && !first;
            if ((p.type == 'Y' && p.seq == seq_) || nakOfNext) {
                ack_ = p;
                break;
            }
            if (p.type == 'E')
                return Fail("the PC ended the transfer: " + link_.RawText(p.len), false);
            if (p.type == 'Y' && p.seq == previous && staleBudget_ > 0) {
                --staleBudget_;  // the PC acknowledging one of our repeats again
                continue;
            }
        }
        const bool exhausted = first ? Clock::now() >= giveUp : ++failures > link_.timing().retries;
        if (exhausted) {
            const std::string why =
                r == CaliperLink::Read::Packet ? "no acknowledgement" : Describe(r);
            return Fail(first ? "nobody answered (" + why + ")" : "too many retries (" + why + ")",
                        !first);
        }
        link_.Resend();
        ++copies_;
    }
    seq_ = (seq_ + 1) & 63;
    staleBudget_ = copies_ - 1;
    return true;
}

}  // namespace caliper
