#include "ui/HelpFile.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>

#include "ui/HelpWindow.h"

QString HelpFilePath(const QString& programFolder) {
    return programFolder + QDir::separator() + QStringLiteral("Corvix.chm");
}

namespace {

// A language's own folder of pages: a plain code of letters ("de"), so that
// no text can lead out of the help folder; English has none.
bool HasOwnPages(const QString& language) {
    if (language.isEmpty() || language == QStringLiteral("en")) return false;
    for (const QChar c : language) {
        if (c < QLatin1Char('a') || c > QLatin1Char('z')) return false;
    }
    return true;
}

}  // namespace

QString HelpPage(const QString& helpFolder, const QString& language, const QString& page) {
    if (HasOwnPages(language)) {
        const QString translated =
            helpFolder + QLatin1Char('/') + language + QLatin1Char('/') + page;
        if (QFileInfo::exists(translated)) return translated;
    }
    return helpFolder + QLatin1Char('/') + page;
}

QString HelpTarget(const QString& chmPath, const std::function<bool()>& haveChmViewer,
                   const QString& language) {
    const QFileInfo chm(QDir::fromNativeSeparators(chmPath));
    const QString folder = chm.absolutePath() + QStringLiteral("/help");
    const QString english = folder + QStringLiteral("/index.html");
    const QString translated = HelpPage(folder, language, QStringLiteral("index.html"));
    if (translated != english) return QDir::toNativeSeparators(translated);
    if (chm.exists() && haveChmViewer()) return chmPath;
    if (QFileInfo::exists(english)) return QDir::toNativeSeparators(english);
    return chmPath;
}

bool DesktopHasChmViewer() {
    return DesktopHandles(QStringLiteral("application/vnd.ms-htmlhelp"));
}

HelpViewer ChooseHelpViewer(const QString& target,
                            const std::function<bool(const QString&)>& desktopHandles) {
    const QFileInfo file(QDir::fromNativeSeparators(target));
    if (!file.exists()) return HelpViewer::Missing;
    const bool pages = file.suffix().compare(QStringLiteral("html"), Qt::CaseInsensitive) == 0;
    if (!pages) return HelpViewer::Desktop;  // a CHM only when the desktop can show it
    return desktopHandles(QStringLiteral("text/html")) ? HelpViewer::Desktop
                                                       : HelpViewer::OwnWindow;
}

void ShowHelpWindow(const QString& page) {
    static QPointer<HelpWindow> window;
    if (window == nullptr) window = new HelpWindow(QApplication::activeModalWidget());
    window->ShowPage(QUrl::fromLocalFile(QDir::fromNativeSeparators(page)));
}

// The pages go to the browser, or to Corvix's own window when there is none
// or it cannot be started; a help that is not there says so.
void OpenHelpFile(const QString& path, const QString& language, const QString& missingText) {
    const QString target = HelpTarget(path, DesktopHasChmViewer, language);
    const QUrl url = QUrl::fromLocalFile(QDir::fromNativeSeparators(target));
    switch (ChooseHelpViewer(target, DesktopHandles)) {
        case HelpViewer::Desktop:
            if (QDesktopServices::openUrl(url)) return;
            if (target.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive)) break;
            [[fallthrough]];
        case HelpViewer::Missing:
            QMessageBox::warning(QApplication::activeModalWidget(), QStringLiteral("Corvix"),
                                 missingText.arg(QDir::toNativeSeparators(target)));
            return;
        case HelpViewer::OwnWindow:
            break;
    }
    ShowHelpWindow(target);
}
