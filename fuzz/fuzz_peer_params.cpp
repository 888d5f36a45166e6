// Whatever Send-Init parameters a peer announces: the acknowledgement built
// from them is well formed, every packet this side sends fits
// 94, and data encoded under the adopted settings decodes to itself on the
// peer's side (which decodes with this side's control prefix).
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "FuzzLine.h"

namespace {

// Every byte value, and runs of the prefixes and of 8-bit bytes around the
// repeat limit.
std::vector<std::uint8_t> Sample() {
    std::vector<std::uint8_t> sample;
    for (int b = 0; b < 256; ++b)
        sample.push_back(static_cast<std::uint8_t>(b));
    for (int b : {0, int('#'), int('&'), int('~'), 0xFE, 0xA3})
        for (int run : {2, 3, 94, 95})
            sample.insert(sample.end(), run, static_cast<std::uint8_t>(b));
    return sample;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const std::vector<std::uint8_t> sample = Sample();
    std::atomic<int> run{1};
    corvix_fuzz::FuzzLine line(nullptr, 0, run);
    kermit::KermitEngine engine(line, run);
    engine.ResetEngine();
    const int n = std::min<int>(data[0] % 95, static_cast<int>(size - 1));
    std::memcpy(engine.recvBuffer, data + 1, n);
    engine.ApplyPeerParams(n);

    if (engine.maxLen < 10 || engine.maxLen > 94) std::abort();
    engine.BuildAckParams();
    // The fields this side decides (EOL only echoes what the peer asked for).
    const std::uint8_t* ack = engine.sendBuffer;
    if (ack[0] != kermit::tochar(engine.maxLen) || ack[6] < 33 || ack[6] > 126 ||
        (ack[8] != '~' && ack[8] != ' '))
        std::abort();
    engine.PutPacket(9, 0, 'Y', engine.sendBuffer);  // the line checks LEN and framing

    engine.ctlPrefixIn = engine.ctlPrefixOut;
    std::size_t used = 0;
    std::vector<std::uint8_t> decoded;
    while (used < sample.size()) {
        const int consumed =
            engine.EncodeData(sample.data() + used, static_cast<int>(sample.size() - used));
        if (consumed <= 0) std::abort();
        engine.PutPacket(engine.encodedLen, 1, 'D', engine.sendBuffer);
        std::memcpy(engine.recvBuffer, engine.sendBuffer, engine.encodedLen);
        auto room = std::make_unique<std::uint8_t[]>(consumed);
        if (engine.DecodeData(room.get(), consumed, engine.encodedLen) != consumed) std::abort();
        decoded.insert(decoded.end(), room.get(), room.get() + consumed);
        used += consumed;
    }
    if (decoded != sample) std::abort();
    return 0;
}
