#include <sys/stat.h>

#include "cli/TargetFile.h"

TargetKind KindOf(const std::filesystem::path& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) != 0) return TargetKind::Missing;
    if (S_ISREG(existing.st_mode)) return TargetKind::Regular;
    return S_ISDIR(existing.st_mode) ? TargetKind::Folder : TargetKind::Other;
}
