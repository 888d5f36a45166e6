#include "cli/CaptureTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include <cstdlib>

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

// A link is followed, so that the file it names is replaced and the link stays.
CaptureTarget::CaptureTarget(const QString& path) {
    const QFileInfo info(path);
    target_ =
        QFile::encodeName(info.isSymLink() && info.exists() ? info.canonicalFilePath() : path);
}

CaptureTarget::~CaptureTarget() {
    Discard();
}

bool CaptureTarget::Open() {
    struct stat existing {};
    if (::stat(target_.constData(), &existing) != 0 || S_ISREG(existing.st_mode))
        return OpenBeside();
    // A device or a pipe keeps no earlier capture: it is written directly.
    // A folder cannot be written at all.
    if (S_ISDIR(existing.st_mode)) return false;
    stream_ = std::fopen(target_.constData(), "wb");
    return stream_ != nullptr;
}

bool CaptureTarget::OpenBeside() {
    QByteArray name = target_ + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    working_ = name;
    stream_ = ::fdopen(fd, "wb");
    if (stream_ == nullptr) ::close(fd);
    if (stream_ != nullptr && ::fchmod(fd, NewFileMode(target_)) == 0) return true;
    Discard();
    return false;
}

bool CaptureTarget::Commit() {
    if (stream_ == nullptr) return false;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (working_.isEmpty()) return closed;
    if (closed && std::rename(working_.constData(), target_.constData()) == 0) {
        working_.clear();
        return true;
    }
    return false;
}

QString CaptureTarget::Keep() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
    const QByteArray kept = working_.isEmpty() ? target_ : working_;
    working_.clear();
    return QFile::decodeName(kept);
}

void CaptureTarget::Discard() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
    if (!working_.isEmpty()) std::remove(working_.constData());
    working_.clear();
}
