#include <QStandardPaths>

#include "app/DesktopOpener.h"

QString DesktopOpener(const QString& path, QStringList& arguments) {
    arguments = {QStringLiteral("-t"), path};
    return QStandardPaths::findExecutable(QStringLiteral("open"));
}
