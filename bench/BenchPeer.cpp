#include "bench/BenchPeer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace bench {

namespace {

double Seconds(const timeval& t) {
    return t.tv_sec + t.tv_usec / 1e6;
}

}  // namespace

const std::vector<std::string> kSameParameters = {
    "set window 1", "set block-check 1", "set streaming off", "set send packet-length 94",
    "set receive packet-length 94", "set repeat counts on",
    // No "kermit -ir" start-up string before the first packet.
    "set protocol kermit {} {} {}"};

const std::vector<std::string> kPlainPackets = {"set attributes off", "set prefixing all"};

int gBlockCheck = 1;

Process::~Process() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

void Process::Start(const std::vector<std::string>& argv, const std::filesystem::path& dir,
                    const std::filesystem::path& output) {
    std::filesystem::create_directories(dir);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::fflush(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::setsid();
        if (::chdir(dir.c_str()) != 0) ::_exit(126);
        const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out >= 0) ::dup2(out, STDOUT_FILENO);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
}

int Process::Wait(double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int status = 0;
    rusage usage{};
    for (;;) {
        if (pid_ <= 0) return -1;
        const pid_t done = ::wait4(pid_, &status, WNOHANG, &usage);
        if (done == pid_) break;
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid_, SIGKILL);
            ::wait4(pid_, &status, 0, &usage);
            pid_ = -1;
            cpu_ = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
            return -1;
        }
        // Short steps, so that a figure taken right after is not a scheduler's.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    pid_ = -1;
    cpu_ = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Process::Signal(int signal) const {
    if (pid_ > 0) ::kill(pid_, signal);
}

void StartCKermit(Process& process, const std::string& device, const std::filesystem::path& dir,
                  const std::vector<std::string>& commands, const PeerSetup& setup) {
    std::filesystem::create_directories(dir);
    std::ostringstream script;
    script << "set line " << device << "\nset carrier-watch off\nset speed " << setup.speed
           << "\nset flow none\nset parity none\nset file type binary\n"
           << "set file names literal\nset file collision overwrite\n";
    for (const auto& s : kSameParameters)
        script << s << "\n";
    if (!setup.ownDefaults) {
        for (const auto& s : kPlainPackets)
            script << s << "\n";
    }
    script << "set block-check " << gBlockCheck << "\n";
    for (const auto& c : commands)
        script << c << "\n";
    script << "exit\n";
    WriteWholeFile(dir / "peer.ksc", script.str());
    process.Start({"kermit", (dir / "peer.ksc").string(), "-Y"}, dir, dir / "peer.out");
}

}  // namespace bench
