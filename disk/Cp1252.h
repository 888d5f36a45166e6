#pragma once

#include <string>
#include <string_view>

namespace disk {

// The caliper's 8-bit text is Western European (Windows-1252): 0xC5 is "Å".
// These turn such bytes into UTF-8 and back; a character the code page lacks
// becomes '?'. Undefined code points (0x81, 0x8D, 0x8F, 0x90, 0x9D) pass
// through as the C1 controls of the same value, so no byte is ever lost.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace disk
