#include "kermit/Receiver.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "kermit/FileNames.h"

namespace kermit {

// The receiver counts as the sender does: its last packet goes retryLimit
// times in all, so the last failed attempt of a wait sends nothing more.
void Receiver::RepeatUnlessLast(int attempt) {
    if (attempt + 1 < state_.retryLimit) link_.RepeatLastPacket();
}

// A repeat of the packet this side last answered that had arrived, whole,
// before the answer went out. The peer sent it before it could see the
// answer (a sender that took a stale NAK, or resent while a question was on
// the screen), so it asks for nothing: answering it again would make the peer
// send every following packet twice, and counting it would spend the
// attempts of the wait on packets already answered. It is passed over.
bool Receiver::StaleRepeat(int rseq) const {
    return rseq == state_.seq && link_.ReadBeforeLastWrite();
}

// A packet a wait could not use: a stale repeat costs no attempt; anything
// else is noted and answered with this side's last answer again.
void Receiver::PassOver(int rseq, int type, int& attempt) {
    if (StaleRepeat(rseq)) {
        --attempt;
        return;
    }
    ex_.SawUnusable(rseq, type, (state_.seq + 1) & 63);
    RepeatUnlessLast(attempt);
}

// The sender's next packet. The sender has spoken (its S came), so a wait
// that hears nothing for its time-out is answered with this side's last
// answer again, as the protocol has a receiver do, and counts no attempt;
// once the sender has said nothing for the whole silence limit the wait
// ends as Silent, with the status and SilentSeconds() set. A stop ends it
// as Unread at once.
Receiver::Heard Receiver::HearSender(int& len, int& rseq, int& type) {
    for (;;) {
        // The last wait ends with the limit, not at the next time-out after it.
        const std::int64_t left = ex_.SilenceLimitMs() - (link_.NowMs() - state_.heardAt);
        const int waitMs = static_cast<int>(std::clamp<std::int64_t>(left, 1, ex_.AnswerWaitMs()));
        const bool got = link_.GetPacketWhileHeard(waitMs, len, rseq, type);
        if (!link_.TimedOut()) {
            if (!link_.RunFlagCleared()) state_.heardAt = link_.NowMs();
            if (!got) state_.seen = Failure::Damaged;
            return got ? Heard::Packet : Heard::Unread;
        }
        if (ex_.SilentTooLong(state_.heardAt)) {
            link_.SetStatus("NO DATA");
            return Heard::Silent;
        }
        link_.RepeatLastPacket();
    }
}

// The sender fell silent for the whole silence limit: it hears so, should it
// wake, and what arrived of the file is kept as not whole.
Received Receiver::SenderSilent(IncomingFile* file) {
    const PacketLink::SavedStatus status = link_.SaveStatus();
    ex_.SendError(kTimedOut);
    link_.RestoreStatus(status);
    if (file != nullptr) return NotReceived(*file);
    return {Outcome::Failed};
}

// The next packet of the header wait: the sender's F that was read after the
// last file's Z, when there is one, else one from the line.
Receiver::Heard Receiver::TakeHeader(int& len, int& rseq, int& type) {
    if (state_.nextHeaderLen < 0) return HearSender(len, rseq, type);
    len = state_.nextHeaderLen;
    rseq = state_.nextHeaderSeq;
    type = packet::FileHeader;
    link_.SetReceivedField(state_.nextHeader, state_.nextHeaderLen);
    state_.nextHeaderLen = -1;
    return Heard::Packet;
}

// Phase 1: waits for the file header. Taken with the header taken, Break when
// the peer ended the transaction with B instead, Failed on failure.
Receiver::Header Receiver::ReceiveHeader() {
    for (int attempt = 0; attempt < state_.retryLimit; ++attempt) {
        int len = 0, rseq = 0, type = 0;
        const Heard heard = TakeHeader(len, rseq, type);
        if (heard == Heard::Silent) {
            SenderSilent(nullptr);
            return Header::Failed;
        }
        if (heard == Heard::Unread) {
            if (link_.RunFlagCleared()) return Header::Failed;
            RepeatUnlessLast(attempt);
            continue;
        }
        if (type == packet::FileHeader && rseq == ((state_.seq + 1) & 63)) {
            const int n =
                link_.DecodeData(reinterpret_cast<std::uint8_t*>(fileName_), kNameSize - 1, len);
            if (n == PacketLink::kMalformed) {
                RepeatUnlessLast(attempt);
                continue;
            }
            state_.seq = rseq;
            return TakeFileName(n);
        }
        if (type == packet::Error) {
            ex_.PeerError(len);
            return Header::Failed;
        }
        if (type == packet::Break) {
            link_.PutPacket(0, state_.seq, packet::Ack, nullptr);
            state_.underWay = false;
            return Header::Break;
        }
        if (link_.RunFlagCleared()) return Header::Failed;
        PassOver(rseq, type, attempt);
    }
    ex_.Fail(state_.seen);
    return Header::Failed;
}

// The name of the header just decoded, `n` bytes long, or negative when it
// did not fit: then the peer and the observer hear that it was refused.
Receiver::Header Receiver::TakeFileName(int n) {
    if (n < 0) {
        fileName_[0] = '\0';
        if (observer_ != nullptr) observer_->ShowNameRefused(kNameSize - 1);
        ex_.SendError("NAME TOO LONG");
        return Header::Failed;
    }
    fileName_[n] = '\0';
    // A reserved device name gains a character: cut to the buffer.
    const std::string plain = PlainFileName(fileName_, windowsNameRules_).substr(0, kNameSize - 1);
    std::memcpy(fileName_, plain.c_str(), plain.size() + 1);
    link_.SetStatusPlain(fileName_);
    return Header::Taken;
}

// Starts the file named by the header in the receive folder, asking before an
// existing file is replaced. A Save As may change the folder and the name.
// Nothing at the target changes before the file has arrived whole.
std::unique_ptr<IncomingFile> Receiver::OpenReceivedFile() {
    std::filesystem::path path = receiveFolder_ / files_.PathFromName(fileName_);
    if (files_.Exists(path)) {
        const auto answer = observer_ ? observer_->AskOverwrite(files_.NameFromPath(path))
                                      : KermitObserver::Overwrite::Cancel;
        if (answer == KermitObserver::Overwrite::Cancel) return RefuseFile("NOT REPLACED");
        if (answer == KermitObserver::Overwrite::No) {
            const auto utf8 = path.u8string();
            const auto chosen = observer_->AskSaveAs(std::string(utf8.begin(), utf8.end()));
            if (!chosen) return RefuseFile("NOT SAVED");
            // A name without a folder, or with a relative one, is taken in
            // the receive folder, as the question was asked there.
            path = std::filesystem::path(std::u8string(chosen->begin(), chosen->end()));
            if (path.is_relative()) path = receiveFolder_ / path;
            path = path.lexically_normal();
            receiveFolder_ = path.parent_path();
            const std::string name = files_.NameFromPath(path.filename()).substr(0, kNameSize - 1);
            std::memcpy(fileName_, name.c_str(), name.size() + 1);
        }
    }
    std::error_code error;
    std::unique_ptr<IncomingFile> file = files_.Create(path, error);
    if (file != nullptr) return file;
    if (observer_ != nullptr) observer_->ShowCouldNotOpenFile(files_.NameFromPath(path), error);
    ex_.SendError(kCannotCreateFile);
    link_.SetStatus("CANNOT CREATE");
    ex_.Fail(Failure::CannotCreate);
    return nullptr;
}

// The user would not have the file: a stop meanwhile is told as one (by whoever
// ends the job), anything else as the user's refusal, with `status` as the
// status. Nothing then.
std::unique_ptr<IncomingFile> Receiver::RefuseFile(std::string_view status) {
    if (link_.RunFlagCleared()) {
        link_.Stop();
        return nullptr;
    }
    ex_.SendError(kRefusedByUser);
    link_.SetStatus(status);
    ex_.Fail(Failure::Refused);
    return nullptr;
}

// Where a data field is decoded: the caller's buffer, or under long packets
// the engine's own, which holds the most any long field decodes to.
std::uint8_t* Receiver::DecodeRoom(std::uint8_t* buffer, int& capacity) {
    if (link_.InForce().longLen == 0) return buffer;
    constexpr int kLongDecodeSize = (kMaxPacketData / 3 + 1) * 94;
    if (longDecode_ == nullptr) longDecode_ = std::make_unique<std::uint8_t[]>(kLongDecodeSize);
    capacity = kLongDecodeSize;
    return longDecode_.get();
}

// A file that did not arrive whole: the target stays as it was, what arrived
// is kept beside it, and the observer hears where and `why`. Failed,
// FileDiscarded when the sender gave the file up, or FileNotWhole when it
// came to another length than announced.
Received Receiver::NotReceived(IncomingFile& file, KermitObserver::NotWhole why) {
    using NotWhole = KermitObserver::NotWhole;
    const IncomingFile::Kept kept = file.Abandon();
    // A file refused in the answer to its attributes was reported so then.
    if (observer_ != nullptr && incoming_.refusedBy.empty()) {
        observer_->OnFileNotReceived(
            files_.NameFromPath(file.Target()),
            kept.path.empty() ? std::string() : files_.NameFromPath(kept.path), kept.bytes, why);
    }
    if (why == NotWhole::Discarded) return {Outcome::FileDiscarded};
    if (why == NotWhole::LengthDiffers) return {Outcome::FileNotWhole};
    return {Outcome::Failed};
}

// The sender's E or B, or the user's stop, ends a file whatever arrived
// before: the failed file's result, or nothing when the packet is none of
// these.
std::optional<Received> Receiver::EndedBySenderOrStop(IncomingFile& file, int type, int len) {
    if (type == packet::Error) {
        ex_.PeerError(len);
        return NotReceived(file);
    }
    if (type == packet::Break) {
        link_.PutPacket(0, state_.seq, packet::Ack, nullptr);
        return NotReceived(file);
    }
    // The peer hears of a stop from whoever stopped (TellPeerEnded), in
    // words of its own.
    if (link_.RunFlagCleared()) {
        link_.Stop();
        return NotReceived(file);
    }
    return std::nullopt;
}

// One data packet's decoded bytes (`n`, negative when they did not fit) go
// to the file and are reported: nothing, or the failed file's result. Data
// of a file this side refused is not taken: the sender did not heed the
// refusal.
std::optional<Received> Receiver::WriteDecoded(IncomingFile& file, const std::uint8_t* buffer,
                                               int n, std::int64_t& bytesWritten) {
    if (!incoming_.refusedBy.empty()) {
        ex_.SendError("FILE REFUSED");
        file.Abandon();
        return Received{Outcome::Failed};
    }
    if (n < 0) {
        ex_.SendError("MEMORY FULL");
        return NotReceived(file);
    }
    if (n > 0 && !file.Write(buffer, static_cast<std::size_t>(n))) return WriteFailed(file);
    incoming_.dataBegun = true;
    bytesWritten += n;
    if (observer_ != nullptr)
        observer_->OnReceiveProgress(static_cast<std::uint32_t>(bytesWritten));
    return std::nullopt;
}

// The peer hears of it with an E packet; the user with the file and why.
Received Receiver::WriteFailed(IncomingFile& file) {
    ex_.SendError("WRITE ERROR");
    ex_.Fail(Failure::WriteFailed);
    if (observer_ != nullptr)
        observer_->ShowCouldNotWriteFile(files_.NameFromPath(file.Target()), file.Error());
    return NotReceived(file);
}

// Phase 2: attribute packets, then data packets until Z. A repeated data
// packet is acknowledged again without being written twice. A data packet
// that arrives after a stop is not taken: a peer that streams packets back to
// back never lets the byte wait see the stop. A Z that carries D (discard)
// ends the file as not received.
Received Receiver::ReceiveData(IncomingFile& file, std::uint8_t* buffer, int capacity) {
    if (link_.InForce().slidingWindowSize > 1)
        return ReceiveSlidingWindowData(file, buffer, capacity);
    buffer = DecodeRoom(buffer, capacity);
    std::int64_t bytesWritten = 0;
    for (int attempt = 0; attempt < state_.retryLimit; ++attempt) {
        int len = 0, rseq = 0, type = 0;
        const Heard heard = HearSender(len, rseq, type);
        if (heard == Heard::Silent) return SenderSilent(&file);
        if (heard == Heard::Unread) {
            if (link_.RunFlagCleared()) return NotReceived(file);
            RepeatUnlessLast(attempt);
            continue;
        }
        const bool next = rseq == ((state_.seq + 1) & 63);
        if (type == packet::Data && next && !link_.RunFlagCleared()) {
            const int n = link_.DecodeData(buffer, capacity, len);
            if (n == PacketLink::kMalformed) {
                RepeatUnlessLast(attempt);
                continue;
            }
            state_.seq = rseq;
            if (auto failed = WriteDecoded(file, buffer, n, bytesWritten)) return *failed;
            link_.PutPacket(0, state_.seq, packet::Ack, nullptr);
            attempt = -1;
            continue;
        }
        if (type == packet::Attributes && next) {
            state_.seq = rseq;
            AnswerAttributes(file, len);
            attempt = -1;
            continue;
        }
        if (type == packet::Eof && next) {
            state_.seq = rseq;
            return FileEnded(file, len > 0 && link_.ReceivedField()[0] == 'D', bytesWritten);
        }
        if (auto ended = EndedBySenderOrStop(file, type, len)) return *ended;
        PassOver(rseq, type, attempt);
    }
    ex_.Fail(state_.seen);
    return NotReceived(file);
}

// After a file's Z (`keepNextFile`): the sender's next F, kept for the next
// receive call so that the transaction goes on with it, or its B, which ends
// the transaction. After a B in place of the first header (not
// `keepNextFile`): the answer to whatever packet follows it. A B is answered
// with Y; anything else that comes next with B, as a peer that knows no more
// files.
bool Receiver::AwaitNextHeader(bool keepNextFile) {
    for (int attempt = 0; attempt < state_.retryLimit; ++attempt) {
        int len = 0, rseq = 0, type = 0;
        const Heard heard = HearSender(len, rseq, type);
        if (heard == Heard::Silent) {
            SenderSilent(nullptr);
            return false;
        }
        if (heard == Heard::Unread) {
            if (link_.RunFlagCleared()) return false;
            RepeatUnlessLast(attempt);
            continue;
        }
        if (keepNextFile && type == packet::FileHeader && rseq == ((state_.seq + 1) & 63)) {
            state_.nextHeaderLen = len;
            state_.nextHeaderSeq = rseq;
            std::memcpy(state_.nextHeader, link_.ReceivedField(), sizeof state_.nextHeader);
            return true;
        }
        if (rseq == ((state_.seq + 1) & 63)) {
            state_.seq = rseq;
            link_.PutPacket(0, state_.seq, type == packet::Break ? packet::Ack : packet::Break,
                            nullptr);
            state_.underWay = false;
            return true;
        }
        if (type == packet::Error) {
            ex_.PeerError(len);
            return false;
        }
        PassOver(rseq, type, attempt);
    }
    ex_.Fail(state_.seen);
    return false;
}

}  // namespace kermit
