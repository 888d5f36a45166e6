#include "disk/SystemFiles.h"

namespace disk {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool WindowsNameRules() {
    return false;
}

bool NamesDifferByCase() {
    return true;
}

}  // namespace disk
