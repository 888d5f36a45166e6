#include <QString>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "bench/BenchPeer.h"
#include "bench/ThroughputRuns.h"
#include "bench/TimingPort.h"
#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"
#include "serial/SerialPort.h"
#include "worker/LineWatchPort.h"

namespace fs = std::filesystem;

namespace bench {

namespace {

constexpr int kBaud115200 = 115200;
constexpr int kDataCapacity = 8191;

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * (values.size() - 1) + 0.5);
    return values[at];
}

// The job's own stack: the serial port, the line watch, the engine; only
// the timing wrapper sits between the line watch and the engine.
std::vector<double> EngineRun(const LineChoice& choice, const fs::path& dir,
                              const std::string& data, bool corvixSends, bool& ok) {
    ok = false;
    BenchLine line(choice.kind, choice.baud);
    std::atomic<int> run{1};
    serial::SerialPort port(run);
    if (!line.ok() || port.Open(QString::fromStdString(line.Path(0)), kBaud115200) != 1) return {};
    LineWatchPort watched(port, run, run);  // one flag: a lost line stops the run
    TimingPort timed(watched);
    disk::DiskFiles files;
    kermit::KermitEngine engine(timed, files, run, {.blockCheck = gBlockCheck});
    Process peer;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
    if (corvixSends) {
        fs::remove_all(dir / "ck-rx");
        StartCKermit(peer, line.Path(1), dir / "ck-rx", {"receive"});
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        ok = engine.KermitSend("bench.bin", bytes, data.size()) == kermit::Outcome::Done &&
             peer.Wait(30) == 0 && ReadWholeFile(dir / "ck-rx" / "bench.bin") == data;
    } else {
        fs::remove_all(dir / "engine-rx");
        fs::create_directories(dir / "engine-rx");
        engine.SetReceiveFolder(dir / "engine-rx");
        StartCKermit(peer, line.Path(1), dir, {"send bench.bin"});
        char name[kermit::KermitEngine::kNameBufferSize] = {};
        std::vector<std::uint8_t> buffer(kDataCapacity + 1);
        ok = engine.KermitReceive(name, buffer.data(), kDataCapacity).outcome ==
                 kermit::Outcome::Done &&
             peer.Wait(30) == 0 && ReadWholeFile(dir / "engine-rx" / "bench.bin") == data;
    }
    return timed.turnarounds();
}

}  // namespace

void PrintTurnaround(const LineChoice& line, const fs::path& dir, const std::string& data) {
    WriteWholeFile(dir / "bench.bin", data);
    for (const bool sends : {true, false}) {
        bool ok = false;
        const std::vector<double> t = EngineRun(line, dir, data, sends, ok);
        std::printf("%-8s %-8s p50 %7.0f  p99 %7.0f  (%zu packets)%s\n", line.name,
                    sends ? "sends" : "receives", Percentile(t, 0.5), Percentile(t, 0.99), t.size(),
                    ok ? "" : "  (THE TRANSFER FAILED)");
        std::fflush(stdout);
    }
}

}  // namespace bench
