#pragma once

#include <sys/types.h>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace linesim {

// How the simulated cable behaves.
struct Options {
    std::string linkA;  // optional symlink to end A's device ("" = none)
    std::string linkB;  // optional symlink to end B's device
    int baud = 0;       // pacing, 10 bits per byte; 0 = as fast as possible
    // On a paced line, each byte is handed over this long after it left, as
    // a USB adapter holds what it received until its latency timer runs out.
    int latencyMs = 0;
    int flipOneIn = 0;       // flip one random bit in 1 of N bytes (0 = never)
    int dropOneIn = 0;       // drop 1 of N bytes (0 = never)
    std::uint64_t seed = 1;  // makes flips and drops repeatable
    // Called on the relay thread, with kSideA or kSideB, each time the
    // program on that end discards what it has received and not yet read
    // (tcflush of its input, as a port does once it is set up). With it the
    // masters run in packet mode, which tells of such flushes.
    std::function<void(int side)> onInputFlushed;
};

// Byte counts; index 0 = from A to B, index 1 = from B to A.
struct Counters {
    std::uint64_t relayed[2] = {0, 0};
    std::uint64_t flipped[2] = {0, 0};
    std::uint64_t dropped[2] = {0, 0};
};

// Two pseudo-terminal pairs whose master sides are joined by a relay thread, so
// that the two slave devices behave as the two ends of one serial cable. Both
// slaves are raw: every byte value passes unchanged. LineSim keeps each slave
// open itself, so an end stays "plugged in" until CloseEnd, whether or not a
// program has it open; bytes for an end nobody reads are held, not dropped.
class LineSim {
public:
    static constexpr int kSideA = 0;
    static constexpr int kSideB = 1;

    explicit LineSim(const Options& options = Options());
    ~LineSim();

    LineSim(const LineSim&) = delete;
    LineSim& operator=(const LineSim&) = delete;

    // False when the pseudo-terminals could not be set up; see Error().
    bool IsRunning() const { return running_; }
    const std::string& Error() const { return error_; }

    // Device path of an end ("/dev/pts/5"), or the symlink when one was asked for.
    const std::string& Path(int side) const;
    // The device path itself, never the symlink.
    const std::string& DevicePath(int side) const;

    // Unplugs one end (kSideA, kSideB) or both (-1): its pseudo-terminal is
    // closed, so a program holding that device sees a hang-up. Bytes sent
    // towards a closed end are discarded.
    void CloseEnd(int side);

    // Plugs a closed end in again: a new pseudo-terminal, under the same
    // symlink when the end has one (its device path may differ). False,
    // with Error() saying why, when it cannot be made.
    bool ReplugEnd(int side);

    // Ends the relay thread promptly; also done by the destructor.
    void Stop();

    Counters GetCounters() const;

private:
    struct End {
        int master = -1;
        int slave = -1;  // our own hold on the slave, keeps the line up
        std::string device;
        std::string link;
        std::string path;
    };
    struct Direction {
        std::deque<std::uint8_t> pending;  // read from the source, not yet delivered
        double readyAt = 0;                // pacing: when the next byte may leave
        std::deque<double> handOverAt;     // with a latency: when each pending byte is due
        double lastLeft = 0;               // with a latency: when the last byte read left
        std::uint64_t rng = 0;
    };

    bool OpenEnd(End& end, const std::string& link);
    // A packet-mode read: true with the data in [data, data + n) when it
    // carried data; a status packet is reported and gives false.
    bool TakePacket(int side, std::uint8_t*& data, ssize_t& n);
    void CloseEndLocked(int side);
    void ServeCloseRequests();
    void Wake();
    void Run();
    void ReadFrom(int side);
    void Deliver(int dir, double now);
    int PollTimeoutMs(double now) const;
    bool Chance(int dir, int oneIn);
    bool Delayed() const { return options_.baud > 0 && options_.latencyMs > 0; }
    // The time the first pending byte of `d` may be delivered.
    double DueAt(const Direction& d) const { return Delayed() ? d.handOverAt.front() : d.readyAt; }

    Options options_;
    End ends_[2];
    Direction dirs_[2];
    Counters counters_;
    int wakePipe_[2] = {-1, -1};
    bool relaying_ = false;  // the relay thread is in its loop
    int closeRequests_ = 0;  // bit per side, served by the relay thread
    std::condition_variable closed_;
    std::atomic<bool> stop_{false};
    bool running_ = false;
    std::string error_;
    mutable std::mutex mutex_;
    std::thread thread_;
};

}  // namespace linesim
