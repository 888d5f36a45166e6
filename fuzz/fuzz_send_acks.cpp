// The sending side against a peer that answers with the fuzz input: the
// transfer ends (success, failure or the stop when the input runs dry), every
// packet sent is well formed and fits 94, the number of packets stays within
// the attempts the answers allow, and no packet carries a block check this
// side did not propose. The first input byte picks the file, the check
// proposed (1, or 3 with bit 2), and whether long packets (bit 3) and a
// sliding window (bit 4) are proposed, so that answers that agree to them drive the
// extended header and the sliding window's selective repeat; the line's silences
// time out the closing B.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FuzzLine.h"
#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"

namespace {

// The first input byte picks the file: text, every byte value, or runs.
std::vector<std::uint8_t> FileFor(std::uint8_t choice) {
    std::vector<std::uint8_t> file;
    switch (choice % 4) {
        case 0:
            break;
        case 1:
            for (const char* p = "Stand 12\r\nPine 31.5 cm\r\n"; *p; ++p)
                file.push_back(static_cast<std::uint8_t>(*p));
            break;
        case 2:
            for (int b = 0; b < 256; ++b)
                file.push_back(static_cast<std::uint8_t>(b));
            break;
        default:
            file.assign(300, '~');
            file.insert(file.end(), 200, 0x80);
            break;
    }
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::vector<std::uint8_t> file = FileFor(data[0]);
    std::atomic<int> run{1};
    corvix_fuzz::FuzzLine line(data + 1, size - 1, run);
    line.keepWritten = false;
    disk::DiskFiles files;
    const kermit::Offer offer = {.blockCheck = data[0] & 4 ? 3 : 1,
                                 .packetLength = data[0] & 8 ? 300 : 94,
                                 .slidingWindow = data[0] & 16 ? 4 : 1};
    kermit::KermitEngine engine(line, files, run, offer);
    line.Watch(&engine.Link());
    const kermit::Outcome result = engine.KermitSend("STAND12.DAT", file.data(), file.size());
    // A send ends done, failed or stopped, and stopped only by a cleared run flag.
    if (result != kermit::Outcome::Done && result != kermit::Outcome::Failed &&
        result != kermit::Outcome::Stopped && result != kermit::Outcome::FileRefused)
        std::abort();
    // Only a receiver that took attribute packets can refuse a file in its answer to one.
    if (result == kermit::Outcome::FileRefused && !engine.Link().InForce().attributes)
        std::abort();
    if (result == kermit::Outcome::Stopped && run.load() != 0) std::abort();
    // Each answer read can bring at most one packet (a resend); the first
    // packet of each of S, F, D..., Z, B goes without one, plus the final B;
    // a closing B that times out is sent again, retryLimit times at most.
    const std::size_t answers = (size - 1) / 5 + 1;
    if (line.packets > answers * 5 + file.size() + 16 + engine.RetryLimit()) std::abort();
    if ((line.checkTypesUsed & ~(1u << 1 | 1u << offer.blockCheck)) != 0) std::abort();
    return 0;
}
