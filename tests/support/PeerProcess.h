#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace interop {

// A Kermit program running as the other end of the line.
class PeerProcess {
public:
    PeerProcess() = default;
    ~PeerProcess();
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;

    // Starts `argv` in `workDir`. Its output goes to `logPath`; with a
    // non-empty `stdioDevice` its standard input and output are that device
    // (G-Kermit talks on its standard input and output). Returns once the
    // program runs; false when it could not be started.
    bool Start(const std::vector<std::string>& argv, const std::string& workDir,
               const std::string& logPath, const std::string& stdioDevice = "");

    // Waits at most `timeoutMs` for the program to end; returns its exit
    // status, or -1 after killing it when it did not end in time.
    int Wait(int timeoutMs);
    // Its exit status once it has ended (-1 when a signal ended it), nothing
    // while it runs. Never waits.
    std::optional<int> Poll();
    void Kill();
    // Sends `signal` (SIGSTOP, SIGCONT) to the running program.
    bool Signal(int signal);

private:
    pid_t pid_ = -1;
};

// True when `program` can be found on PATH.
bool HaveProgram(const std::string& program);

bool RunningUnderCi();

// Skips the test when a peer program is missing; under CI that is a failure.
#define REQUIRE_PEER(program)                                                          \
    do {                                                                               \
        if (!::interop::HaveProgram(program)) {                                        \
            if (::interop::RunningUnderCi()) FAIL() << program << " is not installed"; \
            GTEST_SKIP() << program << " is not installed";                            \
        }                                                                              \
    } while (0)

}  // namespace interop
