#pragma once

#include <string>
#include <string_view>

#include "tools/corvix-caliper/CaliperLink.h"

namespace caliper {

// The caliper sending one file in one Kermit transaction (S, F, D..., Z, B),
// stop-and-wait, with its own time-out and retries. The first packet waits
// with the whole patience, since the PC may not be listening yet; the PC's
// N0 (its receiver announcing itself) makes it go again at once.
class Sender {
public:
    explicit Sender(CaliperLink& link) : link_(link) {}

    bool Send(std::string_view name, std::string_view data);
    const std::string& error() const { return error_; }

private:
    bool Exchange(int type, const std::string& field, bool first = false);
    bool Fail(const std::string& why, bool tellPeer);

    CaliperLink& link_;
    int seq_ = 0;
    int copies_ = 0;       // times the packet now waiting was sent
    int staleBudget_ = 0;  // repeated acknowledgements of the last packet still to come
    Packet ack_;
    std::string error_;
};

}  // namespace caliper
