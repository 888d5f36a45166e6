#pragma once

#include <QString>

// Where the last separator of `path` stands, a backslash or a slash, whichever
// is later: a path may come from either kind of system. -1 when there is none.
qsizetype LastSeparator(const QString& path);
