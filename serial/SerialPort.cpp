#include "serial/SerialPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <set>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace serial {

const int kBaudTable[9] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400};

namespace {

constexpr int kSettleMs = 300;
constexpr int kWriteTimeoutMs = 3000;
constexpr int kWaitSliceMs = 50;
// A USB adapter answers the question for its modem lines with a round trip
// over the bus, up to a millisecond: reads look again only after this long.
constexpr qint64 kModemLookIntervalMs = 10;
// The worker's own queue holds next to nothing while a job runs (stops come
// through the run flag), and serving it costs system calls: at most this often.
constexpr qint64 kPumpIntervalMs = 50;

// Devices held open by this process, by canonical path. The device's own lock
// does not stop a second opener running as root, nor a second opener in the
// same process on every platform, so the port keeps its own book as well.
std::mutex& OpenDevicesMutex() {
    static std::mutex mutex;
    return mutex;
}

std::set<QString>& OpenDevices() {
    static std::set<QString> devices;
    return devices;
}

QString DevicePath(const QString& port) {
#ifdef Q_OS_UNIX
    if (!port.contains(QLatin1Char('/'))) return QStringLiteral("/dev/") + port;
#endif
    return port;
}

#ifdef Q_OS_UNIX
constexpr short kGoneEvents = POLLHUP | POLLERR | POLLNVAL;

// True when a look at the device, without waiting, finds it hung up or gone.
bool DeviceGone(int fd) {
    pollfd probe{fd, POLLIN, 0};
    return ::poll(&probe, 1, 0) > 0 && (probe.revents & kGoneEvents) != 0;
}
#endif

QString DeviceKey(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path.toUpper() : canonical;
}

}  // namespace

SerialPort::SerialPort(std::atomic<int>& runFlag)
    : runFlag_(runFlag), port_(std::make_unique<QSerialPort>()) {}

SerialPort::~SerialPort() {
    Close();
}

int SerialPort::Open(const QString& port, int baudIndex) {
    if (isOpen_) return 1;
    if (baudIndex < 0 || baudIndex > 8 || port.isEmpty()) return 0;
    const QString path = DevicePath(port);
    claimedPath_ = DeviceKey(path);
    if (!ClaimDevice()) return 0;
    port_->setPortName(path);
    if (!port_->open(QIODevice::ReadWrite) || !Configure(baudIndex)) {
        if (port_->isOpen()) port_->close();
        port_->clearError();
        ReleaseDevice();
        return 0;
    }
    QThread::msleep(kSettleMs);
    port_->clear(QSerialPort::AllDirections);
    port_->clearError();
    isOpen_ = 1;
    lineLost_ = 0;
    lastModemLookMs_ = -1;
    noModemLines_ = false;
    charMicros_ = 10 * 1000000LL / kBaudTable[baudIndex];  // start, 8 data, stop
    pacedPieces_ = 0;
    return 1;
}

// 8N1, no flow control, DTR and RTS on. A device without modem lines (a
// pseudo-terminal) refuses DTR and RTS; that is no reason to fail.
bool SerialPort::Configure(int baudIndex) {
#ifdef Q_OS_UNIX
    // Exclusive advisory lock on the device: a second opener, root or not,
    // finds it taken.
    if (::flock(static_cast<int>(port_->handle()), LOCK_EX | LOCK_NB) != 0) return false;
#endif
    const bool lineSet =
        port_->setBaudRate(kBaudTable[baudIndex]) && port_->setDataBits(QSerialPort::Data8) &&
        port_->setParity(QSerialPort::NoParity) && port_->setStopBits(QSerialPort::OneStop) &&
        port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!lineSet) return false;
    port_->setDataTerminalReady(true);
    port_->setRequestToSend(true);
    port_->clearError();
    return true;
}

bool SerialPort::ClaimDevice() {
    std::lock_guard<std::mutex> lock(OpenDevicesMutex());
    return OpenDevices().insert(claimedPath_).second;
}

void SerialPort::ReleaseDevice() {
    std::lock_guard<std::mutex> lock(OpenDevicesMutex());
    OpenDevices().erase(claimedPath_);
    claimedPath_.clear();
}

int SerialPort::Close() {
    if (isOpen_) {
        port_->close();
        port_->clearError();
        ReleaseDevice();
        isOpen_ = 0;
    }
    return 1;
}

int SerialPort::Write(const std::uint8_t* buffer, int length) {
    if (!isOpen_ || lineLost_ || buffer == nullptr || length <= 0) return 0;
#ifdef Q_OS_UNIX
    return WriteDevice(buffer, length);
#else
    return WriteThroughPort(buffer, length);
#endif
}

#ifdef Q_OS_UNIX
// Straight to the device, as the reads: a packet nearly always goes in one
// call. What the device has not taken when the write time runs out is
// given up, as a timed-out synchronous write gives it up.
int SerialPort::WriteDevice(const std::uint8_t* buffer, int length) {
    const int fd = static_cast<int>(port_->handle());
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
            lineLost_ = errno == EIO || errno == ENXIO || errno == ENODEV || errno == EBADF;
            break;
        }
        const qint64 left = kWriteTimeoutMs - timer.elapsed();
        if (left <= 0) break;
        pollfd p{fd, POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(std::min<qint64>(left, 100))) > 0 &&
            (p.revents & kGoneEvents) != 0) {
            lineLost_ = 1;
            break;
        }
    }
    return done;
}
#endif

