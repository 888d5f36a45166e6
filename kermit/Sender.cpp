#include <algorithm>
#include <cstring>

#include "kermit/KermitEngine.h"

namespace kermit {

// Stop-and-wait: the last packet is resent on anything but its
// acknowledgement, so that it goes retryLimit times in all.
int KermitEngine::AwaitAck(AckKind kind) {
    for (int attempt = 0; attempt < retryLimit; ++attempt) {
        int len = 0, rseq = 0, type = 0;
        if (GetPacket(len, rseq, type, recvBuffer) < 0) {
            if (attempt + 1 < retryLimit) RepeatLastPacket();
            continue;
        }
        const bool initReply = kind == AckKind::Init && (type == 'I' || type == 'S');
        if ((type == 'Y' || initReply) && rseq == seq) {
            if (kind == AckKind::Init) ApplyPeerParams(len);
            seq = (seq + 1) & 63;
            return 0;
        }
        if (type == 'E') {
            SetStatusPlain(std::string_view(reinterpret_cast<const char*>(recvBuffer), len));
            return -1;
        }
        if (kind == AckKind::Data && RunFlagCleared()) {
            SetStatusPlain("QUIT");
            return -1;
        }
        if (attempt + 1 < retryLimit) RepeatLastPacket();
    }
    return -1;
}

int KermitEngine::SendInit() {
    BuildInitParams();
    PutPacket(9, seq, 'S', sendBuffer);
    return AwaitAck(AckKind::Init);
}

int KermitEngine::SendHeader(int type, const char* name) {
    const int length = static_cast<int>(std::strlen(name));
    if (EncodeData(reinterpret_cast<const std::uint8_t*>(name), length) < length) return -1;
    PutPacket(encodedLen, seq, type, sendBuffer);
    return AwaitAck(AckKind::Plain);
}

int KermitEngine::SendFileData(const std::uint8_t* data, std::size_t length) {
    std::size_t sent = 0;
    while (sent < length) {
        if (observer_ != nullptr) observer_->OnSendProgress(static_cast<std::uint32_t>(sent));
        const int offer = static_cast<int>(std::min<std::size_t>(8192, length - sent));
        const int consumed = EncodeData(data + sent, offer);
        if (consumed <= 0) return -1;
        PutPacket(encodedLen, seq, 'D', sendBuffer);
        if (AwaitAck(AckKind::Data) < 0) return -1;
        sent += static_cast<std::size_t>(consumed);
    }
    PutPacket(0, seq, 'Z', nullptr);
    return AwaitAck(AckKind::Plain);
}

int KermitEngine::SendBreak() {
    PutPacket(0, seq, 'B', nullptr);
    return AwaitAck(AckKind::Plain);
}

int KermitEngine::SendFile(const char* name, const std::uint8_t* data, std::size_t length) {
    ResetEngine();
    SetStatus(name);
    if (SendInit() < 0) return -1;
    if (SendHeader('F', name) < 0) return -1;
    if (SendFileData(data, length) < 0) return -1;
    return SendBreak();
}

// One whole transaction. After a failure one more B tries to close the
// transaction on the peer's side. The reason of the failure is kept: when the
// peer does not answer that B, only a stop ends the wait, and the stop must
// not hide that the transfer had already failed.
int KermitEngine::KermitSend(const char* name, const std::uint8_t* data, std::size_t length) {
    if (SendFile(name, data, length) == 0) return 0;
    char reason[sizeof statusText];
    std::memcpy(reason, statusText, sizeof reason);
    SendBreak();
    if (std::strstr(reason, "QUIT") == nullptr) std::memcpy(statusText, reason, sizeof reason);
    return -1;
}

}  // namespace kermit
