#include "tools/corvix-caliper/Receiver.h"

#include <chrono>
#include <fstream>

#include "disk/EightBitText.h"
#include "disk/SystemFiles.h"
#include "kermit/FileNames.h"
#include "kermit/KermitEngine.h"

namespace caliper {

using Clock = std::chrono::steady_clock;

Receiver::Receiver(CaliperLink& link, std::filesystem::path store)
    : link_(link), store_(std::move(store)) {}

bool Receiver::Run(const Request& request) {
    link_.packets().Reset();
    return AwaitInit(request) && Serve();
}

void Receiver::Ack(int seq, const std::string& data) {
    lastAck_ = data;
    link_.Send('Y', seq, data);
}

bool Receiver::Fail(const std::string& why, bool tellPeer) {
    if (tellPeer) link_.Send('E', seq_, why.substr(0, 90));
    error_ = why;
    return false;
}

// Waits for the other side's S, resending the request (or an N) whenever
// nothing useful came, until the patience runs out; then acknowledges it with
// the caliper's parameters.
bool Receiver::AwaitInit(const Request& request) {
    const auto giveUp = Clock::now() + std::chrono::milliseconds(link_.timing().patienceMs);
    const auto poke = [&] {
        if (request.type != 0)
            link_.Send(request.type, 0, request.field);
        else
            link_.Send('N', 0);
    };
    if (request.type != 0) poke();
    Packet p;
    int wait = link_.timing().timeoutMs;
    for (;;) {
        const auto r = link_.ReadPacket(wait, p);
        if (r == CaliperLink::Read::Packet && p.type == 'S' && p.seq == 0) break;
        if (r == CaliperLink::Read::Packet && p.type == 'E')
            return Fail("the PC refused: " + link_.RawText(p.len), false);
        if (Clock::now() >= giveUp) return Fail("nobody started a transfer", false);
        const bool nak = r == CaliperLink::Read::Packet && p.type == 'N';
        if (request.type != 0 && nak && wait != kNakGraceMs) {
            wait = kNakGraceMs;
            continue;
        }
        wait = link_.timing().timeoutMs;
        // A request is resent on anything but the answer (the PC's N0 says
        // it is waiting); a plain receiver answers silence and noise with N.
        if (request.type != 0 || r != CaliperLink::Read::Packet) poke();
    }
    kermit::PacketLink& packets = link_.packets();
    packets.ApplyPeerParams(p.len);
    packets.BuildAckParams();
    std::string params(reinterpret_cast<const char*>(packets.SendBuffer()), 9);
    kermit::Agreed agreed = packets.InForce();
    const int qbin = link_.timing().qbin;
    if (qbin != 0 && agreed.binPrefix == 0 && qbin != agreed.ctlPrefixIn) {
        agreed.binPrefix = qbin;
        packets.SetInForce(agreed);
        params[6] = static_cast<char>(qbin);
    }
    seq_ = 0;
    Ack(0, params);
    return true;
}

// The rest of the transaction: F or X, D..., Z, then another file or B.
bool Receiver::Serve() {
    int failures = 0;
    for (;;) {
        Packet p;
        const auto r = link_.ReadPacket(p);
        const int next = (seq_ + 1) & 63;
        if (r != CaliperLink::Read::Packet) {
            if (++failures > link_.timing().retries)
                return Fail("too many retries (" + Describe(r) + ")", true);
            link_.Send('N', next);
            continue;
        }
        if (p.type == 'E') return Fail("the PC ended the transfer: " + link_.RawText(p.len), false);
        if (p.seq == seq_) {
            // Our acknowledgement was lost: the same packet came again.
            link_.Send('Y', seq_, lastAck_);
            continue;
        }
        if (p.seq != next) {
            if (++failures > link_.timing().retries)
                return Fail("too many retries (packets out of order)", true);
            link_.Send('N', next);
            continue;
        }
        failures = 0;
        seq_ = p.seq;
        if (p.type == 'B') {
            Ack(seq_);
            return state_ == State::File || Fail("the transfer ended inside a file", false);
        }
        if (!Take(p)) return false;
    }
}

bool Receiver::Take(const Packet& p) {
    if (state_ == State::File && (p.type == 'F' || p.type == 'X')) {
        if (!OpenFile(p)) return false;
        state_ = State::Data;
    } else if (state_ == State::Data && p.type == 'D') {
        if (!Append(p)) return false;
    } else if (state_ == State::Data && p.type == 'Z') {
        if (!EndFile(p)) return Fail(error_, true);
        state_ = State::File;
    } else {
        return Fail(std::string("unexpected packet ") + static_cast<char>(p.type), true);
    }
    Ack(seq_);
    return true;
}

bool Receiver::OpenFile(const Packet& p) {
    toText_ = p.type == 'X';
    content_.clear();
    if (toText_) return true;
    std::string announced;
    if (!link_.Decode(announced, p.len, kermit::KermitEngine::kNameSize - 1))
        return Fail("file name too long", true);
    current_ = kermit::PlainFileName(announced, disk::WindowsNameRules());
    if (current_.empty()) current_ = "NONAME";
    return true;
}

bool Receiver::Append(const Packet& p) {
    std::string piece;
    if (!link_.Decode(piece, p.len)) return Fail("data packet too large", true);
    content_ += piece;
    return true;
}

// A Z with "D" in its data field asks to discard the file.
bool Receiver::EndFile(const Packet& p) {
    const bool discard = p.len > 0 && link_.packets().ReceivedField()[0] == 'D';
    if (toText_) {
        if (!discard) text_ += content_;
        gotText_ = true;
        return true;
    }
    if (discard) return true;
    const std::filesystem::path path = store_ / disk::PathFromName(current_);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content_.data(), static_cast<std::streamsize>(content_.size()));
    out.close();
    if (!out) {
        error_ = "could not write " + path.string();
        return false;
    }
    files_.push_back({current_, content_.size()});
    return true;
}

}  // namespace caliper
