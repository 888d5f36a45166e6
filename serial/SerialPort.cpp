#include "serial/SerialPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <set>

#include "serial/SerialDevice.h"

namespace serial {

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

QString DeviceKey(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path.toUpper() : canonical;
}

}  // namespace

SerialPort::SerialPort(std::atomic<int>& runFlag)
    : runFlag_(runFlag), device_(std::make_unique<SerialDevice>()) {}

SerialPort::~SerialPort() {
    Close();
}

QString SerialPort::ShownName(const QString& portName) {
    return SerialDevice::ShownName(portName);
}

int SerialPort::Open(const QString& portName, int baud) {
    if (isOpen_) return 1;
    failure_ = {};
    if (portName.isEmpty()) return Refuse(PortProblem::NotPresent);
    if (!IsBaudRate(baud)) return Refuse(PortProblem::BadBaud);
    const QString path = SerialDevice::PathOf(portName);
    claimedPath_ = DeviceKey(path);
    // Another job of this program holds it.
    if (!ClaimDevice()) return Refuse(PortProblem::InUse);
    if (!device_->Open(path, baud, failure_)) {
        ReleaseDevice();
        return 0;
    }
    QThread::msleep(kSettleMs);
    device_->Purge();
    isOpen_ = 1;
    lineLost_ = 0;
    lastModemLookMs_ = -1;
    noModemLines_ = false;
    charMicros_ = 10 * 1000000LL / baud;  // start, 8 data, stop
    pacedPieces_ = 0;
    return 1;
}

int SerialPort::Refuse(PortProblem problem) {
    failure_ = {};
    failure_.problem = problem;
    return 0;
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
        device_->Close();
        ReleaseDevice();
        isOpen_ = 0;
    }
    return 1;
}

int SerialPort::Write(const std::uint8_t* buffer, int length) {
    if (!isOpen_ || lineLost_ || buffer == nullptr || length <= 0) return 0;
    return device_->Write(buffer, length, kWriteTimeoutMs, lineLost_);
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
    if (device_->Buffered() > 0) return device_->ReadBuffered(buffer, maxLength);
    // Right after a wait that found nothing the device is not asked again:
    // the wait has just done that.
    return waitedInVain ? 0 : ReadDevice(buffer, maxLength);
}

void SerialPort::WaitForInput(int milliseconds) {
    const bool sawInput = WaitForDevice(milliseconds);
    waitedInVain_ = isOpen_ && !lineLost_ && !sawInput && device_->Buffered() == 0;
}

void SerialPort::WaitForRest(int milliseconds, int bytes) {
    // Two pieces in a row that took as long as the line needs for them say
    // the bytes come at the line's rate (a real line; not a pseudo-terminal
    // relay that hands over a packet at once): the rest cannot be there
    // sooner than it takes, so waking for each piece of it is wasted.
    // Three characters, and at least a millisecond, are left to the wait
    // proper, so that a late wake from the pause does not hold up the answer.
    const qint64 due = bytes * charMicros_ - std::max<qint64>(3 * charMicros_, 1000);
    if (pacedPieces_ >= 2 && due > 0 && device_->Buffered() == 0 && milliseconds > 0) {
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
    if (device_->Buffered() > 0) return true;
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

bool SerialPort::PollDevice(int milliseconds) {
    return device_->WaitReadable(milliseconds, lineLost_);
}

int SerialPort::ReadDevice(std::uint8_t* buffer, int maxLength) {
    const int got = device_->Read(buffer, maxLength, lineLost_);
    if (got > 0) NotePiece(got);
    return got;
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

quint32 ModemStatusOf(unsigned long bits, const ModemLineBits& driver) {
    return ((bits & driver.cts) ? SerialPort::kCtsOn : 0) |
           ((bits & driver.dsr) ? SerialPort::kDsrOn : 0) |
           ((bits & driver.ring) ? SerialPort::kRingOn : 0) |
           ((bits & driver.carrier) ? SerialPort::kCarrierOn : 0);
}

bool SerialPort::ReadModemLines(quint32& status) {
    if (modemLineReader_) return modemLineReader_(status);
    const SerialDevice::ModemLook look = device_->ReadModemLines(status);
    noModemLines_ = look == SerialDevice::ModemLook::NoLines;
    return look == SerialDevice::ModemLook::Read;
}

}  // namespace serial