int SerialPort::WriteThroughPort(const std::uint8_t* buffer, int length) {
    if (port_->write(reinterpret_cast<const char*>(buffer), length) != length) {
        CheckFailure();
        port_->clear(QSerialPort::Output);
        return 0;
    }
    // Straight to the device: a packet nearly always goes in this one call.
    if (!port_->flush()) CheckFailure();
    if (!lineLost_ && port_->bytesToWrite() > 0) WriteOut(kWriteTimeoutMs);
    const qint64 unsent = port_->bytesToWrite();
    if (unsent > 0) {
        // Like a timed-out synchronous write: what did not go is given up.
        port_->clear(QSerialPort::Output);
        port_->clearError();
    }
    return static_cast<int>(length - unsent);
}

// Waits until the device has taken what is left, the device failed or
// `milliseconds` passed.
void SerialPort::WriteOut(qint64 milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (port_->bytesToWrite() > 0) {
        const qint64 left = milliseconds - timer.elapsed();
        if (left <= 0) return;
        if (!port_->waitForBytesWritten(static_cast<int>(std::min<qint64>(left, 100)))) {
            const bool timedOut = port_->error() == QSerialPort::TimeoutError;
            CheckFailure();
            if (!timedOut) return;
        }
    }
}

// Looks at the modem lines on every read, whether bytes are waiting or not,
// so that a change shows while a packet is still coming in.
int SerialPort::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    if (!isOpen_ || lineLost_ || buffer == nullptr || maxLength <= 0) return 0;
    CheckModemStatus();
    const bool waitedInVain = waitedInVain_;
    waitedInVain_ = false;
    // Bytes the port class took in while the thread's queue was served come
    // first; they are older than anything still in the device.
    if (port_->bytesAvailable() > 0) {
        const qint64 got = port_->read(reinterpret_cast<char*>(buffer), maxLength);
        return got > 0 ? static_cast<int>(got) : 0;
    }
    // Right after a wait that found nothing the device is not asked again:
    // the wait has just done that.
    return waitedInVain ? 0 : ReadDevice(buffer, maxLength);
}

void SerialPort::WaitForInput(int milliseconds) {
    const bool sawInput = WaitForDevice(milliseconds);
    waitedInVain_ = isOpen_ && !lineLost_ && !sawInput && port_->bytesAvailable() == 0;
}

void SerialPort::WaitForRest(int milliseconds, int bytes) {
    // Two pieces in a row that took as long as the line needs for them say
    // the bytes come at the line's rate (a real line; not a pseudo-terminal
    // relay that hands over a packet at once): the rest cannot be there
    // sooner than it takes, so waking for each piece of it is wasted.
    // Three characters, and at least a millisecond, are left to the wait
    // proper, so that a late wake from the pause does not hold up the answer.
    const qint64 due = bytes * charMicros_ - std::max<qint64>(3 * charMicros_, 1000);
    if (pacedPieces_ >= 2 && due > 0 && port_->bytesAvailable() == 0 && milliseconds > 0) {
        const qint64 pause = std::min<qint64>(due, milliseconds * 1000LL);
        QThread::usleep(static_cast<unsigned long>(pause));
        milliseconds -= static_cast<int>(pause / 1000);
        if (runFlag_ == 0) return;
    }
    WaitForInput(std::max(milliseconds, 1));
}

// Counts the pieces that came no faster than the line carries them.
void SerialPort::NotePiece(int bytes) {
    using namespace std::chrono;
    const qint64 now = duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
    const qint64 gap = lastPieceMicros_ < 0 ? 0 : now - lastPieceMicros_;
    lastPieceMicros_ = now;
    // Half the rate is the bar: a relay hands over a split packet within
    // microseconds, far faster than a line could have carried it.
    const bool paced = gap > 0 && bytes * charMicros_ <= 2 * gap;
    pacedPieces_ = paced ? pacedPieces_ + 1 : 0;
}

// True when the wait ended because input is waiting.
bool SerialPort::WaitForDevice(int milliseconds) {
    if (milliseconds <= 0) return false;
    if (!isOpen_ || lineLost_) {
        // Nothing can arrive; still honour the wait so callers do not spin.
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        return false;
    }
    if (port_->bytesAvailable() > 0) return true;
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const qint64 left = milliseconds - timer.elapsed();
        if (left <= 0) return false;
        const int slice = static_cast<int>(std::min<qint64>(left, kWaitSliceMs));
        QElapsedTimer sliceTimer;
        sliceTimer.start();
        if (PollDevice(slice)) return true;
        if (lineLost_) {
            const qint64 rest = milliseconds - timer.elapsed();
            if (rest > 0) QThread::msleep(static_cast<unsigned long>(rest));
            return false;
        }
        // A wait that failed at once must not turn into a busy loop.
        const qint64 early = slice - sliceTimer.elapsed();
        if (early > 0) QThread::msleep(static_cast<unsigned long>(early));
        CheckModemStatus();
        if (runFlag_ == 0) return false;
    }
}

