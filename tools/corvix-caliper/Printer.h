#pragma once

#include <string>
#include <string_view>

#include "kermit/KermitPort.h"

namespace caliper {

// The text as the caliper prints it: every line ends with CR LF whatever it
// ended with in the file (LF or CR LF, or nothing on a last line); every
// other byte, a form feed between pages included, goes as it is.
std::string PrintedText(std::string_view file);

// Writes `text` line by line, no faster than `baud` allows (10 bits a byte),
// as a device with a serial printer port does. Returns false when the line
// did not take everything.
bool PrintPaced(kermit::KermitPort& line, std::string_view text, int baud);

}  // namespace caliper
