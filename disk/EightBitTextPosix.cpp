#include "disk/EightBitText.h"

#include "disk/Cp1252.h"

namespace disk {

std::string EightBitToUtf8(std::string_view bytes) {
    return Cp1252ToUtf8(bytes);
}

std::string Utf8ToEightBit(std::string_view utf8) {
    return Utf8ToCp1252(utf8);
}

unsigned EightBitCodePage() {
    return 1252;
}

}  // namespace disk
