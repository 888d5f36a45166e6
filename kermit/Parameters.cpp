#include "kermit/KermitEngine.h"

namespace kermit {
namespace {

bool IsBinPrefix(int c) {
    return (c >= 33 && c <= 62) || (c >= 96 && c <= 126);
}

}  // namespace

// The nine Send-Init parameters this side offers in its S packet.
void KermitEngine::BuildInitParams() {
    const std::uint8_t params[9] = {static_cast<std::uint8_t>(tochar(maxLen)),
                                    '%',
                                    ' ',
                                    static_cast<std::uint8_t>(ctl(0)),
                                    static_cast<std::uint8_t>(tochar(eol)),
                                    '#',
                                    'Y',
                                    static_cast<std::uint8_t>('0' + CheckOffered()),
                                    static_cast<std::uint8_t>(repeatOffer)};
    std::copy(std::begin(params), std::end(params), sendBuffer);
}

// The parameters of an acknowledgement of the peer's S or I, built after the
// peer's parameters were adopted; returns how many there are. The block check
// is the one the peer proposed. A peer that sent capability fields gets a
// tenth field saying none (no long packets, windows or attributes), so that
// it never reads past the end of the answer; any other peer gets nine.
int KermitEngine::BuildAckParams() {
    BuildInitParams();
    const int qbin = IsBinPrefix(binPrefix) ? binPrefix : binPrefixRefused ? 'N' : 'Y';
    sendBuffer[6] = static_cast<std::uint8_t>(qbin);
    sendBuffer[7] = static_cast<std::uint8_t>('0' + peerCheck);
    sendBuffer[8] = static_cast<std::uint8_t>(repeatPrefix != 0 ? repeatOffer : ' ');
    if (!peerHasCapas) return 9;
    sendBuffer[9] = static_cast<std::uint8_t>(tochar(0));
    return 10;
}

int KermitEngine::CheckOffered() const {
    return checkOffer == 3 ? 3 : 1;
}

// The block check in force after the Send-Init exchange. Answering the
// peer's S or I, this side takes what the peer proposed; reading the answer
// to its own S, type 3 is used only when both named it.
int KermitEngine::AgreeOnCheck(bool answering) {
    checkType = answering || peerCheck == CheckOffered() ? peerCheck : 1;
    return checkType;
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
    if (n >= 2) peerTimeout = std::max(0, unchar(p[1]));
    if (n >= 3) padCount = std::max(0, unchar(p[2]));
    if (n >= 4) padChar = ctl(p[3]) & 0xFF;
    if (n >= 5) eol = static_cast<std::uint8_t>(unchar(p[4]));
    if (n >= 6) ctlPrefixIn = p[5];
    if (n >= 7 && IsBinPrefix(p[6])) binPrefix = p[6];
    if (n >= 8 && (p[7] == '2' || p[7] == '3')) peerCheck = p[7] - '0';
    if (n >= 9 && p[8] == repeatOffer) repeatPrefix = repeatOffer;
    peerHasCapas = n >= 10;
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
