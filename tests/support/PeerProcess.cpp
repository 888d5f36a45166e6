#include "PeerProcess.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace interop {

PeerProcess::~PeerProcess() {
    Kill();
}

bool PeerProcess::Start(const std::vector<std::string>& argv, const std::string& workDir,
                        const std::string& logPath, const std::string& stdioDevice) {
    // Closed by the exec: when Start returns, the child no longer holds
    // copies of this process's descriptors (and the locks on them).
    // Everything the child needs is made before the fork: another thread
    // may hold the allocator's lock at that moment, and a child that calls
    // malloc then never reaches its exec (nor lets Start return).
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    int execDone[2];
    if (pipe2(execDone, O_CLOEXEC) != 0) return false;
    const pid_t pid = fork();
    if (pid < 0) {
        close(execDone[0]);
        close(execDone[1]);
        return false;
    }
    if (pid == 0) {
        close(execDone[0]);
        setsid();  // its own session: the line does not become our terminal
        const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int in = open("/dev/null", O_RDONLY);
        int out = log;
        if (!stdioDevice.empty()) in = out = open(stdioDevice.c_str(), O_RDWR | O_NOCTTY);
        dup2(in, 0);
        dup2(out, 1);
        dup2(log, 2);
        if (chdir(workDir.c_str()) != 0) _exit(126);
        execvp(args[0], args.data());
        const char failed = 1;
        (void)!write(execDone[1], &failed, 1);
        _exit(127);
    }
    close(execDone[1]);
    char failed = 0;
    ssize_t n;
    do {
        n = read(execDone[0], &failed, 1);
    } while (n < 0 && errno == EINTR);
    close(execDone[0]);
    pid_ = pid;
    return n == 0;
}

int PeerProcess::Wait(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (const auto status = Poll()) return *status;
        if (std::chrono::steady_clock::now() > deadline) {
            Kill();
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::optional<int> PeerProcess::Poll() {
    if (pid_ < 0) return -1;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == 0) return std::nullopt;
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void PeerProcess::Kill() {
    if (pid_ < 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

bool PeerProcess::Signal(int signal) {
    return pid_ >= 0 && kill(pid_, signal) == 0;
}

bool HaveProgram(const std::string& program) {
    const std::string command = "command -v " + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

bool RunningUnderCi() {
    return std::getenv("CI") != nullptr;
}

}  // namespace interop
