#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>

#include "serial/LowLatency.h"
#include "serial/PortLock.h"
#include "serial/SerialDevice.h"
#include "serial/SerialPort.h"

namespace serial {

// The device itself, opened without waiting: reads and writes go straight to
// its descriptor, so a packet trickling in at the line's rate wakes the
// thread once a piece, and each piece costs one poll and one read.
struct SerialDevice::State {
    int fd = -1;
    PortLock lock;
};

namespace {

constexpr short kGoneEvents = POLLHUP | POLLERR | POLLNVAL;

// True when a look at the device, without waiting, finds it hung up or gone.
bool DeviceGone(int fd) {
    pollfd probe{fd, POLLIN, 0};
    return ::poll(&probe, 1, 0) > 0 && (probe.revents & kGoneEvents) != 0;
}

PortFailure FailureOf(PortProblem problem, int error = 0) {
    PortFailure failure;
    failure.problem = problem;
    if (problem == PortProblem::Other) failure.systemText = qt_error_string(error);
    return failure;
}

// Why the device at a path that could not be looked at or opened is out of reach.
PortFailure OpenFailure(int error, const struct stat* device) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENXIO:
        case ENODEV:
            return FailureOf(PortProblem::NotPresent);
        case EACCES:
        case EPERM: {
            PortFailure failure = FailureOf(PortProblem::NoPermission);
            // Joining the owning group helps only when that group may read
            // and write the device.
            constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
            failure.groupMayUse =
                device == nullptr || (device->st_mode & kGroupReadWrite) == kGroupReadWrite;
            const group* owner =
                device != nullptr && failure.groupMayUse ? ::getgrgid(device->st_gid) : nullptr;
            if (owner != nullptr) failure.group = QString::fromLocal8Bit(owner->gr_name);
            return failure;
        }
        case EBUSY:
            return FailureOf(PortProblem::InUse);
        case EISDIR:
            return FailureOf(PortProblem::NotSerial);
        default:
            return FailureOf(PortProblem::Other, error);
    }
}

// The device for this process alone: nobody else holds it exclusively, an
// advisory lock on it (a second opener, root or not, finds it taken) and
// exclusive mode (the system refuses every other opener but the administrator).
bool HoldExclusively(int fd, PortFailure& failure) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failure = errno == EWOULDBLOCK ? FailureOf(PortProblem::InUse)
                                       : FailureOf(PortProblem::Other, errno);
        return false;
    }
#ifdef TIOCGEXCL
    // The administrator's open passes another program's exclusive mode: ask.
    int exclusive = 0;
    if (::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) {
        failure = FailureOf(PortProblem::InUse);
        return false;
    }
#endif
    ::ioctl(fd, TIOCEXCL);
    return true;
}

struct Rate {
    int baud;
    speed_t speed;
};

constexpr Rate kRates[] = {
    {1200, B1200},     {2400, B2400},   {4800, B4800},   {9600, B9600},
    {19200, B19200},   {38400, B38400}, {57600, B57600}, {115200, B115200},
#ifdef B230400
    {230400, B230400},
#endif
};

speed_t SpeedOf(int baud) {
    for (const Rate& rate : kRates) {
        if (rate.baud == baud) return rate.speed;
    }
    return B0;
}

// 8N1 at `baud`, raw, no flow control, reads that never wait. A device
// without modem lines (a pseudo-terminal) refuses DTR and RTS; that is no
// reason to fail.
bool SetLine(int fd, int baud) {
    termios line{};
    const speed_t speed = SpeedOf(baud);
    if (speed == B0 || ::tcgetattr(fd, &line) != 0) return false;
    ::cfmakeraw(&line);
    line.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    line.c_cflag &= ~(CSIZE | PARENB | CSTOPB);
#ifdef CRTSCTS
    line.c_cflag &= ~CRTSCTS;
#endif
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    if (::cfsetispeed(&line, speed) != 0 || ::cfsetospeed(&line, speed) != 0) return false;
    if (::tcsetattr(fd, TCSANOW, &line) != 0) return false;
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIS, &lines);
    return true;
}

}  // namespace

SerialDevice::SerialDevice() : state_(std::make_unique<State>()) {}
SerialDevice::~SerialDevice() {
    Close();
}

