// A send whose receiver answers its Send-Init with the fuzz input and then
// acknowledges every packet at once: whatever the answer asks for (pads,
// packet lengths, a window, time-outs, prefixes, the EOL), every packet the
// sender writes fits the link's packet buffer, carries at most the pads the
// protocol allows, and stays within the lengths agreed (MAXL, or the
// long-packet length when long packets are in force). The first input byte
// picks the offer (check type 3, long packets of 4096, a window of 31) and
// the file (a short text or 4500 bytes that hardly compress, enough to fill
// a long packet); the rest is the data field of the answer, 91 characters
// at most.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "FuzzLine.h"
#include "disk/DiskFiles.h"
#include "kermit/BlockCheck.h"
#include "kermit/KermitEngine.h"
#include "tests/support/QueuedPeer.h"

namespace {

using kermit::PacketLink;
using kermit::tochar;
using kermit::unchar;

std::vector<std::uint8_t> FileFor(std::uint8_t choice) {
    std::vector<std::uint8_t> file;
    if ((choice & 8) == 0) {
        for (const char* p = "Stand 12\r\nPine 31.5 cm\r\n"; *p; ++p)
            file.push_back(static_cast<std::uint8_t>(*p));
        return file;
    }
    std::uint32_t x = 12345;
    for (int i = 0; i < 4500; ++i) {
        x = x * 1103515245u + 12345u;
        file.push_back(static_cast<std::uint8_t>(x >> 24));
    }
    return file;
}

// The receiving end: answers the S with the fuzz input, every other packet
// with an empty Y, each in the check the link has in force.
class AnsweringLine : public test_support::QueuedPeer {
public:
    AnsweringLine(const std::uint8_t* answer, std::size_t size, std::atomic<int>& run)
        : QueuedPeer(run), answer_(answer, answer + std::min<std::size_t>(size, 91)) {}
    void Watch(const PacketLink* link) { link_ = link; }

    int Write(const std::uint8_t* buffer, int length) override {
        if (length > PacketLink::kLineBufferSize) std::abort();
        const kermit::Agreed& a = link_->InForce();
        const int pads = a.padCount;
        if (pads < 0 || pads > PacketLink::kMaxPads || length < pads + 5) std::abort();
        const std::uint8_t* p = buffer + pads;
        if (p[0] != a.mark) std::abort();
        const int check = link_->LastCheckType();
        int field = 0;
        if (unchar(p[1]) == 0) {
            const int lenx = unchar(p[4]) * 95 + unchar(p[5]);
            field = lenx - check;
            if (a.longLen == 0 || field > a.longLen || pads + 8 + lenx != length) std::abort();
        } else {
            field = unchar(p[1]) - 2 - check;
            // MAXL bounds the short packets unless long packets are in force.
            const bool tooLong = unchar(p[1]) > (a.longLen > 0 ? 94 : a.maxLen);
            if (tooLong || pads + unchar(p[1]) + 3 != length) std::abort();
        }
        if (field < 0 || field > kermit::kMaxPacketData) std::abort();
        Answer(unchar(p[2]), p[3]);
        return length;
    }

private:
    void Answer(int seq, int type) {
        const bool init = type == 'S';
        const std::vector<std::uint8_t> data = init ? answer_ : std::vector<std::uint8_t>{};
        const int check = init ? 1 : link_->InForce().checkType;
        std::vector<std::uint8_t> packet = {
            1, static_cast<std::uint8_t>(tochar(static_cast<int>(data.size()) + 2 + check)),
            static_cast<std::uint8_t>(tochar(seq)), 'Y'};
        packet.insert(packet.end(), data.begin(), data.end());
        std::uint8_t sum[3];
        corvix_fuzz::PacketCheck(check, packet.data() + 1, static_cast<int>(packet.size()) - 1,
                                 sum);
        packet.insert(packet.end(), sum, sum + check);
        packet.push_back('\r');
        Queue(packet);
    }

    std::vector<std::uint8_t> answer_;
    const PacketLink* link_ = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::vector<std::uint8_t> file = FileFor(data[0]);
    std::atomic<int> run{1};
    AnsweringLine line(data + 1, size - 1, run);
    disk::DiskFiles files;
    const kermit::Offer offer = {.blockCheck = data[0] & 1 ? 3 : 1,
                                 .packetLength = data[0] & 2 ? kermit::kMaxPacketData : 94,
                                 .slidingWindow = data[0] & 4 ? kermit::kMaxSlidingWindow : 1};
    kermit::KermitEngine engine(line, files, run, offer);
    line.Watch(&engine.Link());
    const kermit::Outcome result = engine.KermitSend("STAND12.DAT", file.data(), file.size());
    const kermit::Agreed& a = engine.Link().InForce();
    if (a.slidingWindowSize < 1 || a.slidingWindowSize > kermit::kMaxSlidingWindow) std::abort();
    if (a.longLen < 0 || a.longLen > kermit::kMaxPacketData) std::abort();
    if (engine.Link().PeerTimeout() > 94) std::abort();
    if (result == kermit::Outcome::Stopped && run.load() != 0) std::abort();
    return 0;
}
