#include "ui/CaptureFile.h"

#include <QFile>
#include <QFileInfo>

bool WriteCaptureFile(const QString& path, const QByteArray& bytes, QString* error) {
    QFile file(path);
    bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    if (written) written = file.flush();
    if (!written && error) {
        *error = QStringLiteral("An error occurred while writing \"%1\".\n%2")
                     .arg(path, file.errorString());
    }
    return written;
}

std::uint32_t ReadFileSize(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return 0xFFFFFFFFu;
    if (info.isDir()) return 0;
    return static_cast<std::uint32_t>(static_cast<quint64>(info.size()) & 0xFFFFFFFFu);
}
