// Corvix against C-Kermit with the same protocol parameters (packets of 94,
// window 1, block check 1, no attribute packets), over two kinds of line: a
// socat relay and linesim, unpaced and paced at 115200 baud, and paced with a
// USB adapter's latency, where long packets and a window are offered and
// C-Kermit keeps its own prefixing and attribute packets. corvix-cli sends to
// a C-Kermit receiver and receives from a C-Kermit sender; C-Kermit to
// C-Kermit is the yardstick for both. Runs alternate, so that the load of the
// machine falls on both sides alike; the table gives medians. The adapter
// lines put the caliper's own parameters on a line with an FTDI adapter's
// latency timer at 16 ms and at 1 ms, at 9600 and 115200 baud. Then the
// turnaround inside Corvix (last piece of a packet in to the answer written)
// and a receiver idling on a silent line. Prints tables; not a test.
//
//   kermit_throughput [--size BYTES] [--paced-size BYTES] [--latency-size BYTES]
//                     [--adapter-slow-size BYTES] [--adapter-fast-size BYTES]
//                     [--rounds N] [--idle SECONDS] [--cli PATH]
//                     [--only socat|linesim|paced|latency|adapter]
//                     [--block-check 1|3]

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "bench/BenchPeer.h"
#include "bench/ThroughputRuns.h"

namespace fs = std::filesystem;
using namespace bench;

namespace {

struct Settings {
    std::size_t size = 1000000;
    std::size_t pacedSize = 200000;
    std::size_t latencySize = 100000;
    std::size_t adapterSlowSize = 8000;   // at 9600 baud
    std::size_t adapterFastSize = 30000;  // at 115200 baud
    int rounds = 3;
    int idleSeconds = 10;
    std::string only;
};

Settings ReadSettings(int argc, char** argv, std::string& cli) {
    Settings s;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        const char* value = argv[i + 1];
        if (opt == "--size") s.size = std::strtoul(value, nullptr, 10);
        if (opt == "--paced-size") s.pacedSize = std::strtoul(value, nullptr, 10);
        if (opt == "--latency-size") s.latencySize = std::strtoul(value, nullptr, 10);
        if (opt == "--adapter-slow-size") s.adapterSlowSize = std::strtoul(value, nullptr, 10);
        if (opt == "--adapter-fast-size") s.adapterFastSize = std::strtoul(value, nullptr, 10);
        if (opt == "--rounds") s.rounds = std::atoi(value);
        if (opt == "--idle") s.idleSeconds = std::atoi(value);
        if (opt == "--cli") cli = value;
        if (opt == "--only") s.only = value;
        if (opt == "--block-check") gBlockCheck = std::atoi(value) == 3 ? 3 : 1;
    }
    return s;
}

std::string RandomData(std::size_t size) {
    std::mt19937 rng(3);
    std::string data(size, '\0');
    for (char& c : data)
        c = static_cast<char>(rng());
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::string cli = CORVIX_CLI_PATH;
    const Settings s = ReadSettings(argc, argv, cli);
    const fs::path dir = fs::temp_directory_path() / ("corvix-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string data = RandomData(s.size);
    const std::string pacedData = data.substr(0, std::min(s.size, s.pacedSize));
    const std::string latencyData = data.substr(0, std::min(s.size, s.latencySize));
    const std::string adapterSlowData = data.substr(0, std::min(s.size, s.adapterSlowSize));
    const std::string adapterFastData = data.substr(0, std::min(s.size, s.adapterFastSize));

    std::printf(
        "random data, packets of 94, window 1, block check %d, no attributes;\n"
        "%d alternating rounds per line, medians; corvix-cli: %s\n\n",
        gBlockCheck, s.rounds, cli.c_str());
    PrintThroughputHeader();
    // The fourth line has a USB adapter's latency: every side offers long
    // packets of 4000 and a window of 8, with block check 3; C-Kermit prefixes
    // and announces files as it does by default.
    const struct {
        LineChoice choice;
        const std::string& file;
    } lines[] = {{{"socat", BenchLine::Kind::Socat, 0}, data},
                 {{"linesim", BenchLine::Kind::Linesim, 0}, data},
                 {{"paced", BenchLine::Kind::Linesim, 115200}, pacedData},
                 {{"latency", BenchLine::Kind::Linesim, 115200, 8, 3, 4000, 8, true}, latencyData}};
    for (const auto& line : lines) {
        if (!s.only.empty() && s.only != line.choice.name) continue;
        if (line.choice.latencyMs > 0)
            std::printf(
                "latency: %d ms each way, block check 3, long packets of %d, window %d;\n"
                "C-Kermit with its own prefixing and attribute packets\n",
                line.choice.latencyMs, line.choice.packetLength, line.choice.slidingWindow);
        PrintThroughput(line.choice, RunRounds(line.choice, cli, dir, line.file, s.rounds),
                        line.file.size());
    }
    if (s.only.empty() || s.only == "adapter")
        PrintAdapterLatency(cli, dir, adapterSlowData, adapterFastData, s.rounds);
    std::printf(
        "\nturnaround inside Corvix: last piece of a packet in -> answer written "
        "(microseconds)\n");
    for (const auto& line : lines) {
        const LineChoice& c = line.choice;
        if (c.baud != 0 || (!s.only.empty() && s.only != c.name)) continue;
        PrintTurnaround({c.name, c.kind, 0}, dir, data);
    }
    if (s.idleSeconds > 0) PrintIdle(cli, s.idleSeconds, s.rounds);
    fs::remove_all(dir);
    return 0;
}
