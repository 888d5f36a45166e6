#include "tools/corvix-caliper/TtyLine.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace caliper {
namespace {

constexpr int kWriteTimeoutMs = 3000;

}  // namespace

unsigned SpeedConstant(int baud) {
    switch (baud) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        case 230400:
            return B230400;
        default:
            return 0;
    }
}

TtyLine::~TtyLine() {
    Close();
}

bool TtyLine::Open(const std::string& device, int baud) {
    Close();
    const speed_t speed = SpeedConstant(baud);
    if (speed == 0) {
        error_ = "unsupported baud rate " + std::to_string(baud);
        return false;
    }
    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = device + ": " + std::strerror(errno);
        return false;
    }
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) {
        error_ = device + ": not a terminal device";
        Close();
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) {
        error_ = device + ": " + std::strerror(errno);
        Close();
        return false;
    }
    return true;
}

void TtyLine::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void TtyLine::DiscardInput() {
    if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

void TtyLine::Drain() {
    if (fd_ >= 0) ::tcdrain(fd_);
}

int TtyLine::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    if (fd_ < 0 || maxLength <= 0) return 0;
    const ssize_t got = ::read(fd_, buffer, static_cast<size_t>(maxLength));
    return got > 0 ? static_cast<int>(got) : 0;
}

int TtyLine::Write(const std::uint8_t* buffer, int length) {
    if (fd_ < 0) return 0;
    int done = 0;
    while (done < length) {
        const ssize_t n = ::write(fd_, buffer + done, static_cast<size_t>(length - done));
        if (n > 0) {
            done += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) break;
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, kWriteTimeoutMs) <= 0) break;
    }
    return done;
}

void TtyLine::WaitForInput(int milliseconds) {
    if (fd_ < 0) {
        ::usleep(static_cast<useconds_t>(milliseconds) * 1000);
        return;
    }
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, milliseconds) > 0 && (p.revents & (POLLHUP | POLLERR)) != 0) {
        // A hung-up device reports at once; keep the wait from spinning.
        ::usleep(static_cast<useconds_t>(milliseconds) * 1000);
    }
}

}  // namespace caliper
