#include "cli/CaptureTarget.h"

#include <QFileInfo>

#include <cerrno>

#include "app/PathParts.h"
#include "cli/TargetFile.h"
#include "disk/SystemFiles.h"

namespace {

QString PathText(const std::filesystem::path& path) {
    return QFileInfo(path).filePath();
}

}  // namespace

// A link is followed, so that the file it names is replaced and the link stays.
CaptureTarget::CaptureTarget(const QString& path) : target_(FileToReplace(path)) {}

CaptureTarget::~CaptureTarget() {
    Discard();
}

bool CaptureTarget::Open() {
    const TargetKind kind = KindOf(target_);
    if (kind == TargetKind::Missing || kind == TargetKind::Regular)
        return beside_.Open(target_, error_);
    // A device or a pipe keeps no earlier capture: it is written directly.
    // A folder cannot be written at all.
    if (kind == TargetKind::Folder) return false;
    errno = 0;
    direct_ = disk::OpenFile(target_, "wb");
    if (direct_ == nullptr && errno != 0) error_ = {errno, std::generic_category()};
    return direct_ != nullptr;
}

std::FILE* CaptureTarget::stream() const {
    return direct_ != nullptr ? direct_ : beside_.stream();
}

bool CaptureTarget::Commit() {
    if (direct_ != nullptr) {
        const bool closed = std::fclose(direct_) == 0;
        direct_ = nullptr;
        return closed;
    }
    return beside_.stream() != nullptr && beside_.PutInPlace(error_);
}

QString CaptureTarget::Keep() {
    CloseDirect();
    const std::filesystem::path kept = beside_.Keep();
    return PathText(kept.empty() ? target_ : kept);
}

void CaptureTarget::Discard() {
    CloseDirect();
    beside_.Discard();
}

void CaptureTarget::CloseDirect() {
    if (direct_ != nullptr) std::fclose(direct_);
    direct_ = nullptr;
}
