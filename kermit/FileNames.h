#pragma once

#include <string>
#include <string_view>

namespace kermit {

// Reduces a file name announced by the peer to a plain name that can only
// ever mean a file directly inside the receive folder: folder parts, drive
// letters and characters a file name cannot hold are removed or replaced.
// With windowsRules, trailing dots and blanks go and reserved device names
// (CON, NUL, COM1, ...) get a leading underscore.
std::string PlainFileName(std::string_view name, bool windowsRules);

// True when `name` already is such a plain name (nothing to reduce).
bool IsPlainFileName(std::string_view name, bool windowsRules);

}  // namespace kermit
