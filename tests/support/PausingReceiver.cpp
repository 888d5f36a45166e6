#include "PausingReceiver.h"

#include <signal.h>

#include "CKermitScript.h"
#include "TestFiles.h"

namespace interop {
namespace {

linesim::Options Paced() {
    linesim::Options options;
    options.baud = 9600;
    return options;
}

}  // namespace

PausingReceiver::PausingReceiver(const std::filesystem::path& dir,
                                 std::optional<Clock::duration> pause)
    : line(Paced()), dir_(dir), pause_(pause) {}

bool PausingReceiver::Start() {
    if (!line.IsRunning()) return false;
    std::filesystem::create_directories(dir_ / "peer");
    const auto script = dir_ / "peer.ksc";
    test_support::WriteWholeFile(script,
                                 CKermitScript(line.Path(linesim::LineSim::kSideB), {"receive"}));
    started_ = peer.Start({"kermit", script.string(), "-Y"}, (dir_ / "peer").string(),
                          (dir_ / "peer.log").string());
    return started_;
}

void PausingReceiver::Step() {
    if (!started_) return;
    if (!stoppedAt) {
        if (line.GetCounters().relayed[0] < kStopAfterBytes) return;
        peer.Signal(SIGSTOP);
        stoppedAt = Clock::now();
    } else if (pause_ && !resumed && Clock::now() - *stoppedAt >= *pause_) {
        peer.Signal(SIGCONT);
        resumed = true;
    }
}

std::string PausingReceiver::Received(const std::string& name) const {
    return test_support::ReadWholeFile(dir_ / "peer" / name);
}

}  // namespace interop
