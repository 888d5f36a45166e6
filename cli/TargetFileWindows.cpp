#include <windows.h>

#include "cli/TargetFile.h"

TargetKind KindOf(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return TargetKind::Missing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return TargetKind::Folder;
    return attributes & FILE_ATTRIBUTE_DEVICE ? TargetKind::Other : TargetKind::Regular;
}
