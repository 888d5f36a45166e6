#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "disk/FileBeside.h"
#include "disk/SystemFiles.h"

namespace disk {
namespace fs = std::filesystem;

// Made with O_EXCL, so a file of that name is never taken over (nor a link
// there followed), and with the ordinary permissions of a regular file at
// `target` when there is one (read and write for all less the umask
// otherwise, as fopen gives). A link at `target` is not followed, and the
// new file never takes a setuid, setgid or sticky bit: whoever wrote it
// over the line is not the old file's owner.
std::FILE* FileBeside::CreateNew(const fs::path& working, const fs::path& target,
                                 std::error_code& error) {
    errno = 0;
    const int fd =
        ::open(working.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = LastErrno();
        return nullptr;
    }
    struct stat old {};
    const bool replaces = ::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    std::FILE* stream = nullptr;
    if (!replaces || ::fchmod(fd, old.st_mode & 0777) == 0) stream = ::fdopen(fd, "wb");
    if (stream != nullptr) return stream;
    error = LastErrno();
    ::close(fd);
    ::unlink(working.c_str());
    return nullptr;
}

// The data on the disk before the rename, so that a crash after it finds
// the whole new file and never an empty one in the old one's place.
bool FileBeside::WriteThrough(std::FILE* stream, std::error_code& error) {
    errno = 0;
    if (std::fflush(stream) == 0 && ::fsync(::fileno(stream)) == 0) return true;
    error = LastErrno();
    return false;
}

// rename(2) replaces the old file at once: any reader finds the old file
// or the new one, never neither.
bool FileBeside::Replace(const fs::path& working, const fs::path& target, std::error_code& error) {
    errno = 0;
    if (std::rename(working.c_str(), target.c_str()) == 0) return true;
    error = LastErrno();
    return false;
}

}  // namespace disk
