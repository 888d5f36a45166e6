#pragma once

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "EngineRig.h"
#include "KermitPeer.h"

namespace kermit_test {

// The engine sending to a scripted receiver.
struct SendRig : EngineRig {
    ReceivingPeer peer;
    kermit::SendDetails details;  // what a send tells besides the bytes

    SendRig() {
        port.onPacket = [this](const Packet& p) {
            if (!interpose || !interpose(p)) peer.Answer(port, p);
        };
    }
    // 0 when the file went through, -1 when the send failed or was stopped;
    // `outcome` says which.
    kermit::Outcome outcome = kermit::Outcome::Failed;
    int Send(const std::string& content, const char* name = "DATA.TXT") {
        outcome = engine.KermitSend(name, reinterpret_cast<const std::uint8_t*>(content.data()),
                                    content.size(), details);
        return outcome == kermit::Outcome::Done ? 0 : -1;
    }
    std::vector<std::string> DataFields() const {
        std::vector<std::string> fields;
        for (const Packet& p : port.sent)
            if (p.type == 'D') fields.push_back(p.data);
        return fields;
    }
    const Packet* Sent(char type) const {
        for (const Packet& p : port.sent)
            if (p.type == type) return &p;
        return nullptr;
    }
    std::size_t LongestDataField() const {
        std::size_t longest = 0;
        for (const std::string& f : DataFields())
            longest = std::max(longest, f.size());
        return longest;
    }
};

}  // namespace kermit_test
