#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "kermit/Attributes.h"
#include "kermit/SendSource.h"

namespace kermit {

// A received file while it arrives. Its bytes go into a file of their own
// beside the target; the target itself is touched only by Finish, which puts
// the whole file in its place at once. Destroying an unfinished file
// abandons it.
class IncomingFile {
public:
    // What an abandoned file left behind: the marked file that holds what
    // arrived and its size; an empty path when nothing had arrived.
    struct Kept {
        std::filesystem::path path;
        std::uintmax_t bytes = 0;
    };

    virtual ~IncomingFile() = default;

    // Appends `n` bytes; false when they could not be written.
    virtual bool Write(const std::uint8_t* data, std::size_t n) = 0;
    // The file is whole: it takes the target's name, replacing a file there.
    // False (and the target as it was) when that fails.
    virtual bool Finish() = 0;
    // The file did not arrive whole: the target stays as it was and what
    // arrived is kept under a marked name.
    virtual Kept Abandon() = 0;
    // The date the file takes once Finish has put it in place (its sender's
    // local time); a date the files cannot take is passed over.
    virtual void SetModified(const FileDate& date) { (void)date; }

    // Why the last Write or Finish failed, for the user.
    virtual std::error_code Error() const = 0;
    const std::filesystem::path& Target() const { return target_; }

protected:
    explicit IncomingFile(std::filesystem::path target) : target_(std::move(target)) {}

private:
    std::filesystem::path target_;
};

// The files the engine works with, as it reaches the line through KermitPort:
// received files, the files it serves to a get, and how they are named.
// Whoever makes an engine hands it one; the engine itself touches no file.
class KermitFiles {
public:
    virtual ~KermitFiles() = default;

    // True when something (a file, a folder) is at `path`.
    virtual bool Exists(const std::filesystem::path& path) = 0;
    // Starts a file that becomes `target` once finished; nothing, with
    // `error` set, when it cannot be made.
    virtual std::unique_ptr<IncomingFile> Create(const std::filesystem::path& target,
                                                 std::error_code& error) = 0;
    // The file at `path` that a get asks for, opened to be read as it is
    // sent; nothing when there is no such file or it may not be served: an
    // incomplete one never is, nor anything but a regular file whose real
    // path lies in the folder of `path`.
    virtual std::unique_ptr<SendSource> OpenToServe(const std::filesystem::path& path) = 0;

    // A file name in the line's 8-bit text as a path of these files, and
    // back ('?' for a character the names' code page lacks).
    virtual std::filesystem::path PathFromName(std::string_view name8bit) const = 0;
    virtual std::string NameFromPath(const std::filesystem::path& path) const = 0;
    // True when names are held to Windows' rules (see PlainFileName).
    virtual bool WindowsNameRules() const = 0;
    // Bytes that a new file in `folder` may still take; nothing when that
    // cannot be told.
    virtual std::optional<std::uint64_t> FreeSpace(const std::filesystem::path& folder) {
        (void)folder;
        return std::nullopt;
    }
};

}  // namespace kermit
