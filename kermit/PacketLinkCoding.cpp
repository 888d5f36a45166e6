#include <algorithm>
#include <cstring>

#include "kermit/BlockCheck.h"
#include "kermit/PacketLink.h"

namespace kermit {
namespace {

bool IsControl(int x) {
    return (x & 127) < 32 || (x & 127) == 127;
}

// The control characters that stay prefixed when the others go as they are:
// the set of C-Kermit's cautious prefixing, each for the harm it can do raw.
constexpr int kCautiousSet[] = {
    0,   // NUL: dropped by lines and terminal servers, ends C strings
    1,   // SOH: the packet mark (the mark in force is added besides)
    3,   // Ctrl-C: interrupts a program on a terminal line
    4,   // Ctrl-D: end of input on a terminal line
    10,  // LF: a line end that a line or a host may convert
    13,  // CR: the EOL this side asks for; a line end that may be converted
    14,  // SO: shift-out, switches the character set of a 7-bit line
    15,  // SI: shift-in, the same
    16,  // DLE: the escape of modems and packet switches
    17,  // XON: software flow control
    19,  // XOFF: software flow control
    21,  // Ctrl-U: erases the line on a terminal line
    24,  // Ctrl-X: cancels on terminals and servers
    25,  // Ctrl-Y: delayed suspend on a terminal line
    26,  // Ctrl-Z: suspends a program; end of file on some systems
    28,  // FS: Ctrl-\, a quit signal on a terminal line
    29,  // GS: Ctrl-], the escape of terminal programs
    30,  // RS: Ctrl-^, the escape of remote-login programs and terminal servers
    // 8-bit twins, which a device that reads 8-bit controls, or a line that
    // strips the eighth bit, takes as the one above: those of SOH, Ctrl-C,
    // Ctrl-D, LF, CR, DLE, XON, XOFF, Ctrl-U, Ctrl-Z, FS, GS and RS.
    129, 131, 132, 138, 141, 144, 145, 147, 149, 154, 156, 157, 158,
    255,  // the escape of the telnet protocol, which a terminal server speaks
};
// Not in the set, as in C-Kermit's: DEL and the twins of NUL, SO, SI,
// Ctrl-X and Ctrl-Y. A peer that agreed long packets or a window reads
// them raw, and leaving them so keeps the bytes on the line no more than
// C-Kermit's.

// How EncodeData codes a byte.
enum : std::uint8_t {
    kAsItIs = 0,
    kPrefixedControl = 1,  // the control prefix, then ctl(x)
    kPrefixedItself = 2,   // the control prefix, then x: a prefix character
};

// The mark, the EOL and the pad character in force, with their 8-bit twins.
void MarkPrefixed(std::uint8_t* table, int x) {
    if (!IsControl(x)) return;  // a printable EOL or pad cannot be prefixed away
    table[x & 127] = kPrefixedControl;
    table[(x & 127) | 128] = kPrefixedControl;
}

}  // namespace

bool PacketLink::PrefixesCautiously() const {
    if (offer_.prefixing != Prefixing::Automatic) return offer_.prefixing == Prefixing::Cautious;
    const Agreed& a = state_.agreed;
    return a.longLen > 0 || a.slidingWindowSize > 1;
}

// Fills the coding table of EncodeData for the parameters in force, when
// they have changed since it was last built: a control character to be
// prefixed goes as the control prefix and ctl(x); one of the prefixes in
// force goes after the control prefix; anything else as it is. Besides the
// cautious set the mark in force stays prefixed, which would start a packet;
// so do the EOL the peer asked for, which may end its read, and the pad
// character when pads are sent, which the peer may skip.
void PacketLink::BuildCodingTable() {
    const Agreed& a = state_.agreed;
    const CodingKey key{.built = true,
                        .cautious = PrefixesCautiously(),
                        .mark = a.mark,
                        .eol = a.eol,
                        .padChar = a.padCount > 0 ? a.padChar : -1,
                        .binPrefix = a.binPrefix,
                        .ctlPrefixOut = a.ctlPrefixOut,
                        .repeatPrefix = a.repeatPrefix};
    if (key == state_.codingKey) return;
    state_.codingKey = key;
    std::uint8_t* const table = state_.coding;
    for (int x = 0; x < 256; ++x)
        table[x] = !key.cautious && IsControl(x) ? kPrefixedControl : kAsItIs;
    if (key.cautious) {
        for (const int x : kCautiousSet)
            table[x] = kPrefixedControl;
        MarkPrefixed(table, a.mark);
        MarkPrefixed(table, a.eol);
        if (key.padChar >= 0) MarkPrefixed(table, key.padChar);
    }
    for (const int prefix : {a.binPrefix, a.ctlPrefixOut, a.repeatPrefix})
        if (prefix > 0 && prefix < 256 && !IsControl(prefix)) table[prefix] = kPrefixedItself;
}

// Fills sendBuffer with as much of src as one data field holds. A group (a
// repeat run or one byte with its prefixes) is never split across packets.
// With long packets in force a field holds what the agreed length leaves
// after the extended header and the check. Each byte goes as the coding
// table of BuildCodingTable says.
int PacketLink::EncodeData(const std::uint8_t* src, int n) {
    BuildCodingTable();
    const std::uint8_t* const coding = state_.coding;
    std::uint8_t* const field = state_.sendBuffer;
    const Agreed& a = state_.agreed;
    // LEN, SEQ, TYPE, LENX1, LENX2, HCHECK; room in sendBuffer for the group
    // that is written before it is known to fit.
    constexpr int kLongHeader = 6;
    constexpr int kGroupRoom = 6;
    const int limit = a.longLen > 0
                          ? std::min(a.longLen - kLongHeader + 2, kMaxPacketData - kGroupRoom)
                          : a.maxLen;
    // Copies, so that the stores into the field do not make them be read again.
    const int room = limit - 2 - CheckLength(a.checkType);
    const int repeatPrefix = a.repeatPrefix, binPrefix = a.binPrefix;
    const auto ctlPrefixOut = static_cast<std::uint8_t>(a.ctlPrefixOut);
    int out = 0;
    int i = 0;
    while (i < n) {
        const int groupStart = out;
        int x = src[i];
        int consumed = 1;
        if (repeatPrefix != 0 && i + 3 <= n && src[i + 1] == x && src[i + 2] == x) {
            while (consumed < 94 && i + consumed < n && src[i + consumed] == x)
                ++consumed;
            field[out++] = static_cast<std::uint8_t>(repeatPrefix);
            field[out++] = static_cast<std::uint8_t>(tochar(consumed));
        }
        if ((x & 128) != 0 && binPrefix != 0) {
            field[out++] = static_cast<std::uint8_t>(binPrefix);
            x &= 127;
        }
        const int how = coding[x];
        if (how != kAsItIs) {
            field[out++] = ctlPrefixOut;
            if (how == kPrefixedControl) x = ctl(x);
        }
        field[out++] = static_cast<std::uint8_t>(x);
        if (out > room) {
            out = groupStart;
            break;
        }
        i += consumed;
    }
    state_.encodedLen = out;
    return i;
}

// Decodes the first len characters of recvBuffer: the byte count, -1 when it
// does not fit capacity, kMalformed when the field does not decode whole (a
// group cut short by the end of the field, a repeat count below 1). No
// sender makes such a field; a damaged packet that passed its check does, and
// taking what decodes would write a file short.
int PacketLink::DecodeData(std::uint8_t* dst, int capacity, int len) {
    len = std::clamp(len, 0, static_cast<int>(sizeof state_.recvBuffer));
    return DecodeField(state_.recvBuffer, len, dst, capacity, state_.agreed.repeatPrefix,
                       state_.agreed.binPrefix, state_.agreed.ctlPrefixIn);
}

// DecodeData of any field with the given prefixes; with no dst it only
// counts (and checks) what the field decodes to.
int PacketLink::DecodeField(const std::uint8_t* src, int len, std::uint8_t* dst, int capacity,
                            int repeatPrefix, int binPrefix, int ctlPrefixIn) {
    int p = 0;
    int written = 0;
    while (p < len) {
        int a = src[p++];
        int count = 1;
        int high = 0;
        if (repeatPrefix != 0 && a == repeatPrefix) {
            if (p + 1 >= len) return kMalformed;
            count = unchar(src[p++]);
            if (count < 1) return kMalformed;
            a = src[p++];
        }
        if (binPrefix != 0 && a == binPrefix) {
            if (p >= len) return kMalformed;
            a = src[p++];
            high = 128;
        }
        int value = a | high;
        if (a == ctlPrefixIn) {
            if (p >= len) return kMalformed;
            value = src[p++] | high;
            if (IsControl(value ^ 64)) value ^= 64;
        }
        if (count > capacity - written) return -1;
        if (dst != nullptr) std::memset(dst + written, value, count);
        written += count;
    }
    return written;
}

}  // namespace kermit
