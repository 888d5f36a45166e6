#include "ui/HelpFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

QString HelpFilePath(const QString& programFolder) {
    return programFolder + QDir::separator() + QStringLiteral("Corvix.chm");
}

void OpenHelpFile(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(path)));
}
