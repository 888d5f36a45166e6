#include "ui/HelpFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

QString HelpFilePath(const QString& programFolder) {
    return programFolder + QDir::separator() + QStringLiteral("Corvix.chm");
}

QString HelpTarget(const QString& chmPath, const std::function<bool()>& haveChmViewer) {
    const QFileInfo chm(QDir::fromNativeSeparators(chmPath));
    if (chm.exists() && haveChmViewer()) return chmPath;
    const QString pages = chm.absolutePath() + QStringLiteral("/help/index.html");
    if (QFileInfo::exists(pages)) return QDir::toNativeSeparators(pages);
    return chmPath;
}

bool DesktopHasChmViewer() {
#ifdef Q_OS_WIN
    return true;
#elif defined(Q_OS_MACOS)
    return false;
#else
    // The desktop's handler for the type, as xdg-open would find it.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("application/vnd.ms-htmlhelp")});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
#endif
}

void OpenHelpFile(const QString& path) {
    const QString target = HelpTarget(path, DesktopHasChmViewer);
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(target)));
}
