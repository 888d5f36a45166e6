#pragma once

#include <QList>
#include <QString>

#include <functional>

// One discovered serial port.
struct _tagPORTS {
    int isCaliper = 0;     // 1 for a port of the caliper's own USB adapter
    QString name;          // the port name followed by ":", such as "COM5:" or "ttyUSB0:"
    QString location;      // what a port is opened by: "/dev/ttyUSB0", "COM5"
    QString serialNumber;  // the USB adapter's serial number, when it has one
    QString stableLink;    // the udev rule's link to the caliper's adapter, when it exists
};

// What the system tells about one serial device, before any filtering.
struct PortRecord {
    QString portName;  // "COM5", "ttyUSB0"
    QString location;  // "/dev/ttyUSB0", "COM5"; empty: the port name
    QString serialNumber;
    QString stableLink;  // "/dev/caliper-FT12AB" when the udev rule made one
    bool hasVendorIdentifier = false;
    quint16 vendorIdentifier = 0;
    bool hasProductIdentifier = false;
    quint16 productIdentifier = 0;
    // Where the system names the device by its first hardware identifier
    // (SETUPAPI on Windows), that text decides instead of the two ids.
    bool hasHardwareId = false;
    QString hardwareId;
};

// Supplies the system's port records in enumeration order.
using PortSource = std::function<QList<PortRecord>()>;

// How port names look: "COM" + digits on Windows, tty devices elsewhere.
enum class PortNaming { Windows, Posix };

// The naming of the system built for (PortRecordsPosix.cpp, PortRecordsWindows.cpp).
PortNaming HostPortNaming();

// The caliper's adapter: an FTDI chip (vendor 0403) with product id AFB8.
inline constexpr quint16 kCaliperVendorId = 0x0403;
inline constexpr quint16 kCaliperProductId = 0xAFB8;
// The same adapter's first hardware identifier, compared exactly.
inline constexpr char16_t kCaliperHardwareId[] = u"FTDIBUS\\COMPORT&VID_0403&PID_AFB8";

// The ports the system reports now: SETUPAPI on Windows, QSerialPortInfo elsewhere.
QList<PortRecord> SystemPortRecords();

bool IsAcceptedPortName(const QString& portName, PortNaming naming);
// True for a port of the caliper's own adapter: by its first hardware
// identifier where the system gives one, else by vendor and product id.
bool IsCaliperPort(const PortRecord& record);

// The accepted ports of `source`, in the order the system listed them: not
// sorted, duplicates kept. An empty list is the only sign of failure.
QList<_tagPORTS> EnumeratePorts(const PortSource& source = SystemPortRecords,
                                PortNaming naming = HostPortNaming());

// The udev rule's stable link of the last caliper port in `ports`, else its
// name (without its ":"): with two adapters plugged in, the last one listed
// wins. Empty when there is none.
QString CaliperPortName(const QList<_tagPORTS>& ports);
