#pragma once

#include <string>

#include "tools/corvix-caliper/CaliperLink.h"
#include "tools/corvix-caliper/Receiver.h"

namespace caliper {

// The caliper as a client of the PC's Kermit server. Requests travel with the
// default parameters (no exchange precedes them), sequence number 0.

// R: asks for the file `name`; false when the name does not fit one packet.
bool FileRequest(CaliperLink& link, const std::string& name, Request& request);

// G with a one-letter generic command (D: the PC's text, L: logout).
void GenericRequest(CaliperLink& link, char command, Request& request);

// G L: sends the logout and waits for the PC's Y, resending on silence,
// noise or the PC's N; false with the reason in `error`.
bool Logout(CaliperLink& link, std::string& error);

}  // namespace caliper
