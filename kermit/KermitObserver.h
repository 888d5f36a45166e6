#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace kermit {

// The window side of a transfer, as the engine sees it. Progress calls are
// notifications; the questions block the engine until the user answers.
class KermitObserver {
public:
    enum class Overwrite { Yes, No, Cancel };
    // Why a received file did not arrive whole.
    enum class NotWhole {
        Broken,         // the transfer broke off: an error, a stop, a disk that failed
        Discarded,      // the sender itself gave the file up (its Z said so)
        LengthDiffers,  // it came to another length than the sender announced
    };

    virtual ~KermitObserver() = default;

    // A file has been opened for receiving under `name` (8-bit text as it
    // came from the line).
    virtual void OnReceiveFileOpened(const char* name) = 0;
    // Bytes written so far into the current file, after each data packet.
    virtual void OnReceiveProgress(std::uint32_t bytes) = 0;
    // Bytes of the file sent before the data packet now going out.
    virtual void OnSendProgress(std::uint32_t bytes) = 0;
    // A send has waited KermitEngine::kNoAnswerHintMs for the peer's first
    // answer and goes on waiting; said once a transaction.
    virtual void OnNoAnswerYet() {}

    // "File exists, overwrite?" with Yes, No and Cancel; `path` is the file.
    virtual Overwrite AskOverwrite(const std::string& path) = 0;
    // Save As, preset with `path` (UTF-8); the chosen path or nothing when cancelled.
    virtual std::optional<std::string> AskSaveAs(const std::string& path) = 0;
    // "Could not open file!" with an error icon; `path` is the file, `reason`
    // why it could not be made.
    virtual void ShowCouldNotOpenFile(const std::string& path, std::error_code reason) = 0;

    // The file at `path` could not be written (a full disk, a read-only file
    // system); `reason` says why. The transfer ends with it.
    virtual void ShowCouldNotWriteFile(const std::string& path, std::error_code reason) {
        (void)path, (void)reason;
    }
    // The peer ended the transfer with an E packet; `text` is its message,
    // decoded, in 8-bit text as it came from the line.
    virtual void OnPeerError(const std::string& text) { (void)text; }
    // The sender's file name was refused: it is longer than `longest`
    // characters.
    virtual void ShowNameRefused(std::size_t longest) { (void)longest; }
    // A file did not arrive whole: `target` is left as it was, what arrived
    // is kept in `kept` (empty when nothing arrived), `bytes` long; `why`
    // says what happened.
    virtual void OnFileNotReceived(const std::string& target, const std::string& kept,
                                   std::uint64_t bytes, NotWhole why) {
        (void)target, (void)kept, (void)bytes, (void)why;
    }
    // The sender announced the length of the file now arriving (in its
    // attribute packet), before the file's data: progress can be shown as a
    // share of it.
    virtual void OnReceiveFileAnnounced(std::uint64_t length) { (void)length; }
    // A received file is whole and in its place at `target`, `bytes` long.
    virtual void OnFileReceived(const std::string& target, std::uint64_t bytes) {
        (void)target, (void)bytes;
    }
    // The file `target` was refused before any of its data came: the sender
    // announced `announced` bytes, and the disk has room for `room`. Nothing
    // was written.
    virtual void OnFileRefused(const std::string& target, std::uint64_t announced,
                               std::uint64_t room) {
        (void)target, (void)announced, (void)room;
    }
    // The receiver refused the file being sent before its data went: its
    // answer to the attribute packet named `refusedBy`, the attribute
    // characters that made it refuse ("1" or "!": the file's length).
    virtual void OnSendRefused(const std::string& refusedBy) { (void)refusedBy; }
};

}  // namespace kermit
