// Throughput of Corvix's Kermit sender against C-Kermit's own, over linesim,
// with the same protocol parameters on both: packets of 94, window 1, block
// check 1, no attribute packets. Also the processor time of a receiver that
// waits on a silent line. Prints a table; not part of the test suite.
//
//   kermit_throughput [--size BYTES] [--idle SECONDS]

#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/BenchPeer.h"
#include "kermit/KermitEngine.h"
#include "serial/SerialPort.h"
#include "tools/linesim/LineSim.h"

namespace fs = std::filesystem;

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

const std::vector<std::string> kSameParameters = {
    "set window 1",      "set block-check 1",         "set attributes off",
    "set streaming off", "set send packet-length 94", "set receive packet-length 94",
    "set prefixing all", "set repeat counts on"};

// Waits until the line has carried a byte in `direction` (0: A to B, 1: B to
// A) and returns that moment.
double FirstByteSeen(const linesim::LineSim& line, int direction, double timeoutSeconds) {
    const double start = Now();
    while (line.GetCounters().relayed[direction] == 0 && Now() - start < timeoutSeconds)
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    return Now();
}

struct Run {
    double seconds = 0;
    double cpu = 0;
    double lineBytes = 0;
    bool ok = false;
};

Run CorvixToCKermit(const fs::path& dir, const std::string& data, int baud) {
    linesim::Options options;
    options.baud = baud;
    linesim::LineSim line(options);
    std::atomic<int> run{1};
    serial::SerialPort port(run);
    Run result;
    if (!line.IsRunning() || port.Open(QString::fromStdString(line.Path(0)), 7) != 1) return result;
    kermit::KermitEngine engine(port, run);
    bench::Peer peer;
    peer.StartCKermit(line.Path(1), dir / "rx-ck", kSameParameters, {"receive"});
    FirstByteSeen(line, 1, 30);  // the receiver is up once it has said something
    const double cpu0 = CpuSeconds(), t0 = Now();
    const int rc = engine.KermitSend(
        "bench.bin", reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
    result.seconds = Now() - t0;
    result.cpu = CpuSeconds() - cpu0;
    result.ok =
        rc == 0 && peer.Wait(60) == 0 && bench::ReadWholeFile(dir / "rx-ck" / "bench.bin") == data;
    const auto counters = line.GetCounters();
    result.lineBytes = static_cast<double>(counters.relayed[0] + counters.relayed[1]);
    return result;
}

Run CKermitToCKermit(const fs::path& dir, const std::string& data, int baud) {
    linesim::Options options;
    options.baud = baud;
    linesim::LineSim line(options);
    Run result;
    if (!line.IsRunning()) return result;
    bench::WriteWholeFile(dir / "bench.bin", data);
    bench::Peer receiver, sender;
    receiver.StartCKermit(line.Path(1), dir / "rx-kk", kSameParameters, {"receive"});
    FirstByteSeen(line, 1, 30);
    sender.StartCKermit(line.Path(0), dir, kSameParameters, {"send bench.bin"});
    const double t0 = FirstByteSeen(line, 0, 30);  // from the sender's first packet on
    const bool sent = sender.Wait(600) == 0;
    result.seconds = Now() - t0;
    result.ok =
        sent && receiver.Wait(60) == 0 && bench::ReadWholeFile(dir / "rx-kk" / "bench.bin") == data;
    const auto counters = line.GetCounters();
    result.lineBytes = static_cast<double>(counters.relayed[0] + counters.relayed[1]);
    return result;
}

// A receiver waiting for the caliper on a line that stays silent.
double IdleReceiverCpu(int seconds) {
    linesim::LineSim line;
    std::atomic<int> run{1};
    serial::SerialPort port(run);
    if (port.Open(QString::fromStdString(line.Path(0)), 3) != 1) return -1;
    kermit::KermitEngine engine(port, run);
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        run = 0;
    });
    char name[1024] = {};
    std::vector<std::uint8_t> buffer(8192);
    const double cpu0 = CpuSeconds();
    engine.KermitReceive(name, buffer.data(), 8191);
    const double cpu = CpuSeconds() - cpu0;
    stopper.join();
    return cpu;
}

void Report(const char* label, int baud, const Run& corvix, const Run& ckermit, size_t size) {
    const double mb = size / 1e6;
    std::printf("%-9s corvix %9.0f B/s  c-kermit %9.0f B/s  ratio %.2f  corvix cpu %.3f s/MB",
                label, size / corvix.seconds, size / ckermit.seconds,
                ckermit.seconds / corvix.seconds, corvix.cpu / mb);
    if (baud > 0) {
        const double lineRate = baud / 10.0;
        std::printf("  line busy: corvix %.1f%%  c-kermit %.1f%%",
                    100 * corvix.lineBytes / lineRate / corvix.seconds,
                    100 * ckermit.lineBytes / lineRate / ckermit.seconds);
    }
    std::printf("%s\n", corvix.ok && ckermit.ok ? "" : "  (A TRANSFER FAILED)");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    size_t size = 1000000;
    int idleSeconds = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--size") size = std::strtoul(argv[i + 1], nullptr, 10);
        if (opt == "--idle") idleSeconds = std::atoi(argv[i + 1]);
    }
    const fs::path dir = fs::temp_directory_path() / ("corvix-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::mt19937 rng(3);
    std::string data(size, '\0');
    for (char& c : data)
        c = static_cast<char>(rng());

    std::printf("%zu bytes of random data, packets of 94, window 1, block check 1\n", size);
    for (int baud : {0, 115200}) {
        const Run corvix = CorvixToCKermit(dir, data, baud);
        const Run ckermit = CKermitToCKermit(dir, data, baud);
        Report(baud == 0 ? "unpaced" : "115200", baud, corvix, ckermit, size);
    }
    const double idle = IdleReceiverCpu(idleSeconds);
    std::printf("receiver waiting %d s on a silent line: %.3f s of processor time\n", idleSeconds,
                idle);
    fs::remove_all(dir);
    return 0;
}
