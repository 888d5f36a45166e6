#include "ui/HelpFile.h"

// Windows opens both the pages and the help file itself.
bool DesktopHandles(const QString&) {
    return true;
}
