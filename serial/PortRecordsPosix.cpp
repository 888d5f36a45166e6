#include <QSerialPortInfo>

#include "serial/PortDiscovery.h"

// The system's serial devices with the USB vendor and product ids it knows
// (from udev on Linux, from the I/O registry on macOS).
QList<PortRecord> SystemPortRecords() {
    QList<PortRecord> records;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortRecord record;
        record.portName = info.portName();
        record.hasVendorIdentifier = info.hasVendorIdentifier();
        record.vendorIdentifier = info.vendorIdentifier();
        record.hasProductIdentifier = info.hasProductIdentifier();
        record.productIdentifier = info.productIdentifier();
        records.append(record);
    }
    return records;
}

PortNaming HostPortNaming() {
    return PortNaming::Posix;
}
