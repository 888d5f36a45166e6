#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "kermit/KermitPort.h"
#include "serial/BaudRates.h"
#include "serial/PortFailure.h"

namespace serial {

class SerialDevice;

// Told when the modem status lines change while the port is being read.
class SerialPortObserver {
public:
    virtual ~SerialPortObserver() = default;

    // The CTS line changed: ctsOn is 1 when CTS is on in the new status, 0
    // otherwise.
    virtual void OnModemStatusChanged(int ctsOn) = 0;
};

// The serial port of one job: 8N1, no flow control, DTR and RTS on. Used by
// one thread only (the job's worker); the run flag is the one shared piece.
class SerialPort : public kermit::KermitPort {
public:
    // The run flag belongs to the worker and outlives the port.
    explicit SerialPort(std::atomic<int>& runFlag);
    ~SerialPort() override;

    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens "COM5", "ttyUSB0" (meaning /dev/ttyUSB0 on POSIX systems) or a full
    // device path at `baud` bits per second, one of kBaudTable (any other rate
    // is refused with PortProblem::BadBaud). Returns 1 when open, 0 otherwise.
    // Already open: returns 1 and changes nothing. The run flag is left alone:
    // a stop requested while the port opens must not be lost.
    int Open(const QString& portName, int baud);

    // Why the last Open returned 0; PortProblem::None after one that opened.
    const PortFailure& failure() const { return failure_; }

    // The port named `portName` as a message shows it: its device path on
    // POSIX systems ("/dev/ttyUSB0" for "ttyUSB0"), its name on Windows.
    static QString ShownName(const QString& portName);

    // Always 1.
    int Close();

    // Synchronous; at most 3000 ms in all. Returns the count written, 0 when
    // the port is not open or the write failed.
    int Write(const std::uint8_t* buffer, int length) override;

    // Bytes already received, at most maxLength; never waits. 0 when none.
    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;

    // Returns when input is waiting, the run flag is cleared or `milliseconds`
    // have passed.
    void WaitForInput(int milliseconds) override;

    // On a line that has been delivering at its rate, first lets all but the
    // last of `bytes` arrive, so that a packet coming in wakes the thread
    // about once instead of once a piece; otherwise as WaitForInput.
    void WaitForRest(int milliseconds, int bytes) override;

    // Serves the calling thread's pending Qt events, if it has a dispatcher.
    void PumpMessages() override;

    void SetObserver(SerialPortObserver* observer) { observer_ = observer; }

    // How the modem status word is read: true with the word, false when the
    // device cannot tell. The default asks the device; a stand-in answers
    // for devices that have no modem lines of their own (a pseudo-terminal).
    using ModemLineReader = std::function<bool(quint32& status)>;
    void SetModemLineReader(ModemLineReader reader) {
        modemLineReader_ = std::move(reader);
        noModemLines_ = false;
    }

    // The modem status bits as the caliper's original host saw them.
    static constexpr quint32 kCtsOn = 0x10;
    static constexpr quint32 kDsrOn = 0x20;
    static constexpr quint32 kRingOn = 0x40;
    static constexpr quint32 kCarrierOn = 0x80;

    int isOpen() const { return isOpen_; }

    // 1 once the device reported that it is gone (unplugged, hung up).
    int lineLost() const { return lineLost_; }

private:
    int Refuse(PortProblem problem);
    bool ClaimDevice();
    void ReleaseDevice();
    bool WaitForDevice(int milliseconds);
    bool PollDevice(int milliseconds);
    int ReadDevice(std::uint8_t* buffer, int maxLength);
    void CheckModemStatus();
    bool ReadModemLines(quint32& status);
    void NotePiece(int bytes);

    std::atomic<int>& runFlag_;
    std::unique_ptr<SerialDevice> device_;
    SerialPortObserver* observer_ = nullptr;
    ModemLineReader modemLineReader_;
    quint32 lastModemStatus_ = 0;
    qint64 lastModemLookMs_ = -1;  // when the lines were last looked at; -1: not yet
    bool noModemLines_ = false;    // the device said it has none: not asked again
    qint64 lastPumpMs_ = -1;       // when the thread's queue was last served
    bool waitedInVain_ = false;    // the last call was a wait that brought nothing
    qint64 charMicros_ = 0;        // one character's time on the line at its rate
    qint64 lastPieceMicros_ = -1;  // when the last read brought bytes
    int pacedPieces_ = 0;          // pieces in a row that came no faster than the rate
    QString claimedPath_;
    PortFailure failure_;
    int isOpen_ = 0;
    int lineLost_ = 0;
};

}  // namespace serial
