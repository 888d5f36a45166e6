#include <sys/stat.h>
#include <unistd.h>

#include "cli/TargetFile.h"

namespace {

// What a file made with fopen would get: the old file's mode when there is
// one, else read and write for all less the process's umask.
mode_t NewFileMode(const QByteArray& target) {
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

TargetKind KindOf(const QByteArray& path) {
    struct stat existing {};
    if (::stat(path.constData(), &existing) != 0) return TargetKind::Missing;
    if (S_ISREG(existing.st_mode)) return TargetKind::Regular;
    return S_ISDIR(existing.st_mode) ? TargetKind::Folder : TargetKind::Other;
}

std::FILE* MakeFileBeside(const QByteArray& target, QByteArray& name) {
    QByteArray pattern = target + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return nullptr;
    std::FILE* stream = ::fdopen(fd, "wb");
    if (stream == nullptr) ::close(fd);
    if (stream != nullptr && ::fchmod(fd, NewFileMode(target)) == 0) {
        name = pattern;
        return stream;
    }
    if (stream != nullptr) std::fclose(stream);
    std::remove(pattern.constData());
    return nullptr;
}

std::FILE* OpenForWriting(const QByteArray& path) {
    return std::fopen(path.constData(), "wb");
}

bool ReplaceTarget(const QByteArray& working, const QByteArray& target) {
    return std::rename(working.constData(), target.constData()) == 0;
}

void RemoveFile(const QByteArray& path) {
    std::remove(path.constData());
}
