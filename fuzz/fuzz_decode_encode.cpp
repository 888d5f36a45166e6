// The data coding: any bytes, encoded in packets under any prefix settings
// and any choice of control prefixing this side can agree to, decode to
// themselves; every data field fits the packet length in force and carries
// none of the line's own characters raw. Any received field decodes without
// writing past the room it is given.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "FuzzLine.h"

namespace {

// 8-bit prefixes this side can end up with: printable, and neither the
// control prefix nor the repeat prefix.
constexpr char kBinPrefixes[] = "!\"$%&'()*+,-./0123456789:;<=>`abcdefghijklmnopqrstuvwxyz{|}";

bool IsControl(int c) {
    return (c & 127) < 32 || (c & 127) == 127;
}

// A control character that must never go raw, whatever the prefixing: the
// mark, the EOL and the pad character (when pads go) and their 8-bit twins, NUL, CR,
// LF, XON, XOFF, the twins of the last four, and 255.
bool MustBePrefixed(const kermit::Agreed& a, int c) {
    if (!IsControl(c)) return false;
    const int low = c & 127;
    for (const int line : {a.mark & 127, a.eol & 127})
        if (low == line) return true;
    if (a.padCount > 0 && low == (a.padChar & 127)) return true;
    if (c == 0 || c == 255) return true;
    return low == 10 || low == 13 || low == 17 || low == 19;
}

void RoundTrip(kermit::PacketLink& link, const std::uint8_t* src, int n) {
    std::vector<std::uint8_t> decoded;
    int used = 0;
    while (used < n) {
        const int consumed = link.EncodeData(src + used, n - used);
        if (consumed <= 0 || link.EncodedLen() + 3 > link.InForce().maxLen) std::abort();
        for (int i = 0; i < link.EncodedLen(); ++i)
            if (MustBePrefixed(link.InForce(), link.SendBuffer()[i])) std::abort();
        link.SetReceivedField(link.SendBuffer(), link.EncodedLen());
        // Exactly the room the consumed bytes need: one more would overflow.
        auto room = std::make_unique<std::uint8_t[]>(consumed);
        if (link.DecodeData(room.get(), consumed, link.EncodedLen()) != consumed) std::abort();
        decoded.insert(decoded.end(), room.get(), room.get() + consumed);
        used += consumed;
    }
    if (decoded.size() != static_cast<std::size_t>(n) ||
        (n > 0 && std::memcmp(decoded.data(), src, n) != 0))
        std::abort();
}

void DecodeAnything(kermit::PacketLink& link, const std::uint8_t* src, int n, int capacity) {
    const int len = std::min(n, 94);
    link.SetReceivedField(src, len);
    auto room = std::make_unique<std::uint8_t[]>(capacity + 1);
    const int written = link.DecodeData(room.get(), capacity, len);
    // -1: it did not fit; kMalformed: it does not decode whole.
    const bool refused = written == -1 || written == kermit::PacketLink::kMalformed;
    if ((written < 0 && !refused) || written > capacity) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    std::atomic<int> run{1};
    corvix_fuzz::FuzzLine line(nullptr, 0, run);
    // Bits 1 and 2 of the second byte choose the prefixing (automatic,
    // cautious, all); bit 3 puts a window in force, which makes automatic
    // cautious; bits 4 to 7 pick the peer's EOL and pad character.
    constexpr kermit::Prefixing kChoices[] = {kermit::Prefixing::Automatic,
                                              kermit::Prefixing::Cautious, kermit::Prefixing::All,
                                              kermit::Prefixing::Automatic};
    kermit::PacketLink link(line, run, {.prefixing = kChoices[(data[1] >> 1) & 3]});
    kermit::Agreed agreed;
    const int binChoice = data[0] % (sizeof kBinPrefixes);  // the last one is "off"
    agreed.binPrefix = kBinPrefixes[binChoice];
    agreed.repeatPrefix = (data[1] & 1) != 0 ? link.Offered().repeatPrefix : 0;
    agreed.slidingWindowSize = (data[1] & 8) != 0 ? 4 : 1;
    agreed.eol = static_cast<std::uint8_t>((data[1] >> 4) * 2 + 1);  // 1 to 31, odd
    agreed.padChar = (data[1] >> 4) + (data[0] & 16);                // 0 to 31
    agreed.padCount = (data[0] & 32) != 0 ? 1 : 0;
    agreed.maxLen = 10 + data[2] % 85;
    link.SetInForce(agreed);
    const int n = static_cast<int>(std::min<std::size_t>(size - 3, 20000));
    RoundTrip(link, data + 3, n);
    agreed.ctlPrefixIn = 33 + data[1] % 94;
    link.SetInForce(agreed);
    DecodeAnything(link, data + 3, n, data[2] % 300);
    return 0;
}
