#include "bench/ThroughputRuns.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "bench/BenchPeer.h"

namespace fs = std::filesystem;

namespace bench {

namespace {

constexpr double kLimitSeconds = 600;

// The rate corvix-cli and C-Kermit are told: a paced line's own, 115200 on
// an unpaced one. On a pseudo-terminal it paces nothing.
int BaudOf(const LineChoice& choice) {
    return choice.baud > 0 ? choice.baud : 115200;
}

void Settle(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

int CheckOf(const LineChoice& choice) {
    return choice.check != 0 ? choice.check : gBlockCheck;
}

std::vector<std::string> CorvixArgs(const LineChoice& choice, const std::string& cli,
                                    const std::string& command, const std::string& device) {
    std::vector<std::string> args = {cli,       command,         "--port",
                                     device,    "--baud",        std::to_string(BaudOf(choice)),
                                     "--quiet", "--block-check", std::to_string(CheckOf(choice))};
    if (choice.packetLength != 94 || choice.slidingWindow != 1) {
        for (const std::string& a :
             {std::string("--packet-length"), std::to_string(choice.packetLength),
              std::string("--window"), std::to_string(choice.slidingWindow)})
            args.push_back(a);
    }
    return args;
}

// C-Kermit with the line's own offer after the same parameters, then `commands`.
void StartPeer(const LineChoice& choice, Process& process, const std::string& device,
               const fs::path& dir, const std::vector<std::string>& commands) {
    std::vector<std::string> all = {"set block-check " + std::to_string(CheckOf(choice))};
    if (choice.packetLength != 94 || choice.slidingWindow != 1) {
        all.push_back("set window " + std::to_string(choice.slidingWindow));
        all.push_back("set send packet-length " + std::to_string(choice.packetLength));
        all.push_back("set receive packet-length " + std::to_string(choice.packetLength));
    }
    all.insert(all.end(), commands.begin(), commands.end());
    StartCKermit(process, device, dir, all, {BaudOf(choice), choice.ckermitDefaults});
}

// C-Kermit receiving into `dir`/ck-rx, emptied first, given time to start.
void StartReceiver(const LineChoice& choice, Process& receiver, const BenchLine& line,
                   const fs::path& dir) {
    fs::remove_all(dir / "ck-rx");
    StartPeer(choice, receiver, line.Path(1), dir / "ck-rx", {"receive"});
    Settle(0.5);
}

// Waits for both ends, the sender as long as a transfer may take, then the
// figures of the run: the time on the line, each end's processor time, the
// bytes carried, and whether `received` holds the data whole.
Transfer Finish(Process& sender, Process& receiver, LineClock& clock, const BenchLine& line,
                const fs::path& received, const std::string& data) {
    Transfer t;
    const bool sent = sender.Wait(kLimitSeconds) == 0;
    const bool whole = receiver.Wait(30) == 0;
    t.seconds = clock.Stop();
    t.senderCpu = sender.cpuSeconds();
    t.receiverCpu = receiver.cpuSeconds();
    t.lineBytes = line.BytesCarried();
    t.ok = sent && whole && ReadWholeFile(received) == data;
    return t;
}

Transfer CorvixSends(const LineChoice& choice, const std::string& cli, const fs::path& dir,
                     const std::string& data) {
    BenchLine line(choice.kind, choice.baud, choice.latencyMs);
    if (!line.ok()) return {};
    Process receiver, corvix;
    StartReceiver(choice, receiver, line, dir);
    std::vector<std::string> args = CorvixArgs(choice, cli, "send", line.Path(0));
    args.push_back((dir / "bench.bin").string());
    LineClock clock(line);
    corvix.Start(args, dir, dir / "corvix.out");
    Transfer t = Finish(corvix, receiver, clock, line, dir / "ck-rx" / "bench.bin", data);
    t.corvixCpu = t.senderCpu;
    return t;
}

Transfer CorvixReceives(const LineChoice& choice, const std::string& cli, const fs::path& dir,
                        const std::string& data) {
    BenchLine line(choice.kind, choice.baud, choice.latencyMs);
    if (!line.ok()) return {};
    fs::remove_all(dir / "corvix-rx");
    fs::create_directories(dir / "corvix-rx");
    Process sender, corvix;
    std::vector<std::string> args = CorvixArgs(choice, cli, "receive", line.Path(0));
    for (const char* a : {"--count", "1", "--on-exists", "replace", "--dir"})
        args.emplace_back(a);
    args.push_back((dir / "corvix-rx").string());
    corvix.Start(args, dir, dir / "corvix.out");
    Settle(0.8);  // start-up and the port's settling time
    LineClock clock(line);
    StartPeer(choice, sender, line.Path(1), dir, {"send bench.bin"});
    Transfer t = Finish(sender, corvix, clock, line, dir / "corvix-rx" / "bench.bin", data);
    t.corvixCpu = t.receiverCpu;
    return t;
}

// C-Kermit to C-Kermit: the receiver's figure is the yardstick for Corvix
// sending, the sender's for Corvix receiving.
Transfer CKermitToCKermit(const LineChoice& choice, const fs::path& dir, const std::string& data) {
    BenchLine line(choice.kind, choice.baud, choice.latencyMs);
    if (!line.ok()) return {};
    Process receiver, sender;
    StartReceiver(choice, receiver, line, dir);
    LineClock clock(line);
    StartPeer(choice, sender, line.Path(0), dir, {"send bench.bin"});
    return Finish(sender, receiver, clock, line, dir / "ck-rx" / "bench.bin", data);
}

}  // namespace

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Rounds RunRounds(const LineChoice& line, const std::string& cli, const fs::path& dir,
                 const std::string& data, int rounds) {
    WriteWholeFile(dir / "bench.bin", data);
    Rounds r;
    for (int i = 0; i < rounds; ++i) {
        r.corvixSends.push_back(CorvixSends(line, cli, dir, data));
        // A yardstick that failed once (C-Kermit to C-Kermit stalls at
        // block check 3 with these parameters) is not waited out again.
        const bool failed = !r.yardstick.empty() && !r.yardstick.front().ok;
        r.yardstick.push_back(failed ? r.yardstick.front() : CKermitToCKermit(line, dir, data));
        r.corvixReceives.push_back(CorvixReceives(line, cli, dir, data));
    }
    return r;
}

}  // namespace bench
