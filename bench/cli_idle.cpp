// corvix-cli waiting on a silent line: the processor time a `receive` uses
// while it waits, and how long it takes to end after SIGINT; and the same
// for a receive whose adapter went away (the line unplugged a second after
// the start), which waits for it to come back. The two alternate, round by
// round. Prints figures; not part of the test suite.
//
//   cli_idle [--idle SECONDS] [--rounds N]

#include <fcntl.h>
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

// The processor time `pid` has used so far, user + system, from /proc.
double ProcessorTime(pid_t pid) {
    std::FILE* stat = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
    if (stat == nullptr) return 0;
    char line[1024] = {};
    const bool read = std::fgets(line, sizeof line, stat) != nullptr;
    std::fclose(stat);
    const char* rest = read ? std::strrchr(line, ')') : nullptr;
    unsigned long user = 0;
    unsigned long system = 0;
    // After the name: state, then ten fields, then utime and stime.
    if (rest == nullptr ||
        std::sscanf(rest + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user,
                    &system) != 2)
        return 0;
    return static_cast<double>(user + system) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

struct Round {
    double waitCpu = 0;   // processor time while it waits, after start-up
    double cpu = 0;       // processor time of the whole run, user + system
    double stopTime = 0;  // from SIGINT to the process's end
    int status = -1;
};

// With `unplug`, the port goes away once the receive has opened it.
Round RunOnce(linesim::LineSim& line, double idleSeconds, bool unplug) {
    const std::string port = line.Path(linesim::LineSim::kSideA);
    Round round;
    const std::string cli = CORVIX_CLI_PATH;
    char* argv[] = {const_cast<char*>(cli.c_str()), const_cast<char*>("receive"),
                    const_cast<char*>("--port"),    const_cast<char*>(port.c_str()),
                    const_cast<char*>("--dir"),     const_cast<char*>("/tmp"),
                    const_cast<char*>("--quiet"),   nullptr};
    // The lines it says go nowhere: only the figures are printed.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, cli.c_str(), &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return round;
    constexpr double kOpenSeconds = 1;  // start-up, the port's settling and purge
    std::this_thread::sleep_for(std::chrono::duration<double>(kOpenSeconds));
    if (unplug) line.CloseEnd(linesim::LineSim::kSideA);
    // The port closed and the wait begun, even on a busy machine.
    constexpr double kSettleSeconds = 1;
    std::this_thread::sleep_for(std::chrono::duration<double>(kSettleSeconds));
    const double waitStart = ProcessorTime(pid);
    std::this_thread::sleep_for(
        std::chrono::duration<double>(idleSeconds - kOpenSeconds - kSettleSeconds));
    round.waitCpu = ProcessorTime(pid) - waitStart;
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
    if (unplug) line.ReplugEnd(linesim::LineSim::kSideA);
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
    linesim::Options options;
    options.linkA = "/tmp/cli_idle-" + std::to_string(::getpid());
    linesim::LineSim line(options);
    if (!line.IsRunning()) {
        std::fprintf(stderr, "linesim: %s\n", line.Error().c_str());
        return 1;
    }
    std::printf("corvix-cli receive on a silent line, %.0f s, %d rounds\n", idle, rounds);
    std::printf("%-6s %-14s %-22s %-22s %-20s %s\n", "round", "waiting for", "processor time (ms)",
                "of it waiting (ms)", "SIGINT to exit (ms)", "exit");
    for (int r = 1; r <= rounds; ++r) {
        for (const bool unplug : {false, true}) {
            const Round result = RunOnce(line, idle, unplug);
            std::printf("%-6d %-14s %-22.1f %-22.1f %-20.1f %d\n", r,
                        unplug ? "the adapter" : "the caliper", result.cpu * 1000,
                        result.waitCpu * 1000, result.stopTime * 1000, result.status);
            std::fflush(stdout);
        }
    }
    return 0;
}
