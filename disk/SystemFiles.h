#pragma once

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace disk {

// fopen on any path: through its wide form on Windows, where the narrow
// calls would read the name in the ANSI code page.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// The C library's last error (errno) as an error code; EIO when a call
// failed without saying why.
std::error_code LastErrno();

// True where file names follow Windows' rules: trailing dots and blanks are
// dropped and CON, NUL, COM1... name devices (see kermit::PlainFileName).
bool WindowsNameRules();

// True where two names that differ only in case name two files: everywhere
// but Windows. (The disks of a Mac often ignore case, but a name found in a
// folder there is still the file's own.)
bool NamesDifferByCase();

}  // namespace disk
