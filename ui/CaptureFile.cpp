#include "ui/CaptureFile.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#include "app/PathParts.h"
#include "disk/FileBeside.h"
#include "disk/SystemFiles.h"

namespace {

// The bytes into a new file beside `target`, which replaces it only once
// they are all written: a full disk leaves the earlier file as it was.
bool WriteBeside(const std::filesystem::path& target, const QByteArray& bytes,
                 std::error_code& error) {
    disk::FileBeside file;
    if (!file.Open(target, error)) return false;
    errno = 0;
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, file.stream()) != size) {
        error = disk::LastErrno();
        return false;
    }
    return file.PutInPlace(error);
}

}  // namespace

bool WriteCaptureFile(const QString& path, const QByteArray& bytes, QString* error,
                      const QString& failedText) {
    std::error_code reason;
    const bool written = WriteBeside(FileToReplace(path), bytes, reason);
    if (!written && error) {
        *error =
            failedText.arg(path) + QLatin1Char('\n') + QString::fromLocal8Bit(reason.message());
    }
    return written;
}

std::uint32_t ReadFileSize(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return 0xFFFFFFFFu;
    if (info.isDir()) return 0;
    return static_cast<std::uint32_t>(static_cast<quint64>(info.size()) & 0xFFFFFFFFu);
}
