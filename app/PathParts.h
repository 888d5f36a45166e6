#pragma once

#include <QString>

#include <filesystem>

// Where the last separator of `path` stands, a backslash or a slash, whichever
// is later: a path may come from either kind of system. -1 when there is none.
qsizetype LastSeparator(const QString& path);

// The file that writing to `path` replaces, as the system names it: the
// file a link there names (the link stays), else `path` itself.
std::filesystem::path FileToReplace(const QString& path);
