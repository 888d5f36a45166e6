#include <cstring>

#include "kermit/FileNames.h"
#include "kermit/KermitEngine.h"

namespace kermit {

// The receiver counts as the sender does: its last packet goes retryLimit
// times in all, so the last failed attempt of a wait sends nothing more.
void KermitEngine::RepeatUnlessLast(int attempt) {
    if (attempt + 1 < retryLimit) RepeatLastPacket();
}

// A repeat of the packet this side last answered that had arrived, whole,
// before the answer went out. The peer sent it before it could see the
// answer (a sender that took a stale NAK, or resent while a question was on
// the screen), so it asks for nothing: answering it again would make the peer
// send every following packet twice, and counting it would spend the
// attempts of the wait on packets already answered. It is passed over.
bool KermitEngine::StaleRepeat(int rseq) const {
    return rseq == seq && inputNext_ <= staleEnd_;
}

// Phase 1: waits for the file header. Returns 1 with the header taken, 0 when
// the peer ended the transaction with B instead, -1 on failure.
int KermitEngine::ReceiveHeader() {
    for (int attempt = 0; attempt < retryLimit; ++attempt) {
        int len = 0, rseq = 0, type = 0;
        if (GetPacket(len, rseq, type, recvBuffer) < 0) {
            RepeatUnlessLast(attempt);
            continue;
        }
        if (type == 'F' && rseq == ((seq + 1) & 63)) {
            const int n = DecodeData(reinterpret_cast<std::uint8_t*>(fileName), kNameSize - 1, len);
            if (n == kMalformed) {
                RepeatUnlessLast(attempt);
                continue;
            }
            seq = rseq;
            if (n < 0) {
                fileName[0] = '\0';
                return SendError("NAME TOO LONG");
            }
            fileName[n] = '\0';
            // A reserved device name gains a character: cut to the buffer.
            const std::string plain =
                PlainFileName(fileName, windowsNameRules).substr(0, kNameSize - 1);
            std::memcpy(fileName, plain.c_str(), plain.size() + 1);
            SetStatusPlain(fileName);
            return 1;
        }
        if (type == 'E') return -1;
        if (type == 'B') {
            PutPacket(0, seq, 'Y', nullptr);
            return 0;
        }
        if (RunFlagCleared()) return -1;
        if (StaleRepeat(rseq)) {
            --attempt;
            continue;
        }
        RepeatUnlessLast(attempt);
    }
    return -1;
}

// Creates the file named by the header in the receive folder, asking before an
// existing file is replaced. A Save As may change the folder and the name.
int KermitEngine::OpenReceivedFile(std::FILE*& out) {
    std::filesystem::path path = receiveFolder / PathFromName(fileName);
    if (std::FILE* existing = OpenFile(path, "rb")) {
        std::fclose(existing);
        const auto answer = observer_ ? observer_->AskOverwrite(NameFromPath(path))
                                      : KermitObserver::Overwrite::Cancel;
        if (answer == KermitObserver::Overwrite::Cancel) return -1;
        if (answer == KermitObserver::Overwrite::No) {
            const auto utf8 = path.u8string();
            const auto chosen = observer_->AskSaveAs(std::string(utf8.begin(), utf8.end()));
            if (!chosen) return -1;
            path = std::filesystem::path(std::u8string(chosen->begin(), chosen->end()));
            std::error_code ec;
            receiveFolder = path.parent_path();
            std::filesystem::current_path(receiveFolder, ec);
            const std::string name = NameFromPath(path.filename()).substr(0, kNameSize - 1);
            std::memcpy(fileName, name.c_str(), name.size() + 1);
        }
    }
    out = OpenFile(path, "wb");
    if (out == nullptr) {
        if (observer_ != nullptr) observer_->ShowCouldNotOpenFile(NameFromPath(path));
        return -1;
    }
    return 0;
}

// Phase 2: data packets until Z. A repeated data packet is acknowledged again
// without being written twice. A partly received file stays on disk. A data
// packet that arrives after a stop is not taken: a peer that streams packets
// back to back never lets the byte wait see the stop.
int KermitEngine::ReceiveData(std::FILE* out, std::uint8_t* buffer, int capacity) {
    int bytesWritten = 0;
    for (int attempt = 0; attempt < retryLimit; ++attempt) {
        int len = 0, rseq = 0, type = 0;
        if (GetPacket(len, rseq, type, recvBuffer) < 0) {
            RepeatUnlessLast(attempt);
            continue;
        }
        const bool next = rseq == ((seq + 1) & 63);
        if (type == 'D' && next && !RunFlagCleared()) {
            const int n = DecodeData(buffer, capacity, len);
            if (n == kMalformed) {
                RepeatUnlessLast(attempt);
                continue;
            }
            seq = rseq;
            if (n < 0) {
                std::fclose(out);
                return SendError("MEMORY FULL");
            }
            if (n > 0 && std::fwrite(buffer, 1, n, out) != static_cast<std::size_t>(n)) {
                std::fclose(out);
                return SendError("WRITE ERROR");
            }
            bytesWritten += n;
            if (observer_ != nullptr) observer_->OnReceiveProgress(bytesWritten);
            PutPacket(0, seq, 'Y', nullptr);
            attempt = -1;
            continue;
        }
        if (type == 'Z' && next) {
            const bool flushed = std::fclose(out) == 0;
            if (!flushed) return SendError("WRITE ERROR");
            seq = rseq;
            PutPacket(0, seq, 'Y', nullptr);
            return bytesWritten;
        }
        if (type == 'E') {
            std::fclose(out);
            return -1;
        }
        if (type == 'B') {
            std::fclose(out);
            PutPacket(0, seq, 'Y', nullptr);
            return 0;
        }
        if (RunFlagCleared()) {
            std::fclose(out);
            return SendError("MEMORY FULL");
        }
        if (StaleRepeat(rseq)) {
            --attempt;
            continue;
        }
        RepeatUnlessLast(attempt);
    }
    std::fclose(out);
    return -1;
}

int KermitEngine::ReceiveFile(std::uint8_t* buffer, int capacity) {
    const int header = ReceiveHeader();
    if (header <= 0) return header;
    std::FILE* out = nullptr;
    if (OpenReceivedFile(out) < 0) return -1;
    if (observer_ != nullptr) observer_->OnReceiveFileOpened(fileName);
    PutPacket(0, seq, 'Y', nullptr);
    return ReceiveData(out, buffer, capacity);
}

// After a file: one S transaction carries one file, so anything but B that
// comes next is answered with B.
int KermitEngine::AwaitBreak() {
    for (int attempt = 0; attempt < retryLimit; ++attempt) {
        int len = 0, rseq = 0, type = 0;
        if (GetPacket(len, rseq, type, recvBuffer) < 0) {
            RepeatUnlessLast(attempt);
            continue;
        }
        if (rseq == ((seq + 1) & 63)) {
            seq = rseq;
            PutPacket(0, seq, type == 'B' ? 'Y' : 'B', nullptr);
            return 0;
        }
        if (type == 'E') return -1;
        if (StaleRepeat(rseq)) {
            --attempt;
            continue;
        }
        RepeatUnlessLast(attempt);
    }
    return -1;
}

}  // namespace kermit
