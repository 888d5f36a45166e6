#include "kermit/Receiver.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "kermit/FileNames.h"
#include "kermit/ReceiveSlidingWindow.h"

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

Receiver::Receiver(Exchange& exchange, Sender& sender)
    : ex_(exchange),
      sender_(sender),
      link_(exchange.link),
      state_(exchange.state),
      observer_(exchange.observer),
      files_(exchange.files),
      windowsNameRules_(exchange.files.WindowsNameRules()) {}

Receiver::~Receiver() = default;

void Receiver::SetFileName(std::string_view name) {
    const std::size_t n = std::min(name.size(), sizeof fileName_ - 1);
    std::memcpy(fileName_, name.data(), n);
    fileName_[n] = '\0';
    named_ = Named::File;
}

const char* Receiver::FileName() const {
    switch (named_) {
        case Named::Request:
            return request_;
        case Named::Answer:
            return answer_;
        case Named::File:
            break;
    }
    return fileName_;
}

Received Receiver::KermitReceive(char* nameBuffer, std::uint8_t* dataBuffer, int dataLength) {
    const Received result = ServeOnce(nameBuffer, dataBuffer, dataLength);
    if (FileName()[0] != '\0') CopyText(nameBuffer, kNameBufferSize, FileName());
    return result;
}

// A failed step of a transaction: a stop and a silent sender keep the
// status that says so; anything else takes `text`.
Received Receiver::ServeFailed(std::string_view text) {
    if (link_.Stopped()) return {Outcome::Stopped};
    if (state_.silentSeconds == 0) link_.SetStatus(text);
    return {Outcome::Failed};
}

