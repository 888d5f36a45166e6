#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "kermit/SendSource.h"

namespace disk {

// A file on the disk read as it is sent. Its length and date are taken when
// it is opened; Unchanged compares them with those at the end, so that a
// file that was written to while it went is not reported as sent whole.
class FileSource : public kermit::SendSource {
public:
    // Opens `path` for reading; nothing, with `error` set, when it cannot be.
    static std::unique_ptr<FileSource> Open(const std::filesystem::path& path,
                                            std::error_code& error);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::uint64_t Length() const override { return length_; }
    std::ptrdiff_t Read(std::uint8_t* buffer, std::size_t capacity) override;
    bool Unchanged() override;

    // Why the last Read failed; empty when none did.
    std::error_code Error() const { return error_; }

private:
    FileSource(std::filesystem::path path, std::FILE* stream, std::uint64_t length,
               std::filesystem::file_time_type modified)
        : path_(std::move(path)), stream_(stream), length_(length), modified_(modified) {}

    std::filesystem::path path_;
    std::FILE* stream_;
    std::uint64_t length_;
    std::filesystem::file_time_type modified_;
    std::error_code error_;
};

}  // namespace disk
