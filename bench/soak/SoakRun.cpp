#include "bench/soak/SoakRun.h"

#include <QString>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "CKermitScript.h"
#include "PeerProcess.h"
#include "TestFiles.h"
#include "bench/soak/SoakFiles.h"
#include "bench/soak/TracingPort.h"
#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"
#include "serial/SerialPort.h"
#include "tools/linesim/LineSim.h"

namespace soak {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* FaultName(Fault fault) {
    return fault == Fault::Flip ? "bit flip" : "dropped byte";
}

const char* DirectionName(Direction direction) {
    return direction == Direction::CorvixSends ? "Corvix → C-Kermit" : "C-Kermit → Corvix";
}

const char* OutcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Exact:
            return "exact";
        case Outcome::Failed:
            return "failed";
        case Outcome::Wrong:
            return "WRONG FILE";
        case Outcome::Hung:
            return "HUNG";
        case Outcome::PeerQuit:
            return "peer quit";
    }
    return "?";
}

namespace {

constexpr int kBaud115200 = 115200;
constexpr int kStopLimitSeconds = 10;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// The seed of a run together with its cell, so that no two cells share
// files or faults.
std::uint64_t CellSeed(const RunSpec& spec) {
    return Mix(spec.seed ^
               Mix(static_cast<std::uint64_t>(spec.oneIn) * 4 + static_cast<int>(spec.fault) * 2 +
                   static_cast<int>(spec.direction)));
}

std::size_t FilesIn(const fs::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir))
        ++n;
    return n;
}

// Watches C-Kermit while Corvix runs on the main thread. Once C-Kermit has
// ended, nobody will talk to Corvix again: if Corvix is still waiting
// `grace` later, the watchdog stops it as a user would, by clearing the run
// flag. A stop that does not end the call is a fault the soak cannot go on
// from, so it ends the program.
class Watchdog {
public:
    Watchdog(interop::PeerProcess& peer, std::atomic<int>& run, const TracingPort& port,
             const RunSpec& spec)
        : peer_(peer), run_(run), port_(port), spec_(spec), thread_([this] { Watch(); }) {}

    void CorvixReturned() {
        std::lock_guard<std::mutex> lock(mutex_);
        returned_ = true;
        returnedAt_ = Clock::now();
        changed_.notify_all();
    }

    // C-Kermit's exit status; in `r`, the time from the stop to Corvix's
    // return (-1 when no stop was needed) and what Corvix was waiting after.
    int Join(RunResult& r) {
        thread_.join();
        r.stopSeconds =
            stopped_ ? std::chrono::duration<double>(returnedAt_ - stopAt_).count() : -1;
        r.waitingAfter = waitingAfter_;
        return peerExit_;
    }

private:
    void Watch() {
        std::unique_lock<std::mutex> lock(mutex_);
        WaitForPeer(lock);
        const auto returned = [this] { return returned_; };
        if (changed_.wait_for(lock, std::chrono::seconds(spec_.graceSeconds), returned)) return;
        stopped_ = true;
        stopAt_ = Clock::now();
        waitingAfter_ = port_.LastTypeWritten();
        run_ = 0;
        if (changed_.wait_for(lock, std::chrono::seconds(kStopLimitSeconds), returned)) return;
        std::fprintf(stderr, "STOP FAILED: seed %llu, Corvix still busy %d s after the stop\n",
                     static_cast<unsigned long long>(spec_.seed), kStopLimitSeconds);
        std::fflush(nullptr);
        std::_Exit(3);
    }

