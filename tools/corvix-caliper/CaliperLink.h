#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "kermit/KermitPort.h"
#include "kermit/PacketLink.h"

namespace caliper {

// How patient the caliper is, as a device would be configured.
struct Timing {
    int qbin = 0;            // 8-bit prefix to ask for when receiving (0 = none)
    int timeoutMs = 5000;    // wait for one packet before resending
    int retries = 10;        // failed waits in a row before giving up
    int patienceMs = 60000;  // wait for the other side to start a transaction
};

// One packet as read from the line; data still encoded (also the packet
// link's received field, where DecodeData and ApplyPeerParams find it).
struct Packet {
    int len = 0;
    int seq = 0;
    int type = 0;
};

// The caliper's side of the line: a Kermit packet link, driven with the
// caliper's own time-outs. The link's byte wait has no time limit; here a
// deadline clears the run flag, which ends the wait exactly like a stop.
class CaliperLink : private kermit::KermitPort {
public:
    enum class Read { Packet, Timeout, Bad };

    CaliperLink(kermit::KermitPort& line, const Timing& timing);

    kermit::PacketLink& packets() { return packets_; }
    const Timing& timing() const { return timing_; }

    // Waits at most `timeoutMs` for one verified packet.
    Read ReadPacket(int timeoutMs, Packet& packet);
    Read ReadPacket(Packet& packet) { return ReadPacket(timing_.timeoutMs, packet); }

    // Sends a packet; its data is copied, so it can be sent again by Resend.
    void Send(int type, int seq, const std::uint8_t* data = nullptr, int len = 0);
    void Send(int type, int seq, std::string_view text);
    void Resend() { packets_.RepeatLastPacket(); }

    // The data field of the last packet read, decoded; false when it does not
    // fit `capacity` bytes.
    bool Decode(std::string& out, int len, int capacity = 8192);
    // The last packet's data field as text, undecoded (an E packet's message).
    std::string RawText(int len) const;

    // Encodes `text` into one data field; false when it does not fit.
    bool EncodeWhole(std::string_view text, std::string& field);

    void DiscardInput();

private:
    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;
    void WaitForInput(int milliseconds) override;
    void PumpMessages() override;

    kermit::KermitPort& line_;
    Timing timing_;
    std::atomic<int> runFlag_{1};
    kermit::PacketLink packets_;  // reads and writes through this object
    std::chrono::steady_clock::time_point deadline_{};
    bool timedOut_ = false;
    std::uint8_t out_[128] = {};
};

// How long a client waits after the PC's N before it sends its request
// again: the N may have crossed the request, whose answer is then on its way.
inline constexpr int kNakGraceMs = 400;

// What a failed read was, for messages.
std::string Describe(CaliperLink::Read read);

}  // namespace caliper
