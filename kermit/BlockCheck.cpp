#include "kermit/BlockCheck.h"

namespace kermit {
namespace {

constexpr std::uint8_t Printable(int x) {
    return static_cast<std::uint8_t>((x & 63) + 32);
}

}  // namespace

int CheckLength(int type) {
    return type == 2 || type == 3 ? type : 1;
}

void MakeCheck(int type, int sum, std::uint16_t crc, std::uint8_t* out) {
    switch (CheckLength(type)) {
        case 3:
            out[0] = Printable(crc >> 12 & 15);
            out[1] = Printable(crc >> 6);
            out[2] = Printable(crc);
            return;
        case 2:
            out[0] = Printable(sum >> 6);
            out[1] = Printable(sum);
            return;
        default:
            out[0] = Printable(sum + ((sum >> 6) & 3));
    }
}

// Four bits at a time, low bits first, as Kermit computes it.
std::uint16_t Crc16Step(std::uint16_t crc, std::uint8_t c) {
    unsigned r = crc;
    unsigned q = (r ^ c) & 15;
    r = (r >> 4) ^ (q * 010201);
    q = (r ^ (c >> 4)) & 15;
    r = (r >> 4) ^ (q * 010201);
    return static_cast<std::uint16_t>(r);
}

}  // namespace kermit
