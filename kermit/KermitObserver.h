#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kermit {

// The window side of a transfer, as the engine sees it. Progress calls are
// notifications; the questions block the engine until the user answers.
class KermitObserver {
public:
    enum class Overwrite { Yes, No, Cancel };

    virtual ~KermitObserver() = default;

    // WM_USER+665, wParam 0: a file has been opened for receiving under `name`
    // (8-bit text as it came from the line).
    virtual void OnReceiveFileOpened(const char* name) = 0;
    // WM_USER+665: bytes written so far into the current file.
    virtual void OnReceiveProgress(std::uint32_t bytes) = 0;
    // WM_USER+666: bytes of the file sent before the data packet now going out.
    virtual void OnSendProgress(std::uint32_t bytes) = 0;

    // "File exists, overwrite?" with Yes, No and Cancel; `path` is the file.
    virtual Overwrite AskOverwrite(const std::string& path) = 0;
    // Save As, preset with `path` (UTF-8); the chosen path or nothing when cancelled.
    virtual std::optional<std::string> AskSaveAs(const std::string& path) = 0;
    // "Could not open file!" with an error icon.
    virtual void ShowCouldNotOpenFile(const std::string& path) = 0;
};

}  // namespace kermit
