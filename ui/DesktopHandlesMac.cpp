#include "ui/HelpFile.h"

// Every Mac has a browser; no viewer for CHM files comes with it.
bool DesktopHandles(const QString& mimeType) {
    return mimeType == QStringLiteral("text/html");
}
