#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace bench {

using test_support::ReadWholeFile;
using test_support::WriteWholeFile;

// A program on one end of the line, started in its own folder with its
// standard output in a file there.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    void Start(const std::vector<std::string>& argv, const std::filesystem::path& dir,
               const std::filesystem::path& output);
    // Exit status, or -1 when it had to be killed after `seconds` or a signal
    // ended it.
    int Wait(double seconds);
    void Signal(int signal) const;
    // Processor time it used, user and system, once it has ended.
    double cpuSeconds() const { return cpu_; }

private:
    pid_t pid_ = -1;
    double cpu_ = 0;
};

// The same protocol parameters on every C-Kermit: packets of 94, window 1,
// block check 1, no streaming, and kPlainPackets unless its line keeps
// C-Kermit's own defaults for those.
extern const std::vector<std::string> kSameParameters;

// Every control character prefixed and no attribute packets, as Corvix sends
// a file, in place of C-Kermit's defaults (cautious prefixing, attribute
// packets where the receiver takes them).
extern const std::vector<std::string> kPlainPackets;

// What a C-Kermit is told besides its commands.
struct PeerSetup {
    int speed = 115200;        // its "set speed": the line's own rate where it has one
    bool ownDefaults = false;  // keeps its prefixing and attributes: no kPlainPackets
};

// The block check every side proposes, 1 or 3; kSameParameters' 1 unless
// the run asks for 3 (C-Kermit "set block-check 3", corvix-cli
// --block-check 3, the engine's Offer::blockCheck).
extern int gBlockCheck;

// C-Kermit on `device`, in `dir`, running `commands` with kSameParameters
// (and kPlainPackets, as `setup` says); its output goes to `dir`/peer.out.
void StartCKermit(Process& process, const std::string& device, const std::filesystem::path& dir,
                  const std::vector<std::string>& commands, const PeerSetup& setup = {});

}  // namespace bench
