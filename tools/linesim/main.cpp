// linesim: a simulated serial cable made of two linked pseudo-terminals.
// Prints "A <device>" and "B <device>", then relays bytes until SIGINT/SIGTERM.
// With --report-flushes it also prints "flush A" (or B) each time the program
// on that end discards its unread input, as a port does once it is set up, so
// that a script can tell when a program listens without opening its device.
// SIGUSR1 unplugs end A (its program sees a hang-up and the device goes
// away), SIGUSR2 plugs it in again as a new device under the same --link-a;
// each prints "unplugged A" or "plugged A <device>".

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/linesim/LineSim.h"

namespace {

void Usage() {
    std::fprintf(stderr,
                 "usage: linesim [--baud N [--latency MS]] [--flip N] [--drop N] [--seed S]"
                 " [--link-a PATH] [--link-b PATH] [--report-flushes]\n");
}

bool ParseNumber(const char* text, long long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && value >= 0;
}

bool ParseArgs(int argc, char** argv, linesim::Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--report-flushes") {
            options.onInputFlushed = [](int side) {
                std::printf("flush %c\n", side == linesim::LineSim::kSideA ? 'A' : 'B');
                std::fflush(stdout);
            };
            continue;
        }
        if (i + 1 >= argc) return false;
        const char* value = argv[++i];
        long long number = 0;
        if (arg == "--link-a") {
            options.linkA = value;
        } else if (arg == "--link-b") {
            options.linkB = value;
        } else if (!ParseNumber(value, number) || number > 0x7fffffff) {
            return false;
        } else if (arg == "--baud") {
            options.baud = static_cast<int>(number);
        } else if (arg == "--latency") {
            options.latencyMs = static_cast<int>(number);
        } else if (arg == "--flip") {
            options.flipOneIn = static_cast<int>(number);
        } else if (arg == "--drop") {
            options.dropOneIn = static_cast<int>(number);
        } else if (arg == "--seed") {
            options.seed = static_cast<std::uint64_t>(number);
        } else {
            return false;
        }
    }
    // The latency is that of a paced line's bytes; alone it means nothing.
    return options.latencyMs == 0 || options.baud > 0;
}

}  // namespace

int main(int argc, char** argv) {
    linesim::Options options;
    if (!ParseArgs(argc, argv, options)) {
        Usage();
        return 2;
    }
    // Block the signals before the relay thread starts, so only sigwait sees them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGUSR1);
    sigaddset(&signals, SIGUSR2);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    linesim::LineSim line(options);
    if (!line.IsRunning()) {
        std::fprintf(stderr, "linesim: %s\n", line.Error().c_str());
        return 1;
    }
    std::printf("A %s\nB %s\n", line.DevicePath(linesim::LineSim::kSideA).c_str(),
                line.DevicePath(linesim::LineSim::kSideB).c_str());
    std::fflush(stdout);

    for (;;) {
        int received = 0;
        sigwait(&signals, &received);
        if (received == SIGUSR1) {
            line.CloseEnd(linesim::LineSim::kSideA);
            std::printf("unplugged A\n");
        } else if (received == SIGUSR2 && line.ReplugEnd(linesim::LineSim::kSideA)) {
            std::printf("plugged A %s\n", line.DevicePath(linesim::LineSim::kSideA).c_str());
        } else if (received == SIGUSR2) {
            std::fprintf(stderr, "linesim: %s\n", line.Error().c_str());
        } else {
            break;
        }
        std::fflush(stdout);
    }
    line.Stop();
    return 0;
}