void SerialPort::PumpMessages() {
    // processEvents serves the calling thread's own queue and does nothing on
    // a thread without an event dispatcher (or before a QCoreApplication exists).
    if (QCoreApplication::instance() == nullptr) return;
    const qint64 now = NowMs();
    if (lastPumpMs_ >= 0 && now - lastPumpMs_ < kPumpIntervalMs) return;
    lastPumpMs_ = now;
    QCoreApplication::processEvents();
}

#ifdef Q_OS_UNIX
// Straight from the device: a packet trickling in at the line's rate wakes
// the thread once a piece, and each piece then costs one poll and one read
// rather than the port class's buffering and signalling on top.
bool SerialPort::PollDevice(int milliseconds) {
    pollfd p{static_cast<int>(port_->handle()), POLLIN, 0};
    if (::poll(&p, 1, milliseconds) <= 0) return false;
    if (p.revents & POLLIN) return true;
    if (p.revents & kGoneEvents) lineLost_ = 1;
    return false;
}

int SerialPort::ReadDevice(std::uint8_t* buffer, int maxLength) {
    const ssize_t got = ::read(static_cast<int>(port_->handle()), buffer, maxLength);
    if (got > 0) {
        NotePiece(static_cast<int>(got));
        return static_cast<int>(got);
    }
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return 0;
    // A terminal set for no minimum answers 0 when nothing is waiting, as it
    // does at end of file: only a failed read, or a look that finds the
    // device hung up, makes the line lost.
    if (got < 0 || DeviceGone(static_cast<int>(port_->handle()))) lineLost_ = 1;
    return 0;
}
#else
bool SerialPort::PollDevice(int milliseconds) {
    const bool got = port_->waitForReadyRead(milliseconds);
    if (!got) CheckFailure();
    return got && port_->bytesAvailable() > 0;
}

int SerialPort::ReadDevice(std::uint8_t* buffer, int maxLength) {
    if (!PollDevice(0)) return 0;
    const qint64 got = port_->read(reinterpret_cast<char*>(buffer), maxLength);
    if (got <= 0) return 0;
    NotePiece(static_cast<int>(got));
    return static_cast<int>(got);
}
#endif

// Sorts an error the device reported: a time-out is no error; a device that
// has gone (unplugged, hung up) makes the line lost for good.
void SerialPort::CheckFailure() {
    const QSerialPort::SerialPortError error = port_->error();
    if (error == QSerialPort::NoError) return;
    bool gone = error == QSerialPort::ResourceError;
#ifdef Q_OS_UNIX
    if (!gone && error != QSerialPort::TimeoutError)
        gone = DeviceGone(static_cast<int>(port_->handle()));
#endif
    if (gone) lineLost_ = 1;
    port_->clearError();
}

// The input lines, as one word, reported when it changed. A look that fails
// (an adapter may not answer) changes nothing and is tried again at the next
// read; a device that has no modem lines at all (a pseudo-terminal) is not
// asked again while it stays open.
void SerialPort::CheckModemStatus() {
    if (noModemLines_) return;
    const qint64 now = NowMs();
    if (lastModemLookMs_ >= 0 && now - lastModemLookMs_ < kModemLookIntervalMs) return;
    lastModemLookMs_ = now;
    quint32 status = 0;
    if (!ReadModemLines(status) || status == lastModemStatus_) return;
    lastModemStatus_ = status;
    if (observer_ != nullptr) observer_->OnModemStatusChanged((status & kCtsOn) ? 1 : 0);
}

bool SerialPort::ReadModemLines(quint32& status) {
    if (modemLineReader_) return modemLineReader_(status);
#ifdef Q_OS_UNIX
    // Asked directly: a device without the lines answers with an error code,
    // where the port class would build and signal an error for it every time.
    int bits = 0;
    if (::ioctl(static_cast<int>(port_->handle()), TIOCMGET, &bits) != 0) {
        // ENOTTY is the terminal layer saying the driver has no such request:
        // that does not change while the device stays open.
        noModemLines_ = errno == ENOTTY;
        return false;
    }
    status = 0;
    if (bits & TIOCM_CTS) status |= kCtsOn;
    if (bits & TIOCM_DSR) status |= kDsrOn;
    if (bits & TIOCM_RI) status |= kRingOn;
    if (bits & TIOCM_CD) status |= kCarrierOn;
    return true;
#else
    const QSerialPort::PinoutSignals lines = port_->pinoutSignals();
    if (port_->error() != QSerialPort::NoError) {
        port_->clearError();
        return false;
    }
    status = 0;
    if (lines & QSerialPort::ClearToSendSignal) status |= kCtsOn;
    if (lines & QSerialPort::DataSetReadySignal) status |= kDsrOn;
    if (lines & QSerialPort::RingIndicatorSignal) status |= kRingOn;
    if (lines & QSerialPort::DataCarrierDetectSignal) status |= kCarrierOn;
    return true;
#endif
}

}  // namespace serial
