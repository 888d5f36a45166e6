#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <utility>

#include "disk/FileBeside.h"
#include "disk/SystemFiles.h"

namespace disk {
namespace fs = std::filesystem;

namespace {

// The system's errors that have a code of the C library: callers tell these
// common causes alike on every system.
constexpr std::pair<DWORD, std::errc> kCommonErrors[] = {
    {ERROR_FILE_EXISTS, std::errc::file_exists},
    {ERROR_ALREADY_EXISTS, std::errc::file_exists},
    {ERROR_FILE_NOT_FOUND, std::errc::no_such_file_or_directory},
    {ERROR_PATH_NOT_FOUND, std::errc::no_such_file_or_directory},
    {ERROR_ACCESS_DENIED, std::errc::permission_denied},
    {ERROR_SHARING_VIOLATION, std::errc::permission_denied},
    {ERROR_DISK_FULL, std::errc::no_space_on_device},
    {ERROR_HANDLE_DISK_FULL, std::errc::no_space_on_device},
    {ERROR_FILENAME_EXCED_RANGE, std::errc::filename_too_long},
    {ERROR_WRITE_PROTECT, std::errc::read_only_file_system},
};

// The system's error as the C library's code where there is one.
std::error_code SystemError(DWORD code) {
    for (const auto& [system, common] : kCommonErrors)
        if (system == code) return std::make_error_code(common);
    return {static_cast<int>(code), std::system_category()};
}

std::error_code LastError() {
    return SystemError(GetLastError());
}

}  // namespace

// Made with CREATE_NEW, so a file of that name is never taken over. The new
// file gets the folder's permissions, as any new file there does (a
// read-only old file cannot be replaced at all).
std::FILE* FileBeside::CreateNew(const fs::path& working, const fs::path&, std::error_code& error) {
    const HANDLE handle =
        CreateFileW(working.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastError();
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    std::FILE* stream = fd < 0 ? nullptr : _fdopen(fd, "wb");
    if (stream != nullptr) return stream;
    error = std::make_error_code(std::errc::too_many_files_open);
    if (fd < 0)
        CloseHandle(handle);
    else
        _close(fd);
    DeleteFileW(working.c_str());
    return nullptr;
}

// The data on the disk before the move, so that a crash after it finds the
// whole new file and never an empty one in the old one's place.
bool FileBeside::WriteThrough(std::FILE* stream, std::error_code& error) {
    errno = 0;
    if (std::fflush(stream) != 0) {
        error = LastErrno();
        return false;
    }
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    if (FlushFileBuffers(handle)) return true;
    error = LastError();
    return false;
}

// The C library's rename does not replace an existing file on Windows;
// MoveFileExW does, and returns only once the move is on the disk.
bool FileBeside::Replace(const fs::path& working, const fs::path& target, std::error_code& error) {
    if (MoveFileExW(working.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    error = LastError();
    return false;
}

}  // namespace disk
