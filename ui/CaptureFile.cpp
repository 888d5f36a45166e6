#include "ui/CaptureFile.h"

#include <QFileInfo>
#include <QSaveFile>

// The text goes into a new file beside the old one, which it replaces only
// once it is written whole: a full disk leaves the earlier file as it was.
// Where no file can be made beside it, the file is written in place.
bool WriteCaptureFile(const QString& path, const QByteArray& bytes, QString* error,
                      const QString& failedText) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // Unbuffered: a buffered write that fails only when commit() flushes it
    // is not noticed by commit() in every Qt version, and the short file
    // would take the old one's place.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size() && file.commit();
    if (!written && error) {
        *error = failedText.arg(path) + QLatin1Char('\n') + file.errorString();
    }
    return written;
}

std::uint32_t ReadFileSize(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return 0xFFFFFFFFu;
    if (info.isDir()) return 0;
    return static_cast<std::uint32_t>(static_cast<quint64>(info.size()) & 0xFFFFFFFFu);
}
