#include "disk/EightBitText.h"

namespace disk {

std::filesystem::path PathFromName(std::string_view name8bit) {
    const std::string utf8 = EightBitToUtf8(name8bit);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string NameFromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return Utf8ToEightBit(std::string(utf8.begin(), utf8.end()));
}

}  // namespace disk
