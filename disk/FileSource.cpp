#include "disk/FileSource.h"

#include <cerrno>

#include "disk/SystemFiles.h"

namespace disk {
namespace fs = std::filesystem;

std::unique_ptr<FileSource> FileSource::Open(const fs::path& path, std::error_code& error) {
    errno = 0;
    std::FILE* stream = OpenFile(path, "rb");
    if (stream == nullptr) {
        error = LastErrno();
        return nullptr;
    }
    const std::uintmax_t length = fs::file_size(path, error);
    const fs::file_time_type modified =
        error ? fs::file_time_type{} : fs::last_write_time(path, error);
    if (error) {
        std::fclose(stream);
        return nullptr;
    }
    return std::unique_ptr<FileSource>(new FileSource(path, stream, length, modified));
}

FileSource::~FileSource() {
    std::fclose(stream_);
}

std::ptrdiff_t FileSource::Read(std::uint8_t* buffer, std::size_t capacity) {
    errno = 0;
    const std::size_t n = std::fread(buffer, 1, capacity, stream_);
    if (n == 0 && std::ferror(stream_)) {
        error_ = LastErrno();
        return -1;
    }
    return static_cast<std::ptrdiff_t>(n);
}

bool FileSource::Unchanged() {
    std::error_code ec;
    const std::uintmax_t length = fs::file_size(path_, ec);
    if (ec || length != length_) return false;
    const fs::file_time_type modified = fs::last_write_time(path_, ec);
    return !ec && modified == modified_;
}

}  // namespace disk
