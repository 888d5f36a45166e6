#include "serial/PortDiscovery.h"

namespace {

bool AllDigits(QStringView text) {
    if (text.isEmpty()) return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

}  // namespace

bool IsAcceptedPortName(const QString& portName, PortNaming naming) {
    if (naming == PortNaming::Windows) {
        return portName.size() > 3 && portName.startsWith(u"COM", Qt::CaseInsensitive) &&
               AllDigits(QStringView(portName).mid(3));
    }
    return portName.size() > 3 && portName.startsWith(u"tty") && !portName.contains(u'/');
}

bool IsCaliperPort(const PortRecord& record) {
    if (record.hasHardwareId) return record.hardwareId == QStringView(kCaliperHardwareId);
    return record.hasVendorIdentifier && record.hasProductIdentifier &&
           record.vendorIdentifier == kCaliperVendorId &&
           record.productIdentifier == kCaliperProductId;
}

QList<_tagPORTS> EnumeratePorts(const PortSource& source, PortNaming naming) {
    QList<_tagPORTS> ports;
    if (!source) return ports;
    for (const PortRecord& record : source()) {
        if (!IsAcceptedPortName(record.portName, naming)) continue;
        const QString location = record.location.isEmpty() ? record.portName : record.location;
        ports.append(_tagPORTS{IsCaliperPort(record) ? 1 : 0, record.portName + u':', location,
                               record.serialNumber, record.stableLink});
    }
    return ports;
}

QString CaliperPortName(const QList<_tagPORTS>& ports) {
    QString found;
    for (const _tagPORTS& port : ports)
        if (port.isCaliper == 1)
            found = port.stableLink.isEmpty() ? port.name.chopped(1) : port.stableLink;
    return found;
}
