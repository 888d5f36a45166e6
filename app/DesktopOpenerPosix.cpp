#include <QStandardPaths>

#include "app/DesktopOpener.h"

QString DesktopOpener(const QString& path, QStringList& arguments) {
    arguments = {path};
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}
