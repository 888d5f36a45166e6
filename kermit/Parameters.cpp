#include "kermit/KermitEngine.h"

namespace kermit {
namespace {

bool IsBinPrefix(int c) {
    return (c >= 33 && c <= 62) || (c >= 96 && c <= 126);
}

}  // namespace

// The nine Send-Init parameters this side offers in its S packet.
void KermitEngine::BuildInitParams() {
    const std::uint8_t params[9] = {
        static_cast<std::uint8_t>(tochar(maxLen)), '%', ' ', static_cast<std::uint8_t>(ctl(0)),
        static_cast<std::uint8_t>(tochar(eol)),    '#', 'Y', '1',
        static_cast<std::uint8_t>(repeatOffer)};
    std::copy(std::begin(params), std::end(params), sendBuffer);
}

// The parameters of an acknowledgement of the peer's S or I, built after the
// peer's parameters were adopted.
void KermitEngine::BuildAckParams() {
    BuildInitParams();
    const int qbin = IsBinPrefix(binPrefix) ? binPrefix : binPrefixRefused ? 'N' : 'Y';
    sendBuffer[6] = static_cast<std::uint8_t>(qbin);
    sendBuffer[8] = static_cast<std::uint8_t>(repeatPrefix != 0 ? repeatOffer : ' ');
}

void KermitEngine::ApplyPeerParams(int n) {
    const std::uint8_t* p = recvBuffer;
    if (n <= 0) {
        maxLen = 80;
    } else {
        const int m = unchar(p[0]);
        if (m < maxLen) maxLen = m;
        if (m < 10) maxLen = 80;
    }
    if (n >= 3) padCount = std::max(0, unchar(p[2]));
    if (n >= 4) padChar = ctl(p[3]) & 0xFF;
    if (n >= 5) eol = static_cast<std::uint8_t>(unchar(p[4]));
    if (n >= 6) ctlPrefixIn = p[5];
    if (n >= 7 && IsBinPrefix(p[6])) binPrefix = p[6];
    if (n >= 9 && p[8] == repeatOffer) repeatPrefix = repeatOffer;
    // Every prefix must differ from the others, or a character in the data
    // could be read two ways and the file would arrive changed. An 8-bit
    // prefix that is a control prefix is refused (the acknowledgement says
    // N); repeat counts give way to an 8-bit prefix or a control prefix "~".
    if (binPrefix != 0 && (binPrefix == ctlPrefixOut || binPrefix == ctlPrefixIn)) {
        binPrefix = 0;
        binPrefixRefused = true;
    }
    if (repeatPrefix != 0 && (repeatPrefix == binPrefix || repeatPrefix == ctlPrefixIn))
        repeatPrefix = 0;
}

}  // namespace kermit
