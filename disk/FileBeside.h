#pragma once

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace disk {

// A file written beside the one it is to replace, then put in its place
// whole: until then, and for good when that fails, the old file stays as it
// was. The same rules for every caller:
// - the new file is made in the target's folder under a name nothing holds
//   (never taking over a file there), with the old file's permissions, or
//   those of any new file when there is none;
// - its data reach the disk before it is put in place, by a rename that
//   replaces the old file at once (FileBesidePosix.cpp, FileBesideWindows.cpp);
// - a new file that is not put in place is removed, unless Keep is asked.
// The target is taken as named: a link there is replaced, not followed.
class FileBeside {
public:
    FileBeside() = default;
    ~FileBeside();  // a new file that was neither put in place nor kept is removed
    FileBeside(const FileBeside&) = delete;
    FileBeside& operator=(const FileBeside&) = delete;

    // Makes the new file as `target`'s name followed by a dot and six
    // letters or digits; false, with `error` set, when it cannot be made.
    bool Open(const std::filesystem::path& target, std::error_code& error);
    // Makes the new file as `working`, which must be free (file_exists when
    // it is not), to take `target`'s place.
    bool OpenAs(const std::filesystem::path& working, const std::filesystem::path& target,
                std::error_code& error);

    // The new file, open for writing until it is put in place, kept or discarded.
    std::FILE* stream() const { return stream_; }
    const std::filesystem::path& working() const { return working_; }

    // Closes the new file and puts it in the target's place. False, with
    // `error` set, when that fails: the target as it was, the new file still
    // there for Keep or Discard.
    bool PutInPlace(std::error_code& error);
    // Closes the new file and leaves it where it is; returns its path
    // (empty when there is none).
    std::filesystem::path Keep();
    // Closes the new file and removes it.
    void Discard();

private:
    // The system's part, one file per platform.
    static std::FILE* CreateNew(const std::filesystem::path& working,
                                const std::filesystem::path& target, std::error_code& error);
    static bool WriteThrough(std::FILE* stream, std::error_code& error);
    static bool Replace(const std::filesystem::path& working, const std::filesystem::path& target,
                        std::error_code& error);

    void Close();

    std::filesystem::path working_;
    std::filesystem::path target_;
    std::FILE* stream_ = nullptr;
};

}  // namespace disk
