#include "disk/SystemFiles.h"

#include <string>

namespace disk {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
}

bool WindowsNameRules() {
    return true;
}

bool NamesDifferByCase() {
    return false;
}

}  // namespace disk
