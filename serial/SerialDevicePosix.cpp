#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QSerialPort>

#include <algorithm>
#include <cerrno>

#include "serial/SerialDevice.h"
#include "serial/SerialPort.h"

namespace serial {

// The port class opens and sets up the device; reads, writes and waits then
// go straight to its descriptor: a packet trickling in at the line's rate
// wakes the thread once a piece, and each piece costs one poll and one read
// rather than the port class's buffering and signalling on top.
struct SerialDevice::State {
    QSerialPort port;
    int fd = -1;
};

namespace {

constexpr short kGoneEvents = POLLHUP | POLLERR | POLLNVAL;

// True when a look at the device, without waiting, finds it hung up or gone.
bool DeviceGone(int fd) {
    pollfd probe{fd, POLLIN, 0};
    return ::poll(&probe, 1, 0) > 0 && (probe.revents & kGoneEvents) != 0;
}

// Exclusive advisory lock on the device: a second opener, root or not, finds
// it taken. A device without modem lines (a pseudo-terminal) refuses DTR and
// RTS; that is no reason to fail.
bool Configure(QSerialPort& port, int baud) {
    if (::flock(static_cast<int>(port.handle()), LOCK_EX | LOCK_NB) != 0) return false;
    const bool lineSet = port.setBaudRate(baud) && port.setDataBits(QSerialPort::Data8) &&
                         port.setParity(QSerialPort::NoParity) &&
                         port.setStopBits(QSerialPort::OneStop) &&
                         port.setFlowControl(QSerialPort::NoFlowControl);
    if (!lineSet) return false;
    port.setDataTerminalReady(true);
    port.setRequestToSend(true);
    port.clearError();
    return true;
}

}  // namespace

SerialDevice::SerialDevice() : state_(std::make_unique<State>()) {}
SerialDevice::~SerialDevice() = default;

QString SerialDevice::PathOf(const QString& portName) {
    if (!portName.contains(QLatin1Char('/'))) return QStringLiteral("/dev/") + portName;
    return portName;
}

bool SerialDevice::Open(const QString& path, int baud) {
    QSerialPort& port = state_->port;
    port.setPortName(path);
    if (!port.open(QIODevice::ReadWrite) || !Configure(port, baud)) {
        if (port.isOpen()) port.close();
        port.clearError();
        return false;
    }
    state_->fd = static_cast<int>(port.handle());
    return true;
}

void SerialDevice::Close() {
    state_->port.close();
    state_->port.clearError();
    state_->fd = -1;
}

void SerialDevice::Purge() {
    state_->port.clear(QSerialPort::AllDirections);
    state_->port.clearError();
}

// The port class reads on its own only while the thread's queue is served.
qint64 SerialDevice::Buffered() const {
    return state_->port.bytesAvailable();
}

int SerialDevice::ReadBuffered(std::uint8_t* buffer, int maxLength) {
    const qint64 got = state_->port.read(reinterpret_cast<char*>(buffer), maxLength);
    return got > 0 ? static_cast<int>(got) : 0;
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
    status = 0;
    if (bits & TIOCM_CTS) status |= SerialPort::kCtsOn;
    if (bits & TIOCM_DSR) status |= SerialPort::kDsrOn;
    if (bits & TIOCM_RI) status |= SerialPort::kRingOn;
    if (bits & TIOCM_CD) status |= SerialPort::kCarrierOn;
    return ModemLook::Read;
}

}  // namespace serial
