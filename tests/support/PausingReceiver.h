#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "PeerProcess.h"
#include "tools/linesim/LineSim.h"

namespace interop {

// C-Kermit receiving at end B of a line paced at 9600 baud, as a caliper
// does. Step() stops it (SIGSTOP) once kStopAfterBytes have gone its way:
// for good, or, with a `pause`, until that time has passed (SIGCONT), as a
// caliper that writes its memory.
class PausingReceiver {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::uint64_t kStopAfterBytes = 4000;

    PausingReceiver(const std::filesystem::path& dir, std::optional<Clock::duration> pause);

    // Starts C-Kermit; false when the line or the program could not start.
    bool Start();
    // Stops or resumes the peer when its moment has come; call it often.
    void Step();

    std::string PortA() const { return line.Path(linesim::LineSim::kSideA); }
    std::string Received(const std::string& name) const;

    linesim::LineSim line;
    PeerProcess peer;
    std::optional<Clock::time_point> stoppedAt;
    bool resumed = false;

private:
    std::filesystem::path dir_;
    std::optional<Clock::duration> pause_;
    bool started_ = false;
};

}  // namespace interop
