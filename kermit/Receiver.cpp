#include <cstring>
#include <vector>

#include "kermit/BlockCheck.h"
#include "kermit/FileNames.h"
#include "kermit/KermitEngine.h"

namespace kermit {
namespace {

constexpr std::string_view kUnknownCommand = "UNKNOWN COMMAND";
constexpr std::string_view kLogout = "LOGOUT      ";

void CopyText(char* dst, std::size_t size, const char* src) {
    std::size_t n = std::strlen(src);
    if (n > size - 1) n = size - 1;
    std::memmove(dst, src, n);
    dst[n] = '\0';
}

}  // namespace

void KermitEngine::SendError(std::string_view text) {
    // Cut to what a short packet of the peer's length holds.
    const Agreed& agreed = link_.InForce();
    const int n = link_.PutText(text, agreed.maxLen - 2 - CheckLength(agreed.checkType));
    link_.PutPacket(n, state_.seq, 'E', link_.SendBuffer());
}

// The E packet just read (its data field `len` long, the link's received
// field) ended the transfer: the observer hears the peer's message.
void KermitEngine::PeerError(int len) {
    if (observer_ == nullptr) return;
    std::uint8_t text[kMaxPacketData];
    const int n = link_.DecodeFrom(link_.ReceivedField(), len, text, sizeof text);
    if (n >= 0)
        observer_->OnPeerError(std::string(reinterpret_cast<const char*>(text), n));
    else
        observer_->OnPeerError(
            std::string(reinterpret_cast<const char*>(link_.ReceivedField()), len));
}

Received KermitEngine::KermitReceive(char* nameBuffer, std::uint8_t* dataBuffer, int dataLength) {
    const Received result = ServeOnce(nameBuffer, dataBuffer, dataLength);
    if (fileName_[0] != '\0') CopyText(nameBuffer, kNameBufferSize, fileName_);
    return result;
}

Received KermitEngine::ServeFailed(std::string_view text) {
    link_.SetStatus(text);
    return {Outcome::Failed};
}

// One file of a transaction received, or one request of the peer answered.
// A transaction that goes on after its file (the sender's next F has come)
// goes on with the next call.
Received KermitEngine::ServeOnce(const char* nameBuffer, std::uint8_t* dataBuffer, int dataLength) {
    CopyText(fileName_, sizeof fileName_, nameBuffer);
    lastTransaction_ = Transaction::None;
    if (state_.nextHeaderLen >= 0) return ReceiveBatchFile(dataBuffer, dataLength);
    switch (WaitForCommand()) {
        case Command::SendInit:
            return ReceiveBatchFile(dataBuffer, dataLength);
        case Command::FileRequest:
            return ServeFileRequest();
        case Command::Generic:
            return ServeGenericCommand(nameBuffer);
        case Command::Refused:
            return {Outcome::RequestRefused};
        case Command::None:
            break;
    }
    return {link_.Ended(false)};
}

// One file of a transaction with the parameters of its S, then the packet
// that follows it: the next F, kept for the next call, or the B. A file that
// this side refused, or that did not come whole, lets the transaction go on. A B in place
// of the first header ends the transaction with no file.
Received KermitEngine::ReceiveBatchFile(std::uint8_t* buffer, int capacity) {
    const Header header = ReceiveHeader();
    if (header == Header::Failed) return ServeFailed("ERR: GETDATA");
    if (header == Header::Break)
        return AwaitNextHeader(false) ? Received{Outcome::Done} : ServeFailed("ERR: GETBRK");
    incoming_ = Incoming{};
    std::unique_ptr<IncomingFile> file = OpenReceivedFile();
    if (file == nullptr) return ServeFailed("ERR: GETDATA");
    if (observer_ != nullptr) observer_->OnReceiveFileOpened(fileName_);
    link_.PutPacket(0, state_.seq, 'Y', nullptr);
    const Received received = ReceiveData(*file, buffer, capacity);
    file.reset();
    if (received.outcome == Outcome::Failed) return ServeFailed("ERR: GETDATA");
    if (!AwaitNextHeader(true)) return ServeFailed("ERR: GETBRK");
    if (received.outcome == Outcome::FileDiscarded) link_.SetStatus("DISCARDED");
    if (received.outcome == Outcome::FileRefused) link_.SetStatus("REFUSED");
    if (received.outcome == Outcome::FileNotWhole) link_.SetStatus("NOT WHOLE");
    if (received.outcome == Outcome::Done) lastTransaction_ = Transaction::FileReceived;
    return received;
}

// Takes the parameters of the peer's S or I (its data field `len` long) and
// acknowledges it with this side's.
void KermitEngine::AnswerInit(int len) {
    link_.ApplyPeerParams(len);
    link_.AgreeOnCapabilities(true);
    link_.UseCheck(1);
    link_.PutPacket(link_.BuildAckParams(), 0, 'Y', link_.SendBuffer());
}

// The server's idle loop: waits for S, I, R or G; three attempts that bring
// none of S, R and G end it.
Command KermitEngine::WaitForCommand() {
    ResetEngine();
    link_.PutPacket(0, 0, 'N', nullptr);
    int attempts = 0;
    bool lastReadFailed = false;
    int len = 0;
    while (attempts < 3) {
        int rseq = 0, type = 0;
        lastReadFailed = !link_.GetPacket(len, rseq, type);
        if (lastReadFailed) {
            link_.PutPacket(0, 0, 'N', nullptr);
            ++attempts;
            continue;
        }
        if (type == 'E') {
            PeerError(len);
            break;
        }
        if (rseq == 0 && (type == 'S' || type == 'I')) {
            AnswerInit(len);
            // An I changes no block check: C-Kermit sends the R or G that
            // follows it with type 1, and the answer agrees on its own.
            if (type == 'S') {
                link_.AgreeOnCheck(true);
                return Command::SendInit;
            }
            ++attempts;
            continue;
        }
        if (rseq == 0 && (type == 'R' || type == 'G')) {
            const int n =
                link_.DecodeData(reinterpret_cast<std::uint8_t*>(fileName_), kNameSize - 1, len);
            if (n == PacketLink::kMalformed) {
                lastReadFailed = true;
                link_.SetStatus("CHKSUM");
                link_.PutPacket(0, 0, 'N', nullptr);
                ++attempts;
                continue;
            }
            if (n < 0) {
                fileName_[0] = '\0';
                SendError("NAME TOO LONG");
                link_.SetStatus("NAME TOO LONG");
                return Command::Refused;
            }
            fileName_[n] = '\0';
            link_.SetStatusPlain(fileName_);
            return type == 'R' ? Command::FileRequest : Command::Generic;
        }
        SendError(kUnknownCommand);
        ResetEngine();
        ++attempts;
    }
    if (!lastReadFailed && !link_.Stopped()) {
        link_.SetStatusPlain(
            std::string_view(reinterpret_cast<const char*>(link_.ReceivedField()), len));
    }
    return Command::None;
}

// R: the peer asks for a file. It is served from the receive folder, by plain
// name only (a file that did not arrive whole never); anything else is refused with an E packet,
// and the server goes on: the caller takes RequestRefused as an answered request with nothing to
// report.
Received KermitEngine::ServeFileRequest() {
    std::unique_ptr<SendSource> source;
    if (IsPlainFileName(fileName_, windowsNameRules_))
        source = files_.OpenToServe(receiveFolder_ / files_.PathFromName(fileName_));
    if (source == nullptr) {
        SendError("FILE NOT FOUND");
        link_.SetStatus("ERR: NOFILE");
        fileName_[0] = '\0';
        return {Outcome::RequestRefused};
    }
    ResetEngine();
    if (!SendInit()) return ServeFailed("ERR: SNDINIT");
    if (!SendHeader('F', fileName_)) return ServeFailed("ERR: FILEHDR");
    if (!SendFileData(*source)) return ServeFailed("ERR: SNDDATA");
    if (!SendClosingBreak()) return ServeFailed("ERR: SNDBRK!");
    lastTransaction_ = Transaction::FileServed;
    return {Outcome::Done};
}

// G: a generic command. D sends back the name buffer's text; B and L log out.
// The answer keeps the block check that an I exchange agreed on.
Received KermitEngine::ServeGenericCommand(const char* nameBuffer) {
    const int agreed = link_.InForce().checkType;
    ResetEngine();
    link_.UseCheck(agreed);
    const char command = fileName_[0];
    if (command == '\0' || command == 'D') {
        if (!SendInit()) return ServeFailed("ERR: SNDINIT");
        if (!SendHeader('X', "")) return ServeFailed("ERR: FILEHDR");
        CopyText(fileName_, sizeof fileName_ - 2, nameBuffer);
        std::strcat(fileName_, "\r\n");
        const auto* text = reinterpret_cast<const std::uint8_t*>(fileName_);
        if (!SendFileData(text, std::strlen(fileName_))) return ServeFailed("ERR: SNDDATA");
        if (!SendClosingBreak()) return ServeFailed("ERR: SNDBRK!");
        lastTransaction_ = Transaction::TextAnswered;
        return {Outcome::Done};
    }
    if (command == 'B' || command == 'L') {
        CopyText(fileName_, sizeof fileName_, kLogout.data());
        link_.PutPacket(0, state_.seq, 'Y', nullptr);
        lastTransaction_ = Transaction::LoggedOut;
        return {Outcome::Done};
    }
    SendError(kUnknownCommand);
    return ServeFailed("ERR: UNKNOWN");
}

}  // namespace kermit
