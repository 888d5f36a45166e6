#include "cli/CaptureTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

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

CaptureTarget::CaptureTarget(const QString& path) : target_(QFile::encodeName(path)) {}

CaptureTarget::~CaptureTarget() {
    Discard();
}

bool CaptureTarget::Open() {
    QByteArray name = target_ + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    working_ = name;
    stream_ = ::fdopen(fd, "wb");
    if (stream_ == nullptr || ::fchmod(fd, NewFileMode(target_)) != 0) {
        if (stream_ == nullptr) ::close(fd);
        Discard();
        return false;
    }
    return true;
}

QString CaptureTarget::WorkingPath() const {
    return QFile::decodeName(working_);
}

bool CaptureTarget::Commit() {
    if (stream_ == nullptr) return false;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (closed && std::rename(working_.constData(), target_.constData()) == 0) {
        working_.clear();
        return true;
    }
    Discard();
    return false;
}

void CaptureTarget::Discard() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
    if (!working_.isEmpty()) std::remove(working_.constData());
    working_.clear();
}
