#pragma once

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// The far end of a simulated cable, held by the test as a peer program would.
class PtyPeer {
public:
    explicit PtyPeer(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY)) {}
    ~PtyPeer() {
        if (fd_ >= 0) ::close(fd_);
    }
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool ok() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    bool WriteAll(const std::vector<std::uint8_t>& data) {
        std::size_t done = 0;
        while (done < data.size()) {
            const ssize_t n = ::write(fd_, data.data() + done, data.size() - done);
            if (n <= 0) return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }

    // Reads until `count` bytes came or `timeoutMs` passed; returns what came.
    std::vector<std::uint8_t> Read(std::size_t count, int timeoutMs) {
        std::vector<std::uint8_t> got;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (got.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  deadline - std::chrono::steady_clock::now())
                                  .count();
            if (left <= 0) break;
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left)) <= 0) break;
            std::uint8_t buf[4096];
            const ssize_t n = ::read(fd_, buf, std::min(sizeof buf, count - got.size()));
            if (n <= 0) break;
            got.insert(got.end(), buf, buf + n);
        }
        return got;
    }

private:
    int fd_;
};

inline std::vector<std::uint8_t> AllByteValues(int repeats) {
    std::vector<std::uint8_t> data;
    for (int r = 0; r < repeats; ++r) {
        for (int v = 0; v < 256; ++v)
            data.push_back(static_cast<std::uint8_t>(v));
    }
    return data;
}