// One file of a transaction received, or one request of the peer answered.
// A transaction that goes on after its file (the sender's next F has come)
// goes on with the next call.
Received Receiver::ServeOnce(const char* nameBuffer, std::uint8_t* dataBuffer, int dataLength) {
    CopyText(fileName_, sizeof fileName_, nameBuffer);
    named_ = Named::File;
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
Received Receiver::ReceiveBatchFile(std::uint8_t* buffer, int capacity) {
    // The sender was heard just now: its S, or the F kept from the last file.
    state_.heardAt = link_.NowMs();
    state_.underWay = true;
    const Header header = ReceiveHeader();
    if (header == Header::Failed) return ServeFailed("ERR: GETDATA");
    if (header == Header::Break)
        return AwaitNextHeader(false) ? Received{Outcome::Done} : ServeFailed("ERR: GETBRK");
    incoming_ = Incoming{};
    std::unique_ptr<IncomingFile> file = OpenReceivedFile();
    // Its status says why: refused, not made, or stopped.
    if (file == nullptr) return {link_.Ended(false)};
    if (observer_ != nullptr) observer_->OnReceiveFileOpened(fileName_);
    link_.PutPacket(0, state_.seq, packet::Ack, nullptr);
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
void Receiver::AnswerInit(int len) {
    link_.ApplyPeerParams(len);
    link_.AgreeOnCapabilities(true);
    link_.UseCheck(1);
    link_.PutPacket(link_.BuildAckParams(), 0, packet::Ack, link_.SendBuffer());
}

// The server's idle loop: waits for S, R or G for as long as it takes. A
// packet that does not come whole (noise, a bad check) is answered with N, an
// I with this side's parameters, any other packet with E; an E of the peer's
// has no transaction to end and is passed over. Only a stop ends the wait.
Command Receiver::WaitForCommand() {
    ex_.Reset();
    link_.PutPacket(0, 0, packet::Nak, nullptr);
    for (;;) {
        // A line that streams packets may never leave the reader waiting.
        if (link_.RunFlagCleared()) {
            link_.Stop();
            return Command::None;
        }
        int len = 0, rseq = 0, type = 0;
        if (!link_.GetPacket(len, rseq, type)) {
            if (link_.Stopped()) return Command::None;
            link_.PutPacket(0, 0, packet::Nak, nullptr);
            continue;
        }
        if (type == packet::Error) continue;
        if (rseq == 0 && (type == packet::SendInit || type == packet::Init)) {
            AnswerInit(len);
            // An I changes no block check: C-Kermit sends the R or G that
            // follows it with type 1, and the answer agrees on its own.
            if (type == packet::Init) continue;
            link_.AgreeOnCheck(true);
            return Command::SendInit;
        }
        if (rseq == 0 && (type == packet::Request || type == packet::Generic)) {
            const std::optional<Command> request = TakeRequest(type, len);
            if (request) return *request;
            continue;
        }
        ex_.SendError(kUnknownCommand);
        ex_.Reset();
    }
}

// The R or G just read, its data field `len` long: its argument taken as the
// request. Nothing when the field does not decode whole (answered with N).
std::optional<Command> Receiver::TakeRequest(int type, int len) {
    named_ = Named::Request;
    const int n = link_.DecodeData(reinterpret_cast<std::uint8_t*>(request_), kNameSize - 1, len);
    if (n == PacketLink::kMalformed) {
        link_.SetStatus("CHKSUM");
        link_.PutPacket(0, 0, packet::Nak, nullptr);
        return std::nullopt;
    }
    if (n < 0) {
        request_[0] = '\0';
        ex_.SendError("NAME TOO LONG");
        link_.SetStatus("NAME TOO LONG");
        return Command::Refused;
    }
    request_[n] = '\0';
    link_.SetStatusPlain(request_);
    return type == packet::Request ? Command::FileRequest : Command::Generic;
}

// R: the peer asks for a file. It is served from the receive folder, by plain
// name only (a file that did not arrive whole never); anything else is refused with an E packet,
// and the server goes on: the caller takes RequestRefused as an answered request with nothing to
// report.
Received Receiver::ServeFileRequest() {
    std::unique_ptr<SendSource> source;
    if (IsPlainFileName(request_, windowsNameRules_))
        source = files_.OpenToServe(receiveFolder_ / files_.PathFromName(request_));
    if (source == nullptr) {
        ex_.SendError("FILE NOT FOUND");
        link_.SetStatus("ERR: NOFILE");
        request_[0] = '\0';
        return {Outcome::RequestRefused};
    }
    CopyText(fileName_, sizeof fileName_, request_);
    named_ = Named::File;
    ex_.Reset();
    if (!sender_.SendInit()) return ServeFailed("ERR: SNDINIT");
    if (!sender_.SendHeader(packet::FileHeader, fileName_)) return ServeFailed("ERR: FILEHDR");
    if (!sender_.SendFileData(*source)) return ServeFailed("ERR: SNDDATA");
    if (!sender_.SendClosingBreak()) return ServeFailed("ERR: SNDBRK!");
    lastTransaction_ = Transaction::FileServed;
    return {Outcome::Done};
}

// G: a generic command. D sends back the name buffer's text; B, L and F log
// out; any other is refused with an E packet.
// The answer keeps the block check that an I exchange agreed on.
Received Receiver::ServeGenericCommand(const char* nameBuffer) {
    const int agreed = link_.InForce().checkType;
    ex_.Reset();
    link_.UseCheck(agreed);
    const char command = request_[0];
    if (command == '\0' || command == 'D') {
        if (!sender_.SendInit()) return ServeFailed("ERR: SNDINIT");
        if (!sender_.SendHeader(packet::Text, "")) return ServeFailed("ERR: FILEHDR");
        CopyText(answer_, sizeof answer_ - 2, nameBuffer);
        std::strcat(answer_, "\r\n");
        named_ = Named::Answer;
        const auto* text = reinterpret_cast<const std::uint8_t*>(answer_);
        if (!sender_.SendFileData(text, std::strlen(answer_))) return ServeFailed("ERR: SNDDATA");
        if (!sender_.SendClosingBreak()) return ServeFailed("ERR: SNDBRK!");
        lastTransaction_ = Transaction::TextAnswered;
        return {Outcome::Done};
    }
    // Finish and logout alike: the caliper is done with the server for now.
    // A logout leaves the server to wait for the next session; a finish
    // asks it to stop serving, as Kermit servers do.
    if (command == 'B' || command == 'L' || command == 'F') {
        CopyText(answer_, sizeof answer_, kLogout.data());
        named_ = Named::Answer;
        link_.PutPacket(0, state_.seq, packet::Ack, nullptr);
        lastTransaction_ = command == 'F' ? Transaction::Finished : Transaction::LoggedOut;
        return {Outcome::Done};
    }
    // Refused, and the server goes on; the command is no name to report.
    ex_.SendError(kUnknownCommand);
    link_.SetStatus("ERR: UNKNOWN");
    request_[0] = '\0';
    return {Outcome::RequestRefused};
}

}  // namespace kermit
