#include "app/PathParts.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

qsizetype LastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

std::filesystem::path FileToReplace(const QString& path) {
    const QFileInfo info(path);
    return QFile(info.isSymLink() && info.exists() ? info.canonicalFilePath() : path)
        .filesystemFileName();
}
