#include "bench/BenchPeer.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

namespace bench {

Peer::~Peer() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void Peer::StartCKermit(const std::string& device, const std::filesystem::path& dir,
                        const std::vector<std::string>& settings,
                        const std::vector<std::string>& commands) {
    std::filesystem::create_directories(dir);
    std::ostringstream script;
    script << "set line " << device << "\nset carrier-watch off\nset speed 115200\n"
           << "set flow none\nset parity none\nset file type binary\n"
           << "set file names literal\nset file collision overwrite\n";
    for (const auto& s : settings)
        script << s << "\n";
    for (const auto& c : commands)
        script << c << "\n";
    script << "exit\n";
    const auto scriptPath = dir / ("peer-" + std::to_string(getpid()) + "-" +
                                   std::to_string(reinterpret_cast<uintptr_t>(this)) + ".ksc");
    WriteWholeFile(scriptPath, script.str());
    std::fflush(stdout);
    pid_ = fork();
    if (pid_ == 0) {
        setsid();
        if (chdir(dir.c_str()) != 0) _exit(126);
        freopen("/dev/null", "w", stdout);
        execlp("kermit", "kermit", scriptPath.c_str(), "-Y", static_cast<char*>(nullptr));
        _exit(127);
    }
}

int Peer::Wait(int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace bench
