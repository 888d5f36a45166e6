#include "ui/PortChoice.h"

#include <QFileInfo>

#include "app/TextTable.h"

namespace {

// An adapter's name as the system files it under /dev/serial/by-id.
constexpr char kLongDevicePath[] = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10KZP3M-if00-port0";

bool IsDevicePath(const QString& portName) {
    return portName.contains(QLatin1Char('/')) || portName.contains(QLatin1Char('\\'));
}

}  // namespace

QString PortEntryName(const QString& portName) {
    return IsDevicePath(portName) ? portName : portName + QLatin1Char(':');
}

QString AbsentPortEntryText(const QStringList& textTable, const QString& portName) {
    const QString text = TextAt(textTable, TextId::PortNotPluggedIn);
    if (!text.contains(QStringLiteral("%1"))) return PortEntryName(portName);
    return text.arg(PortEntryName(portName));
}

int DevicePathWidth(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QString::fromLatin1(kLongDevicePath));
}

QString PortEntryText(const _tagPORTS& port) {
    return port.isCaliper == 1 ? port.name + QStringLiteral(" (FV)") : port.name;
}

int PreselectedPort(const QList<_tagPORTS>& ports, const QString& storedPort) {
    const bool noneStored = storedPort.isEmpty();
    const QString storedEntry = storedPort + QLatin1Char(':');
    int chosen = -1;
    for (int j = 0; j < ports.size(); ++j) {
        if (noneStored && chosen < 0 && ports[j].isCaliper == 1) chosen = j;
        if (!noneStored && ports[j].name == storedEntry) chosen = j;
    }
    return chosen < 0 ? 0 : chosen;
}

bool LeadsToListedPort(const QList<_tagPORTS>& ports, const QString& portName) {
    if (!IsDevicePath(portName)) return false;
    const QString target = QFileInfo(portName).canonicalFilePath();
    if (target.isEmpty()) return false;
    for (const _tagPORTS& port : ports) {
        const QString name = PortNameOf(port);
        const QString device = IsDevicePath(name) ? name : QStringLiteral("/dev/") + name;
        if (QFileInfo(device).canonicalFilePath() == target) return true;
    }
    return false;
}

int IndexOfPort(const QList<_tagPORTS>& ports, const QString& portName) {
    if (portName.isEmpty()) return -1;
    for (int j = 0; j < ports.size(); ++j) {
        if (PortNameOf(ports[j]) == portName) return j;
    }
    return -1;
}

QString PortNameOf(const _tagPORTS& port) {
    return port.name.endsWith(QLatin1Char(':')) ? port.name.chopped(1) : port.name;
}

bool SamePorts(const QList<_tagPORTS>& a, const QList<_tagPORTS>& b) {
    if (a.size() != b.size()) return false;
    for (int j = 0; j < a.size(); ++j) {
        if (a[j].isCaliper != b[j].isCaliper || a[j].name != b[j].name) return false;
    }
    return true;
}

QString PortNameFromEntry(const QString& entry) {
    QString name = entry.trimmed();
    if (name.endsWith(QStringLiteral(" (FV)"))) name.chop(5);
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    return name;
}
