#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <memory>

#include "serial/PortFailure.h"

namespace serial {

// The operating system's side of one open serial device: one file per
// platform, chosen by the build. Used by SerialPort on its one thread.
class SerialDevice {
public:
    SerialDevice();
    ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // The device a port name stands for: "COM5", "ttyUSB0" or a full path.
    static QString PathOf(const QString& portName);

    // The port as the user knows it, for messages: the device path on POSIX
    // systems ("/dev/ttyUSB0" for "ttyUSB0"), the port name on Windows.
    static QString ShownName(const QString& portName);

    // Opens the device for this process alone and sets the line: `baud`,
    // 8N1, no flow control, DTR and RTS on where the device has them. False,
    // and closed, with `failure` saying why, when the device cannot be opened
    // or refuses the line.
    bool Open(const QString& path, int baud, PortFailure& failure);
    void Close();

    // Throws away what is queued both ways.
    void Purge();

    // Bytes this process already took in from the device and has not handed
    // out yet (a wait's read on Windows); they come before anything still in
    // the device.
    qint64 Buffered() const;
    int ReadBuffered(std::uint8_t* buffer, int maxLength);

    // The results of the calls below. `lost` is set when the device has gone
    // (unplugged, hung up) and never cleared by them.
    // Waits up to `milliseconds` for input; true when input is waiting.
    bool WaitReadable(int milliseconds, int& lost);
    // What the device holds now, at most maxLength; never waits. 0 when none.
    int Read(std::uint8_t* buffer, int maxLength, int& lost);
    // Writes for at most `timeoutMs` in all; returns the count the device took.
    int Write(const std::uint8_t* buffer, int length, int timeoutMs, int& lost);

    enum class ModemLook { Read, Failed, NoLines };
    // The input lines as the status word of SerialPort (kCtsOn...). NoLines
    // when the device says it has none at all (a pseudo-terminal): that does
    // not change while it stays open.
    ModemLook ReadModemLines(quint32& status);

    struct State;

private:
    std::unique_ptr<State> state_;
};

// The driver's own bits of the four input lines.
struct ModemLineBits {
    unsigned long cts, dsr, ring, carrier;
};

// The lines set in the driver's `bits`, as the status word of SerialPort
// (kCtsOn...).
quint32 ModemStatusOf(unsigned long bits, const ModemLineBits& driver);

}  // namespace serial
