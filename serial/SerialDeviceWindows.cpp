#include <windows.h>

#include <QString>

#include <algorithm>
#include <cstring>

#include "serial/SerialDevice.h"
#include "serial/SerialPort.h"

namespace serial {

namespace {

constexpr DWORD kQueueSize = 10000;
constexpr int kPendingSize = 4096;

// The device has gone (unplugged, its driver stopped): what the calls answer
// then, as opposed to a call the device merely did not serve.
bool IsGone(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_INVALID_HANDLE:
        case ERROR_BAD_COMMAND:
        case ERROR_GEN_FAILURE:
        case ERROR_FILE_NOT_FOUND:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_IO_DEVICE:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_DEVICE_REMOVED:
            return true;
        default:
            return false;
    }
}

// Why "\\.\COMn" could not be opened. Windows answers a port that another
// program holds with "access denied": it is never a question of rights.
PortFailure OpenFailure(DWORD error) {
    PortFailure failure;
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            failure.problem = PortProblem::NotPresent;
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            failure.problem = PortProblem::InUse;
            break;
        default:
            failure.problem = PortProblem::Other;
            failure.systemText = qt_error_string(static_cast<int>(error));
            break;
    }
    return failure;
}

}  // namespace

// The device opened for plain synchronous I/O. Its read time-outs make a read
// return one millisecond after the bytes stop coming, or when the time-out
// constant has passed with none: that is the bounded wait for input, and what
// such a read brings is kept here until it is asked for. (The "return at the
// first byte" setting, all ones in the first two fields, waits out its whole
// constant under wine; the interval setting behaves alike everywhere.)
struct SerialDevice::State {
    HANDLE handle = INVALID_HANDLE_VALUE;
    COMMTIMEOUTS timeouts{};
    std::uint8_t pending[kPendingSize];
    int pendingStart = 0;
    int pendingEnd = 0;

    void NoteFailure(int& lost) const {
        if (IsGone(GetLastError())) lost = 1;
    }

    // The wait of a read: set only when it changes, since it costs a call.
    void SetReadWait(DWORD milliseconds) {
        if (timeouts.ReadTotalTimeoutConstant == milliseconds) return;
        timeouts.ReadTotalTimeoutConstant = milliseconds;
        SetCommTimeouts(handle, &timeouts);
    }

    // What the driver's input queue holds; -1 when it could not be asked.
    long Queued(int& lost) const {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(handle, &errors, &status)) {
            NoteFailure(lost);
            return -1;
        }
        return static_cast<long>(status.cbInQue);
    }
};

SerialDevice::SerialDevice() : state_(std::make_unique<State>()) {}

SerialDevice::~SerialDevice() {
    Close();
}

QString SerialDevice::PathOf(const QString& portName) {
    if (portName.contains(QLatin1Char('\\')) || portName.contains(QLatin1Char('/')))
        return portName;
    return QStringLiteral("\\\\.\\") + portName;
}

QString SerialDevice::ShownName(const QString& portName) {
    return portName;
}

// "\\.\COMn" for reading and writing, shared with nobody: a second opener,
// in this program or another, finds it taken.
bool SerialDevice::Open(const QString& path, int baud, PortFailure& failure) {
    State& s = *state_;
    s.handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()),
                           GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (s.handle == INVALID_HANDLE_VALUE) {
        failure = OpenFailure(GetLastError());
        return false;
    }

    s.timeouts = COMMTIMEOUTS{};
    s.timeouts.ReadIntervalTimeout = 1;
    s.timeouts.ReadTotalTimeoutMultiplier = 0;
    s.timeouts.ReadTotalTimeoutConstant = 50;
    s.timeouts.WriteTotalTimeoutMultiplier = 0;
    s.timeouts.WriteTotalTimeoutConstant = 3000;
    SetCommTimeouts(s.handle, &s.timeouts);

    // 8N1, binary, no flow control of any kind, DTR and RTS on while open;
    // every other field keeps the driver's value.
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    bool lineSet = GetCommState(s.handle, &dcb) != 0;
    if (lineSet) {
        dcb.BaudRate = static_cast<DWORD>(baud);
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = 1;
        dcb.fParity = 0;
        dcb.fOutxCtsFlow = 0;
        dcb.fOutxDsrFlow = 0;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fDsrSensitivity = 0;
        dcb.fTXContinueOnXoff = 1;
        dcb.fOutX = 0;
        dcb.fInX = 0;
        dcb.fErrorChar = 0;
        dcb.fNull = 0;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        dcb.fAbortOnError = 0;
        lineSet = SetCommState(s.handle, &dcb) != 0;
    }
    const bool queuesSet = SetupComm(s.handle, kQueueSize, kQueueSize) != 0;
    if (!lineSet || !queuesSet) {
        Close();
        failure = PortFailure{};
        failure.problem = PortProblem::NotSerial;
        return false;
    }
    return true;
}

