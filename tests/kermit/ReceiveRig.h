#pragma once

#include <algorithm>
#include <atomic>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "EngineRig.h"
#include "ReceivedNumber.h"

namespace kermit_test {

namespace fs = std::filesystem;

// A fresh folder tree under the system's temporary folder: base/in is the
// receive folder, base itself shows whether anything escaped it.
class TempTree {
public:
    TempTree() {
        std::random_device random;
        base = fs::temp_directory_path() / ("corvix-kermit-" + std::to_string(random()));
        fs::create_directories(In());
    }
    ~TempTree() {
        std::error_code ec;
        fs::remove_all(base, ec);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    fs::path In() const { return base / "in"; }

    fs::path base;
};

inline std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteWhole(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

inline std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The engine's receiving side with a scripted sender: for every packet the
// engine writes, the next scripted packet is fed (a packet of type 0 stands
// for a stop: the run flag is cleared and nothing is fed). `interpose` sees
// the engine's packets first and returns true when it has answered itself.
struct ReceiveRig : EngineRig {
    std::deque<Packet> script;
    char nameBuffer[kermit::KermitEngine::kNameBufferSize] = {};
    std::vector<std::uint8_t> dataBuffer = std::vector<std::uint8_t>(8192);

    explicit ReceiveRig(const fs::path& folder) {
        engine.SetReceiveFolder(folder);
        port.onPacket = [this](const Packet& p) {
            if (interpose && interpose(p)) return;
            if (script.empty()) return;
            const Packet next = script.front();
            script.pop_front();
            if (next.type == 0)
                run = 0;
            else
                port.FeedPacket(next.seq, next.type, next.data);
        };
    }
    void Script(const std::vector<Packet>& packets) {
        script.insert(script.end(), packets.begin(), packets.end());
    }
    // The receive as a number (ReceivedNumber.h); `outcome` says how it ended.
    static constexpr int kNeither = test_support::kNeither;
    kermit::Outcome outcome = kermit::Outcome::Failed;
    int Receive() {
        const kermit::Received r = engine.KermitReceive(nameBuffer, dataBuffer.data(), 8191);
        outcome = r.outcome;
        return test_support::ReceivedNumber(r);
    }
    std::vector<int> SeqsOf(char type) const {
        std::vector<int> seqs;
        for (const Packet& p : port.sent)
            if (p.type == type) seqs.push_back(p.seq);
        return seqs;
    }
};

}  // namespace kermit_test
