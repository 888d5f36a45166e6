#pragma once

#include <string>
#include <vector>

namespace interop {

// A C-Kermit script that talks on `line` with the settings every test uses
// (115200, no flow control, binary, literal names, overwrite, short
// time-outs), then runs `commands` and exits.
std::string CKermitScript(const std::string& line, const std::vector<std::string>& commands);

}  // namespace interop
