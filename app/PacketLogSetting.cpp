#include "app/PacketLogSetting.h"

#include "app/AppSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString DefaultFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

}  // namespace

QString DefaultPacketLogFile() {
    return QDir::toNativeSeparators(QDir(DefaultFolder()).filePath(QLatin1String(kPacketLogName)));
}

// A name typed without a folder goes into the default folder, not wherever
// the program happened to start.
QString PacketLogFileOf(const AppSettings& settings) {
    if (!settings.PacketLog) return {};
    const QString stored = QDir::fromNativeSeparators(settings.PacketLogFile.trimmed());
    if (stored.isEmpty()) return DefaultPacketLogFile();
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(DefaultFolder()).filePath(stored)));
}