    // Until C-Kermit ends. It is killed at the run's limit, or sooner once
    // Corvix has returned: with nobody left to answer, C-Kermit may go on
    // asking for a packet long past its retry limit.
    void WaitForPeer(std::unique_lock<std::mutex>& lock) {
        auto deadline = Clock::now() + std::chrono::seconds(spec_.limitSeconds);
        for (;;) {
            if (const auto status = peer_.Poll()) {
                peerExit_ = *status;
                return;
            }
            if (returned_) {
                deadline =
                    std::min(deadline, returnedAt_ + std::chrono::seconds(spec_.peerAfterSeconds));
            }
            if (Clock::now() >= deadline) {
                peer_.Kill();
                peerExit_ = -1;
                return;
            }
            changed_.wait_for(lock, std::chrono::milliseconds(50));
        }
    }

    interop::PeerProcess& peer_;
    std::atomic<int>& run_;
    const TracingPort& port_;
    const RunSpec& spec_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool returned_ = false;
    bool stopped_ = false;
    Clock::time_point returnedAt_{};
    Clock::time_point stopAt_{};
    int peerExit_ = -1;
    int waitingAfter_ = 0;
    std::thread thread_;
};

// Which side claimed what, and what arrived.
struct Verdict {
    bool receiverReportsFile = false;  // the receiving side says it has the file
    bool senderReportsSent = false;
    bool exact = false;  // one file arrived, with the right name and every byte right
    bool stopped = false;
    bool peerGaveUp = false;     // C-Kermit ended by itself and said the transfer failed
    bool closingWaited = false;  // Corvix was stopped waiting for the answer to a B
};

Outcome Classify(const Verdict& v) {
    if (v.receiverReportsFile && !v.exact) return Outcome::Wrong;
    if (v.stopped) return v.peerGaveUp && !v.closingWaited ? Outcome::PeerQuit : Outcome::Hung;
    if (v.receiverReportsFile && v.senderReportsSent) return Outcome::Exact;
    return Outcome::Failed;
}

// C-Kermit on end B, receiving, or sending `name` from its folder, with the
// block check of the run (3 is its default). A lost packet costs it one
// second, not the default many; its packet log shows what it sent and what
// it took.
bool StartCKermit(interop::PeerProcess& peer, const linesim::LineSim& line, const RunSpec& spec,
                  const fs::path& workDir, const std::string& name) {
    const bool corvixSends = spec.direction == Direction::CorvixSends;
    std::vector<std::string> commands = {"set receive timeout 1", "set send timeout 1 fixed",
                                         "set block-check " + std::to_string(spec.check),
                                         "log packets " + (workDir / "peer-packets.log").string()};
    if (spec.packetLength != 94 || spec.slidingWindow != 1) {
        commands.push_back("set window " + std::to_string(spec.slidingWindow));
        commands.push_back("set send packet-length " + std::to_string(spec.packetLength));
        commands.push_back("set receive packet-length " + std::to_string(spec.packetLength));
    }
    commands.push_back(corvixSends ? std::string("receive") : "send " + name);
    test_support::WriteWholeFile(
        workDir / "peer.ksc",
        interop::CKermitScript(line.Path(linesim::LineSim::kSideB), commands));
    return peer.Start({"kermit", (workDir / "peer.ksc").string(), "-Y"},
                      (workDir / "peer").string(), (workDir / "peer.log").string());
}

// What arrived where, and who said what about it.
Outcome Judge(bool corvixSends, const RunResult& r, const fs::path& workDir,
              const std::string& name, const std::string& file, const char* nameBuffer) {
    Verdict v;
    v.stopped = r.stopSeconds >= 0;
    v.peerGaveUp = r.peerExit > 0;
    v.closingWaited = r.waitingAfter == 'B';
    const fs::path folder = workDir / (corvixSends ? "peer" : "rx");
    v.exact = fs::exists(folder / name) && test_support::ReadWholeFile(folder / name) == file &&
              FilesIn(folder) == 1;
    if (corvixSends) {
        v.senderReportsSent = r.corvixResult == 0;
        v.receiverReportsFile = r.peerExit == 0;
    } else {
        v.senderReportsSent = r.peerExit == 0;
        v.receiverReportsFile = r.corvixResult >= 0;
        v.exact = v.exact && r.corvixResult == static_cast<int>(file.size()) && name == nameBuffer;
    }
    return Classify(v);
}

