// The data coding: any bytes, encoded in packets under any prefix settings
// this side can agree to, decode to themselves; every data field fits the
// packet length in force. Any received field decodes without writing past
// the room it is given.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "FuzzLine.h"
#include "disk/DiskFiles.h"

namespace {

// 8-bit prefixes this side can end up with: printable, and neither the
// control prefix nor the repeat prefix.
constexpr char kBinPrefixes[] = "!\"$%&'()*+,-./0123456789:;<=>`abcdefghijklmnopqrstuvwxyz{|}";

void RoundTrip(kermit::KermitEngine& engine, const std::uint8_t* src, int n) {
    std::vector<std::uint8_t> decoded;
    int used = 0;
    while (used < n) {
        const int consumed = engine.EncodeData(src + used, n - used);
        if (consumed <= 0 || engine.encodedLen + 3 > engine.maxLen) std::abort();
        std::memcpy(engine.recvBuffer, engine.sendBuffer, engine.encodedLen);
        // Exactly the room the consumed bytes need: one more would overflow.
        auto room = std::make_unique<std::uint8_t[]>(consumed);
        if (engine.DecodeData(room.get(), consumed, engine.encodedLen) != consumed) std::abort();
        decoded.insert(decoded.end(), room.get(), room.get() + consumed);
        used += consumed;
    }
    if (decoded.size() != static_cast<std::size_t>(n) ||
        (n > 0 && std::memcmp(decoded.data(), src, n) != 0))
        std::abort();
}

void DecodeAnything(kermit::KermitEngine& engine, const std::uint8_t* src, int n, int capacity) {
    const int len = std::min(n, 94);
    std::memcpy(engine.recvBuffer, src, len);
    auto room = std::make_unique<std::uint8_t[]>(capacity + 1);
    const int written = engine.DecodeData(room.get(), capacity, len);
    // -1: it did not fit; kMalformed: it does not decode whole.
    const bool refused = written == -1 || written == kermit::KermitEngine::kMalformed;
    if ((written < 0 && !refused) || written > capacity) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    std::atomic<int> run{1};
    corvix_fuzz::FuzzLine line(nullptr, 0, run);
    disk::DiskFiles files;
    kermit::KermitEngine engine(line, files, run);
    engine.ResetEngine();
    const int binChoice = data[0] % (sizeof kBinPrefixes);  // the last one is "off"
    engine.binPrefix = kBinPrefixes[binChoice];
    engine.repeatPrefix = (data[1] & 1) != 0 ? engine.repeatOffer : 0;
    engine.maxLen = 10 + data[2] % 85;
    const int n = static_cast<int>(std::min<std::size_t>(size - 3, 20000));
    RoundTrip(engine, data + 3, n);
    engine.ctlPrefixIn = 33 + data[1] % 94;
    DecodeAnything(engine, data + 3, n, data[2] % 300);
    return 0;
}
