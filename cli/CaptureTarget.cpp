#include "cli/CaptureTarget.h"

#include <QFile>
#include <QFileInfo>

#include "cli/TargetFile.h"

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
    const TargetKind kind = KindOf(target_);
    if (kind == TargetKind::Missing || kind == TargetKind::Regular) return OpenBeside();
    // A device or a pipe keeps no earlier capture: it is written directly.
    // A folder cannot be written at all.
    if (kind == TargetKind::Folder) return false;
    stream_ = OpenForWriting(target_);
    return stream_ != nullptr;
}

bool CaptureTarget::OpenBeside() {
    stream_ = MakeFileBeside(target_, working_);
    return stream_ != nullptr;
}

bool CaptureTarget::Commit() {
    if (stream_ == nullptr) return false;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (working_.isEmpty()) return closed;
    if (closed && ReplaceTarget(working_, target_)) {
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
    if (!working_.isEmpty()) RemoveFile(working_);
    working_.clear();
}
