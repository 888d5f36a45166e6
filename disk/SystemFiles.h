#pragma once

#include <cstdio>
#include <filesystem>

namespace disk {

// fopen on any path: through its wide form on Windows, where the narrow
// calls would read the name in the ANSI code page.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// True where file names follow Windows' rules: trailing dots and blanks are
// dropped and CON, NUL, COM1... name devices (see kermit::PlainFileName).
bool WindowsNameRules();

}  // namespace disk
