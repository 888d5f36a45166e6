#include "app/PathParts.h"

#include <algorithm>

qsizetype LastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}
