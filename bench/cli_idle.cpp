// corvix-cli waiting on a silent line: the processor time a `receive` uses
// while it waits, and how long it takes to end after SIGINT. Prints figures;
// not part of the test suite.
//
//   cli_idle [--idle SECONDS] [--rounds N]

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "tools/linesim/LineSim.h"

extern char** environ;

namespace {

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double Seconds(const timeval& t) {
    return t.tv_sec + t.tv_usec / 1e6;
}

struct Round {
    double cpu = 0;       // processor time of the whole run, user + system
    double stopTime = 0;  // from SIGINT to the process's end
    int status = -1;
};

Round RunOnce(const std::string& port, double idleSeconds) {
    Round round;
    const std::string cli = CORVIX_CLI_PATH;
    char* argv[] = {const_cast<char*>(cli.c_str()), const_cast<char*>("receive"),
                    const_cast<char*>("--port"),    const_cast<char*>(port.c_str()),
                    const_cast<char*>("--dir"),     const_cast<char*>("/tmp"),
                    const_cast<char*>("--quiet"),   nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, cli.c_str(), nullptr, nullptr, argv, environ) != 0) return round;
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const double stopAt = Now();
    ::kill(pid, SIGINT);
    int status = 0;
    rusage usage{};
    // Polls for the end in 1 ms steps, so the figure is not a scheduler's.
    while (wait4(pid, &status, WNOHANG, &usage) == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    round.stopTime = Now() - stopAt;
    round.cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    round.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return round;
}

}  // namespace

int main(int argc, char** argv) {
    double idle = 10;
    int rounds = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--idle") == 0) idle = std::atof(argv[i + 1]);
        if (std::strcmp(argv[i], "--rounds") == 0) rounds = std::atoi(argv[i + 1]);
    }
    linesim::LineSim line;
    if (!line.IsRunning()) {
        std::fprintf(stderr, "linesim: %s\n", line.Error().c_str());
        return 1;
    }
    std::printf("corvix-cli receive on a silent line, %.0f s, %d rounds\n", idle, rounds);
    std::printf("%-6s %-22s %-22s %s\n", "round", "processor time (ms)", "SIGINT to exit (ms)",
                "exit");
    for (int r = 1; r <= rounds; ++r) {
        const Round result = RunOnce(line.Path(linesim::LineSim::kSideA), idle);
        std::printf("%-6d %-22.1f %-22.1f %d\n", r, result.cpu * 1000, result.stopTime * 1000,
                    result.status);
        std::fflush(stdout);
    }
    return 0;
}
