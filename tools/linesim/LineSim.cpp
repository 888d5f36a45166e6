#include "tools/linesim/LineSim.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>

namespace linesim {

namespace {

// Above this many bytes waiting for one end, the other end is not read until
// the backlog drains, so an end nobody reads cannot eat all memory.
constexpr std::size_t kBacklogLimit = 4 * 1024 * 1024;
constexpr std::size_t kChunk = 4096;

double NowSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

bool MakeRaw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) return false;
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Replaces an existing symlink at `link`, never a regular file.
bool PlaceLink(const std::string& target, const std::string& link) {
    struct stat st {};
    if (lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) return false;
        ::unlink(link.c_str());
    }
    return ::symlink(target.c_str(), link.c_str()) == 0;
}

}  // namespace

LineSim::LineSim(const Options& options) : options_(options) {
    dirs_[0].rng = options_.seed ^ 0x5A5A0001ULL;
    dirs_[1].rng = options_.seed ^ 0xA5A50002ULL;
    if (::pipe2(wakePipe_, O_CLOEXEC) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return;
    }
    ::fcntl(wakePipe_[0], F_SETFL, O_NONBLOCK);
    ::fcntl(wakePipe_[1], F_SETFL, O_NONBLOCK);
    if (!OpenEnd(ends_[0], options_.linkA) || !OpenEnd(ends_[1], options_.linkB)) {
        CloseEnd(-1);
        return;
    }
    running_ = true;
    relaying_ = true;
    thread_ = std::thread([this] { Run(); });
}

LineSim::~LineSim() {
    Stop();
    CloseEnd(-1);
    CloseFd(wakePipe_[0]);
    CloseFd(wakePipe_[1]);
}

