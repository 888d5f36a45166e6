#include "app/EditorLauncher.h"

QString EditorCommandText(const QString& file) {
    return QStringLiteral("notepad.exe ") + file;
}