// What Corvix offers in its Send-Init in this run.
kermit::Offer OfferOf(const RunSpec& spec) {
    return {.blockCheck = spec.check,
            .packetLength = spec.packetLength,
            .slidingWindow = spec.slidingWindow,
            .prefixing = spec.prefixing};
}

// How the engine ended: its status, and what was in force.
void TakeEngineEnd(const kermit::KermitEngine& engine, RunResult& result) {
    const kermit::Agreed& inForce = engine.Link().InForce();
    result.corvixStatus = engine.StatusText();
    result.checkInForce = inForce.checkType;
    result.longInForce = inForce.longLen;
    result.slidingWindowInForce = inForce.slidingWindowSize;
    result.cautiousInForce = engine.Link().PrefixesCautiously();
    result.attributesInForce = inForce.attributes;
}

}  // namespace

RunResult RunOne(const RunSpec& spec, const fs::path& workDir) {
    RunResult result;
    const bool corvixSends = spec.direction == Direction::CorvixSends;
    fs::remove_all(workDir);
    fs::create_directories(workDir / "rx");
    fs::create_directories(workDir / "peer");
    const std::uint64_t seed = CellSeed(spec);
    const std::string file = MakeSoakFile(seed, spec.minSize, spec.maxSize);
    const std::string name = "soak" + std::to_string(spec.seed) + ".dat";
    result.size = file.size();
    test_support::WriteWholeFile(workDir / "sent.dat", file);
    if (!corvixSends) test_support::WriteWholeFile(workDir / "peer" / name, file);

    linesim::Options options;
    options.seed = seed;
    (spec.fault == Fault::Flip ? options.flipOneIn : options.dropOneIn) = spec.oneIn;
    linesim::LineSim line(options);
    std::atomic<int> run{1};
    serial::SerialPort port(run);
    const auto device = QString::fromStdString(line.Path(linesim::LineSim::kSideA));
    interop::PeerProcess peer;
    if (!line.IsRunning() || port.Open(device, kBaud115200) != 1 ||
        !StartCKermit(peer, line, spec, workDir, name)) {
        result.corvixStatus = "cannot set up the line or start kermit " + line.Error();
        return result;
    }
    TracingPort traced(port);
    disk::DiskFiles files;
    kermit::KermitEngine engine(traced, files, run, OfferOf(spec));
    engine.SetReceiveFolder(workDir / "rx");
    char nameBuffer[kermit::KermitEngine::kNameBufferSize] = {};
    std::vector<std::uint8_t> dataBuffer(8192);

    Watchdog watchdog(peer, run, traced, spec);
    const auto start = Clock::now();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.data());
    if (corvixSends) {
        const bool sent =
            engine.KermitSend(name.c_str(), bytes, file.size()) == kermit::Outcome::Done;
        result.corvixResult = sent ? 0 : -1;
    } else {
        const kermit::Received received = engine.KermitReceive(nameBuffer, dataBuffer.data(), 8191);
        result.corvixResult = received.outcome == kermit::Outcome::Done ? received.bytes : -1;
    }
    result.seconds = SecondsSince(start);
    watchdog.CorvixReturned();
    result.peerExit = watchdog.Join(result);

    TakeEngineEnd(engine, result);
    const auto counters = line.GetCounters();
    for (int d = 0; d < 2; ++d)
        result.faults += counters.flipped[d] + counters.dropped[d];
    test_support::WriteWholeFile(workDir / "line.txt", traced.Trace() + "\n");
    const fs::path arrived = workDir / (corvixSends ? "peer" : "rx") / name;
    result.arrived = fs::exists(arrived) ? fs::file_size(arrived) : 0;
    result.outcome = Judge(corvixSends, result, workDir, name, file, nameBuffer);
    return result;
}

}  // namespace soak
