#include "bench/BenchLine.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace bench {

BenchLine::BenchLine(Kind kind, int baud, int latencyMs) {
    if (kind == Kind::Socat) {
        StartSocat();
        return;
    }
    linesim::Options options;
    options.baud = baud;
    options.latencyMs = latencyMs;
    linesim_ = std::make_unique<linesim::LineSim>(options);
    if (!linesim_->IsRunning()) return;
    for (int side = 0; side < 2; ++side)
        path_[side] = linesim_->Path(side);
}

BenchLine::~BenchLine() {
    if (socat_ > 0) {
        ::kill(socat_, SIGTERM);
        ::waitpid(socat_, nullptr, 0);
    }
    if (socatMessages_ != nullptr) std::fclose(socatMessages_);
    for (const std::string& dump : dumps_)
        if (!dump.empty()) ::unlink(dump.c_str());
}

void BenchLine::BytesCarried(std::uint64_t& aToB, std::uint64_t& bToA) const {
    if (linesim_ != nullptr) {
        const linesim::Counters counters = linesim_->GetCounters();
        aToB = counters.relayed[0];
        bToA = counters.relayed[1];
        return;
    }
    std::uint64_t* counts[2] = {&aToB, &bToA};
    for (int d = 0; d < 2; ++d) {
        struct stat info {};
        *counts[d] = ::stat(dumps_[d].c_str(), &info) == 0 ? info.st_size : 0;
    }
}

double BenchLine::BytesCarried() const {
    std::uint64_t aToB = 0, bToA = 0;
    BytesCarried(aToB, bToA);
    return static_cast<double>(aToB + bToA);
}

namespace {

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

LineClock::LineClock(const BenchLine& line)
    : line_(line),
      before_(static_cast<std::uint64_t>(line.BytesCarried())),
      thread_([this] { Watch(); }) {}

LineClock::~LineClock() {
    Stop();
}

double LineClock::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return first_ >= 0 ? last_ - first_ : 0;
}

void LineClock::Watch() {
    std::uint64_t seen = before_;
    while (!stop_) {
        std::uint64_t aToB = 0, bToA = 0;
        line_.BytesCarried(aToB, bToA);
        if (aToB + bToA != seen) {
            last_ = Now();
            if (first_ < 0) first_ = last_;
            seen = aToB + bToA;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}

// socat names the two devices it made on its standard error, one
// "N PTY is /dev/pts/N" line each, before it starts relaying.
void BenchLine::StartSocat() {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return;
    for (int d = 0; d < 2; ++d) {
        dumps_[d] = "/tmp/corvix-bench-socat-" + std::to_string(::getpid()) + "-" +
                    std::to_string(reinterpret_cast<std::uintptr_t>(this)) + (d ? "-ba" : "-ab");
    }
    std::fflush(nullptr);
    socat_ = ::fork();
    if (socat_ == 0) {
        ::dup2(pipeEnds[1], STDERR_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        ::execlp("socat", "socat", "-d", "-d", "-r", dumps_[0].c_str(), "-R", dumps_[1].c_str(),
                 "pty,raw,echo=0", "pty,raw,echo=0", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    socatMessages_ = ::fdopen(pipeEnds[0], "r");
    FILE* messages = socatMessages_;
    char text[512];
    int found = 0;
    while (found < 2 && messages != nullptr && std::fgets(text, sizeof text, messages) != nullptr) {
        const char* device = std::strstr(text, "PTY is ");
        if (device == nullptr) continue;
        std::string path = device + 7;
        while (!path.empty() && (path.back() == '\n' || path.back() == '\r'))
            path.pop_back();
        path_[found++] = path;
    }
    // Left open: socat writes little more, and a closed pipe would end it.
}

}  // namespace bench
