#pragma once

#include <string>
#include <vector>

namespace interop {

// A C-Kermit script that talks on `line` with the settings every test uses
// (115200, no flow control, binary, literal names, overwrite, short
// time-outs), then runs `commands` and exits.
std::string CKermitScript(const std::string& line, const std::vector<std::string>& commands);

// C-Kermit's packet log ("log packets"): a packet stands there as "^A", LEN,
// SEQ, TYPE, data, on a line that begins "s-" when C-Kermit sent it.
// The types of the packets it sent, in order.
std::string CKermitSentTypes(const std::string& log);
// Whether an E packet with `text` stands in the log.
bool CKermitLogHasError(const std::string& log, const std::string& text);

}  // namespace interop