void SerialDevice::Close() {
    State& s = *state_;
    if (s.handle != INVALID_HANDLE_VALUE) CloseHandle(s.handle);
    s.handle = INVALID_HANDLE_VALUE;
    s.pendingStart = s.pendingEnd = 0;
}

void SerialDevice::Purge() {
    PurgeComm(state_->handle, PURGE_TXCLEAR | PURGE_RXCLEAR);
    state_->pendingStart = state_->pendingEnd = 0;
}

qint64 SerialDevice::Buffered() const {
    return state_->pendingEnd - state_->pendingStart;
}

int SerialDevice::ReadBuffered(std::uint8_t* buffer, int maxLength) {
    State& s = *state_;
    const int n = std::min(maxLength, s.pendingEnd - s.pendingStart);
    if (n <= 0) return 0;
    std::memcpy(buffer, s.pending + s.pendingStart, static_cast<size_t>(n));
    s.pendingStart += n;
    if (s.pendingStart == s.pendingEnd) s.pendingStart = s.pendingEnd = 0;
    return n;
}

bool SerialDevice::WaitReadable(int milliseconds, int& lost) {
    State& s = *state_;
    if (s.pendingEnd > s.pendingStart) return true;
    const long queued = s.Queued(lost);
    if (queued != 0) return queued > 0;
    s.SetReadWait(static_cast<DWORD>(std::max(milliseconds, 1)));
    DWORD got = 0;
    if (!ReadFile(s.handle, s.pending, kPendingSize, &got, nullptr)) {
        s.NoteFailure(lost);
        return false;
    }
    s.pendingStart = 0;
    s.pendingEnd = static_cast<int>(got);
    return got > 0;
}

// Only what the driver says it holds is asked for, so the read never waits.
int SerialDevice::Read(std::uint8_t* buffer, int maxLength, int& lost) {
    State& s = *state_;
    const long queued = s.Queued(lost);
    if (queued <= 0) return 0;
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<long>(queued, maxLength));
    if (!ReadFile(s.handle, buffer, wanted, &got, nullptr)) {
        s.NoteFailure(lost);
        return 0;
    }
    return static_cast<int>(got);
}

// One synchronous write; the device's write time-out (set at open to the
// same 3000 ms) bounds it.
int SerialDevice::Write(const std::uint8_t* buffer, int length, int, int& lost) {
    DWORD written = 0;
    if (!WriteFile(state_->handle, buffer, static_cast<DWORD>(length), &written, nullptr)) {
        state_->NoteFailure(lost);
        return 0;
    }
    return static_cast<int>(written);
}

// A driver without modem lines (wine on a pseudo-terminal, some virtual
// ports) refuses the request as not supported, every time.
SerialDevice::ModemLook SerialDevice::ReadModemLines(quint32& status) {
    DWORD bits = 0;
    if (!GetCommModemStatus(state_->handle, &bits)) {
        const DWORD error = GetLastError();
        return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION ? ModemLook::NoLines
                                                                               : ModemLook::Failed;
    }
    status = ModemStatusOf(bits, {MS_CTS_ON, MS_DSR_ON, MS_RING_ON, MS_RLSD_ON});
    return ModemLook::Read;
}

}  // namespace serial
