#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace kermit {

// Reduces a file name announced by the peer to a plain name that can only
// ever mean a file directly inside the receive folder: folder parts, drive
// letters and characters a file name cannot hold are removed or replaced.
// With windowsRules, trailing dots and blanks go and reserved device names
// (CON, NUL, COM1, ...) get a leading underscore.
#ifdef _WIN32
inline constexpr bool kWindowsNameRules = true;
#else
inline constexpr bool kWindowsNameRules = false;
#endif
std::string PlainFileName(std::string_view name, bool windowsRules = kWindowsNameRules);

// True when `name` already is such a plain name (nothing to reduce).
bool IsPlainFileName(std::string_view name, bool windowsRules = kWindowsNameRules);

// A file name in the line's 8-bit text as a path, and back (8-bit, '?' for
// characters the code page lacks); see EightBitText.h for the code page.
std::filesystem::path PathFromName(std::string_view name8bit);
std::string NameFromPath(const std::filesystem::path& path);

// fopen on any path, wide on Windows.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

}  // namespace kermit