bool LineSim::OpenEnd(End& end, const std::string& link) {
    // No program started meanwhile (a peer under test) may inherit an end:
    // its copy would keep the end plugged in after CloseEnd.
    end.master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (end.master < 0 || ::grantpt(end.master) != 0 || ::unlockpt(end.master) != 0) {
        error_ = std::string("pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ::ptsname(end.master);
    if (name == nullptr) {
        error_ = "ptsname failed";
        return false;
    }
    end.device = name;
    end.slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (end.slave < 0 || !MakeRaw(end.slave) || !MakeRaw(end.master)) {
        error_ = "cannot set up " + end.device + ": " + std::strerror(errno);
        return false;
    }
    ::fcntl(end.master, F_SETFL, ::fcntl(end.master, F_GETFL) | O_NONBLOCK);
    int packetMode = 1;
    if (options_.onInputFlushed && ::ioctl(end.master, TIOCPKT, &packetMode) != 0) {
        error_ = "cannot watch " + end.device + ": " + std::strerror(errno);
        return false;
    }
    end.path = end.device;
    if (!link.empty()) {
        if (!PlaceLink(end.device, link)) {
            error_ = "cannot create link " + link;
            return false;
        }
        end.link = link;
        end.path = link;
    }
    return true;
}

const std::string& LineSim::Path(int side) const {
    return ends_[side == kSideB].path;
}

const std::string& LineSim::DevicePath(int side) const {
    return ends_[side == kSideB].device;
}

void LineSim::CloseEnd(int side) {
    const int mask = side < 0 ? 3 : (1 << (side == kSideB));
    std::unique_lock<std::mutex> lock(mutex_);
    if (!relaying_) {
        closeRequests_ |= mask;
        ServeCloseRequests();
        return;
    }
    // The relay thread closes the end itself, outside its poll: a descriptor
    // that poll still holds would only be released, and the far side hung up,
    // when poll returns. So when this returns, the hang-up has happened.
    closeRequests_ |= mask;
    Wake();
    closed_.wait(lock, [this] { return closeRequests_ == 0; });
}

bool LineSim::ReplugEnd(int side) {
    std::lock_guard<std::mutex> lock(mutex_);
    End& end = ends_[side == kSideB];
    if (end.master >= 0) return true;
    if (!OpenEnd(end, side == kSideB ? options_.linkB : options_.linkA)) {
        CloseFd(end.slave);
        CloseFd(end.master);
        return false;
    }
    Wake();  // the relay takes the new end into its poll
    return true;
}

void LineSim::ServeCloseRequests() {
    if (closeRequests_ & 1) CloseEndLocked(kSideA);
    if (closeRequests_ & 2) CloseEndLocked(kSideB);
    closeRequests_ = 0;
    closed_.notify_all();
}

void LineSim::Wake() {
    if (wakePipe_[1] >= 0) {
        const char c = 1;
        [[maybe_unused]] auto n = ::write(wakePipe_[1], &c, 1);
    }
}

void LineSim::CloseEndLocked(int side) {
    End& end = ends_[side];
    if (!end.link.empty()) ::unlink(end.link.c_str());
    end.link.clear();
    // The far side's own descriptor goes first: once the master is closed the
    // program on that end sees the hang-up, and may look at once whether
    // anybody still holds its device.
    CloseFd(end.slave);
    CloseFd(end.master);
    dirs_[1 - side].pending.clear();  // nobody left to deliver to
    dirs_[1 - side].handOverAt.clear();
}

void LineSim::Stop() {
    stop_ = true;
    Wake();
    if (thread_.joinable()) thread_.join();
    running_ = false;
}

Counters LineSim::GetCounters() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return counters_;
}

bool LineSim::Chance(int dir, int oneIn) {
    return oneIn > 0 && SplitMix(dirs_[dir].rng) % static_cast<std::uint64_t>(oneIn) == 0;
}

// In packet mode every read starts with a status byte: TIOCPKT_DATA before
// the bytes the program wrote, or the events alone (a flush, a stop).
bool LineSim::TakePacket(int side, std::uint8_t*& data, ssize_t& n) {
    const std::uint8_t status = data[0];
    ++data;
    --n;
    if (status == TIOCPKT_DATA) return n > 0;
    if ((status & TIOCPKT_FLUSHREAD) != 0) options_.onInputFlushed(side);
    return false;
}

// Takes what the program on end `side` wrote and queues it for the other end,
// applying the configured faults on the way.
void LineSim::ReadFrom(int side) {
    std::uint8_t buf[kChunk];
    ssize_t n = ::read(ends_[side].master, buf, sizeof buf);
    if (n <= 0) {
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        CloseEndLocked(side);  // the slave went away for good
        return;
    }
    std::uint8_t* data = buf;
    if (options_.onInputFlushed && !TakePacket(side, data, n)) return;
    const int dir = side;  // A reads feed A->B (0), B reads feed B->A (1)
    Direction& d = dirs_[dir];
    if (ends_[1 - side].master < 0) return;
    if (d.pending.empty() && options_.baud > 0) {
        d.readyAt = std::max(d.readyAt, NowSeconds()) + 10.0 / options_.baud;
    }
    for (ssize_t i = 0; i < n; ++i) {
        std::uint8_t byte = data[i];
        if (Chance(dir, options_.dropOneIn)) {
            ++counters_.dropped[dir];
            continue;
        }
        if (Chance(dir, options_.flipOneIn)) {
            byte ^= static_cast<std::uint8_t>(1u << (SplitMix(d.rng) % 8));
            ++counters_.flipped[dir];
        }
        d.pending.push_back(byte);
        if (Delayed()) {
            // It leaves at the paced rate after the byte before it, or as
            // soon as it came, and arrives the latency later.
            d.lastLeft = std::max(d.lastLeft, NowSeconds()) + 10.0 / options_.baud;
            d.handOverAt.push_back(d.lastLeft + options_.latencyMs / 1000.0);
        }
    }
}

// Writes what direction `dir` may deliver now into the destination master.
void LineSim::Deliver(int dir, double now) {
    Direction& d = dirs_[dir];
    const int fd = ends_[1 - dir].master;
    if (fd < 0 || d.pending.empty()) return;
    std::size_t allowed = d.pending.size();
    if (Delayed()) {
        allowed = 0;
        while (allowed < d.handOverAt.size() && d.handOverAt[allowed] <= now)
            ++allowed;
        if (allowed == 0) return;
    } else if (options_.baud > 0) {
        if (now < d.readyAt) return;
        const double rate = options_.baud / 10.0;
        allowed = std::min(allowed, static_cast<std::size_t>((now - d.readyAt) * rate) + 1);
    }
    std::uint8_t buf[kChunk];
    std::size_t count = std::min(allowed, sizeof buf);
    std::copy_n(d.pending.begin(), count, buf);
    const ssize_t n = ::write(fd, buf, count);
    if (n < 0 && errno != EAGAIN && errno != EINTR) {
        CloseEndLocked(1 - dir);  // the device is gone; do not spin on it
        return;
    }
    if (n <= 0) return;  // full for now; POLLOUT tells us when there is room
    d.pending.erase(d.pending.begin(), d.pending.begin() + n);
    if (Delayed()) d.handOverAt.erase(d.handOverAt.begin(), d.handOverAt.begin() + n);
    counters_.relayed[dir] += static_cast<std::uint64_t>(n);
    if (options_.baud > 0) d.readyAt += n * 10.0 / options_.baud;
}

int LineSim::PollTimeoutMs(double now) const {
    if (options_.baud <= 0) return -1;
    double wait = -1;
    for (const Direction& d : dirs_) {
        if (d.pending.empty() || now >= DueAt(d)) continue;
        const double w = DueAt(d) - now;
        if (wait < 0 || w < wait) wait = w;
    }
    return wait < 0 ? -1 : static_cast<int>(std::ceil(wait * 1000.0));
}

void LineSim::Run() {
    while (!stop_) {
        pollfd fds[3];
        int source[3] = {-1, -1, -1};  // which end each entry belongs to
        int count = 0;
        int timeout = -1;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            const double now = NowSeconds();
            for (int side = 0; side < 2; ++side) {
                if (ends_[side].master < 0) continue;
                short events = 0;
                if (dirs_[side].pending.size() < kBacklogLimit) events |= POLLIN;
                const Direction& toHere = dirs_[1 - side];
                if (!toHere.pending.empty() && (options_.baud <= 0 || now >= DueAt(toHere))) {
                    events |= POLLOUT;
                }
                fds[count] = {ends_[side].master, events, 0};
                source[count++] = side;
            }
            timeout = PollTimeoutMs(now);
        }
        fds[count] = {wakePipe_[0], POLLIN, 0};
        const int ready = ::poll(fds, count + 1, timeout);
        if (ready < 0 && errno != EINTR) break;
        if (fds[count].revents & POLLIN) {
            char drain[64];
            while (::read(wakePipe_[0], drain, sizeof drain) > 0) {
            }
        }
        std::lock_guard<std::mutex> lock(mutex_);
        ServeCloseRequests();
        for (int i = 0; i < count; ++i) {
            const int side = source[i];
            if (ends_[side].master != fds[i].fd) continue;  // closed meanwhile
            if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) ReadFrom(side);
        }
        const double now = NowSeconds();
        Deliver(0, now);
        Deliver(1, now);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    relaying_ = false;
    ServeCloseRequests();  // a request that came while the loop was ending
}

}  // namespace linesim
