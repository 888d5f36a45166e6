#include <QFileInfo>
#include <QSerialPortInfo>

#include "serial/PortDiscovery.h"

namespace {

// The link the udev rule makes for the caliper's adapter, named by its
// serial number, when it exists and leads to this device.
QString StableLink(const QSerialPortInfo& info) {
    if (info.serialNumber().isEmpty()) return {};
    const QString link = QStringLiteral("/dev/caliper-") + info.serialNumber();
    const QFileInfo linked(link);
    if (!linked.isSymLink()) return {};
    const QString device = QFileInfo(info.systemLocation()).canonicalFilePath();
    return !device.isEmpty() && linked.canonicalFilePath() == device ? link : QString();
}

}  // namespace

// The system's serial devices with the USB vendor and product ids it knows
// (from udev on Linux, from the I/O registry on macOS).
QList<PortRecord> SystemPortRecords() {
    QList<PortRecord> records;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortRecord record;
        record.portName = info.portName();
        record.location = info.systemLocation();
        record.serialNumber = info.serialNumber();
        record.stableLink = StableLink(info);
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
