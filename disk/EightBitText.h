#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace disk {

// The one seam for 8-bit text: names on the line, names on disk, Save As
// names, captured text. On Windows it is the system's ANSI code page, as
// every Windows program of the caliper's users reads such text; elsewhere it
// is Windows-1252, the caliper's Western European text (0xC5 is "Å").
// A character the code page cannot hold becomes '?'.
std::string EightBitToUtf8(std::string_view bytes);
std::string Utf8ToEightBit(std::string_view utf8);

// The code page these use: the ANSI code page on Windows, 1252 elsewhere.
unsigned EightBitCodePage();

// A file name in that 8-bit text as a path, and back.
std::filesystem::path PathFromName(std::string_view name8bit);
std::string NameFromPath(const std::filesystem::path& path);

}  // namespace disk
