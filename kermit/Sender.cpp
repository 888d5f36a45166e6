#include <algorithm>
#include <cstring>

#include "kermit/KermitEngine.h"

namespace kermit {

// One packet of the answer. Only the closing B waits a bounded time: the
// peer's own time-out, or kDefaultPeerTimeout when it named none.
int KermitEngine::GetAnswer(AckKind kind, int& len, int& rseq, int& type) {
    if (kind != AckKind::Break) return GetPacket(len, rseq, type, recvBuffer);
    const int seconds = peerTimeout > 0 ? peerTimeout : kDefaultPeerTimeout;
    timed_ = true;
    deadline_ = port_.NowMs() + seconds * 1000;
    const int r = GetPacket(len, rseq, type, recvBuffer);
    timed_ = false;
    return r;
}

// Stop-and-wait: the last packet is resent on anything but its
// acknowledgement, so that it goes retryLimit times in all. kNoAnswer when
// every attempt went by without it.
int KermitEngine::AwaitAck(AckKind kind) {
    for (int attempt = 0; attempt < retryLimit; ++attempt) {
        int len = 0, rseq = 0, type = 0;
        if (GetAnswer(kind, len, rseq, type) < 0) {
            if (attempt + 1 < retryLimit) RepeatLastPacket();
            continue;
        }
        const bool initReply = kind == AckKind::Init && (type == 'I' || type == 'S');
        if ((type == 'Y' || initReply) && rseq == seq) {
            if (kind == AckKind::Init) {
                ApplyPeerParams(len);
                AgreeOnCheck(false);
                AgreeOnCapabilities(false);
            }
            seq = (seq + 1) & 63;
            return 0;
        }
        if (type == 'E') {
            SetStatusPlain(std::string_view(reinterpret_cast<const char*>(recvBuffer), len));
            return PeerError(len);
        }
        if (kind == AckKind::Data && RunFlagCleared()) {
            SetStatusPlain("QUIT");
            return -1;
        }
        if (attempt + 1 < retryLimit) RepeatLastPacket();
    }
    return kNoAnswer;
}

// The S and its acknowledgement carry a type-1 check whatever an earlier
// exchange agreed on (an I before a G command); the answer sets the check anew.
int KermitEngine::SendInit() {
    checkType = 1;
    PutPacket(BuildInitParams(), seq, 'S', sendBuffer);
    return AwaitAck(AckKind::Init) < 0 ? -1 : 0;
}

int KermitEngine::SendHeader(int type, const char* name) {
    const int length = static_cast<int>(std::strlen(name));
    if (EncodeData(reinterpret_cast<const std::uint8_t*>(name), length) < length) return -1;
    PutPacket(encodedLen, seq, type, sendBuffer);
    return AwaitAck(AckKind::Plain) < 0 ? -1 : 0;
}

// The data packets, one at a time or under the window agreed, then the Z.
int KermitEngine::SendFileData(const std::uint8_t* data, std::size_t length) {
    if (windowSize > 1) {
        if (SendWindowedData(data, length) < 0) return -1;
        PutPacket(0, seq, 'Z', nullptr);
        return AwaitAck(AckKind::Plain) < 0 ? -1 : 0;
    }
    std::size_t sent = 0;
    while (sent < length) {
        if (observer_ != nullptr) observer_->OnSendProgress(static_cast<std::uint32_t>(sent));
        const int offer = static_cast<int>(std::min<std::size_t>(DataOffer(), length - sent));
        const int consumed = EncodeData(data + sent, offer);
        if (consumed <= 0) return -1;
        PutPacket(encodedLen, seq, 'D', sendBuffer);
        if (AwaitAck(AckKind::Data) < 0) return -1;
        sent += static_cast<std::size_t>(consumed);
    }
    PutPacket(0, seq, 'Z', nullptr);
    return AwaitAck(AckKind::Plain) < 0 ? -1 : 0;
}

// The B after a failed transfer: a peer that gave up has usually left, or
// its E was lost, so each attempt waits at most the peer's time-out.
int KermitEngine::SendBreak() {
    PutPacket(0, seq, 'B', nullptr);
    return AwaitAck(AckKind::Break) < 0 ? -1 : 0;
}

// The B that ends a transaction whose Z was acknowledged: the peer has
// confirmed the file. A peer that has already left, or whose answer is lost,
// must not keep the transaction open, so each attempt waits at most the
// peer's time-out, and when none brings the answer the transaction counts as
// done. An E or a stop still fails it.
int KermitEngine::SendClosingBreak() {
    char status[sizeof statusText];
    std::memcpy(status, statusText, sizeof status);
    PutPacket(0, seq, 'B', nullptr);
    const int r = AwaitAck(AckKind::Break);
    if (r != kNoAnswer || RunFlagCleared()) return r < 0 ? -1 : 0;
    std::memcpy(statusText, status, sizeof status);
    return 0;
}

int KermitEngine::SendFile(const char* name, const std::uint8_t* data, std::size_t length) {
    ResetEngine();
    SetStatus(name);
    if (SendInit() < 0) return -1;
    if (SendHeader('F', name) < 0) return -1;
    if (SendFileData(data, length) < 0) return -1;
    return SendClosingBreak();
}

// One whole transaction. After a failure one more B tries to close the
// transaction on the peer's side; it waits a bounded time. The reason of the
// failure is kept: neither a stop during that wait nor the B's own failure
// may hide that the transfer had already failed.
int KermitEngine::KermitSend(const char* name, const std::uint8_t* data, std::size_t length) {
    if (SendFile(name, data, length) == 0) return 0;
    char reason[sizeof statusText];
    std::memcpy(reason, statusText, sizeof reason);
    SendBreak();
    if (std::strstr(reason, "QUIT") == nullptr) std::memcpy(statusText, reason, sizeof reason);
    return -1;
}

}  // namespace kermit
