#include "tools/corvix-caliper/ClientRequests.h"

#include <chrono>

namespace caliper {

bool FileRequest(CaliperLink& link, const std::string& name, Request& request) {
    link.packets().Reset();
    link.DiscardInput();
    request.type = 'R';
    return link.EncodeWhole(name, request.field);
}

void GenericRequest(CaliperLink& link, char command, Request& request) {
    link.packets().Reset();
    link.DiscardInput();
    request.type = 'G';
    link.EncodeWhole(std::string(1, command), request.field);
}

bool Logout(CaliperLink& link, std::string& error) {
    using Clock = std::chrono::steady_clock;
    Request request;
    GenericRequest(link, 'L', request);
    const auto giveUp = Clock::now() + std::chrono::milliseconds(link.timing().patienceMs);
    link.Send('G', 0, request.field);
    int wait = link.timing().timeoutMs;
    for (;;) {
        Packet p;
        const auto r = link.ReadPacket(wait, p);
        if (r == CaliperLink::Read::Packet && p.type == 'Y' && p.seq == 0) return true;
        if (r == CaliperLink::Read::Packet && p.type == 'E') {
            error = "the PC refused: " + link.RawText(p.len);
            return false;
        }
        if (Clock::now() >= giveUp) {
            error = "nobody answered the logout";
            return false;
        }
        // A logout sent twice would log out twice: after an N, first give
        // the answer to the one already sent a moment to arrive.
        if (r == CaliperLink::Read::Packet && p.type == 'N' && wait != kNakGraceMs) {
            wait = kNakGraceMs;
            continue;
        }
        wait = link.timing().timeoutMs;
        link.Resend();
    }
}

}  // namespace caliper