// A name that is no path ("ttyUSB0", "pts/3") is a device under /dev.
QString SerialDevice::PathOf(const QString& portName) {
    const bool path = portName.startsWith(QLatin1Char('/')) ||
                      portName.startsWith(QLatin1String("./")) ||
                      portName.startsWith(QLatin1String("../"));
    return path ? portName : QStringLiteral("/dev/") + portName;
}

QString SerialDevice::ShownName(const QString& portName) {
    return PathOf(portName);
}

// The lock files first, so that a device another program holds is not even
// opened: opening a serial device raises its modem lines.
bool SerialDevice::Open(const QString& path, int baud, PortFailure& failure) {
    State& s = *state_;
    const QByteArray name = QFile::encodeName(path);
    struct stat device {};
    if (::stat(name.constData(), &device) != 0) {
        failure = OpenFailure(errno, nullptr);
        return false;
    }
    if (!s.lock.Acquire(path, failure)) return false;
    const int fd = ::open(name.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        failure = OpenFailure(errno, &device);
        s.lock.Release();
        return false;
    }
    if (!HoldExclusively(fd, failure)) {
        s.lock.Release();
        ::close(fd);
        return false;
    }
    s.fd = fd;
    if (!SetLine(fd, baud)) {
        failure = FailureOf(PortProblem::NotSerial);
        Close();
        return false;
    }
    AskForLowLatency(fd);
    return true;
}

// Exclusive mode outlives the descriptor where the device stays set up (the
// far end of a pseudo-terminal open): it is given up before closing. The lock
// file goes first, while the device is still held: once closed, the system
// may hand a pseudo-terminal's number to the next one at once, and its opener
// must not find this process's lock on it.
void SerialDevice::Close() {
    State& s = *state_;
    s.lock.Release();
    if (s.fd >= 0) {
        ::ioctl(s.fd, TIOCNXCL);
        ::close(s.fd);
    }
    s.fd = -1;
}

void SerialDevice::Purge() {
    ::tcflush(state_->fd, TCIOFLUSH);
}

// Nothing is read ahead on this side.
qint64 SerialDevice::Buffered() const {
    return 0;
}

int SerialDevice::ReadBuffered(std::uint8_t*, int) {
    return 0;
}

bool SerialDevice::WaitReadable(int milliseconds, int& lost) {
    pollfd p{state_->fd, POLLIN, 0};
    if (::poll(&p, 1, milliseconds) <= 0) return false;
    if (p.revents & POLLIN) return true;
    if (p.revents & kGoneEvents) lost = 1;
    return false;
}

int SerialDevice::Read(std::uint8_t* buffer, int maxLength, int& lost) {
    const ssize_t got = ::read(state_->fd, buffer, maxLength);
    if (got > 0) return static_cast<int>(got);
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return 0;
    // A terminal set for no minimum answers 0 when nothing is waiting, as it
    // does at end of file: only a failed read, or a look that finds the
    // device hung up, makes the line lost.
    if (got < 0 || DeviceGone(state_->fd)) lost = 1;
    return 0;
}

// A packet nearly always goes in one call. What the device has not taken
// when the write time runs out is given up, as a timed-out synchronous write
// gives it up.
int SerialDevice::Write(const std::uint8_t* buffer, int length, int timeoutMs, int& lost) {
    const int fd = state_->fd;
    int done = 0;
    QElapsedTimer timer;
    timer.start();
    while (done < length) {
        const ssize_t n = ::write(fd, buffer + done, static_cast<size_t>(length - done));
        if (n > 0) {
            done += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            lost = errno == EIO || errno == ENXIO || errno == ENODEV || errno == EBADF;
            break;
        }
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0) break;
        pollfd p{fd, POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(std::min<qint64>(left, 100))) > 0 &&
            (p.revents & kGoneEvents) != 0) {
            lost = 1;
            break;
        }
    }
    return done;
}

// Asked directly: a device without the lines answers with an error code,
// where the port class would build and signal an error for it every time.
SerialDevice::ModemLook SerialDevice::ReadModemLines(quint32& status) {
    int bits = 0;
    if (::ioctl(state_->fd, TIOCMGET, &bits) != 0) {
        // ENOTTY is the terminal layer saying the driver has no such request.
        return errno == ENOTTY ? ModemLook::NoLines : ModemLook::Failed;
    }
    status =
        ModemStatusOf(static_cast<unsigned long>(bits), {TIOCM_CTS, TIOCM_DSR, TIOCM_RI, TIOCM_CD});
    return ModemLook::Read;
}

}  // namespace serial
