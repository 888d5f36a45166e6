#include "serial/PortReturn.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include "serial/SerialDevice.h"

namespace serial {

namespace {

// The folders where the system makes links to serial devices by what they
// are; none of them exist on Windows.
const QStringList& LinkFolders() {
    static const QStringList folders{QStringLiteral("/dev/serial/by-id"),
                                     QStringLiteral("/dev/serial/by-path")};
    return folders;
}

QString CanonicalDevice(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

// The record of the device that `portName` opens, when the system lists it.
const PortRecord* RecordOf(const QList<PortRecord>& records, const QString& portName) {
    const QString device = CanonicalDevice(SerialDevice::PathOf(portName));
    for (const PortRecord& record : records) {
        const QString location = record.location.isEmpty() ? record.portName : record.location;
        if (record.portName == portName || location == portName ||
            (!device.isEmpty() && CanonicalDevice(SerialDevice::PathOf(location)) == device))
            return &record;
    }
    return nullptr;
}

// A device or link that exists (a pseudo-terminal, a udev link), or a port
// the system lists by its name (a COM port on Windows). The list is asked
// for only for a name that is no path: it costs a walk over every device.
bool Present(const PortSource& source, const QString& portName) {
    if (QFileInfo::exists(SerialDevice::PathOf(portName))) return true;
    if (portName.contains(QLatin1Char('/')) || portName.contains(QLatin1Char('\\'))) return false;
    for (const PortRecord& record : source())
        if (record.portName == portName || record.location == portName) return true;
    return false;
}

// A retry while the adapter is there but would not open: it may be held by
// a program that probes new devices for a moment.
constexpr int kRetryMs = 1000;

}  // namespace

AdapterIdentity IdentityOf(const QString& portName, const PortSource& source) {
    AdapterIdentity identity{portName, {}, {}};
    const QList<PortRecord> records = source();
    if (const PortRecord* record = RecordOf(records, portName); record != nullptr)
        identity.serialNumber = record->serialNumber;
    const QString device = CanonicalDevice(SerialDevice::PathOf(portName));
    if (device.isEmpty()) return identity;
    for (const QString& folder : LinkFolders()) {
        const QDir dir(folder);
        for (const QFileInfo& link : dir.entryInfoList(QDir::System | QDir::Files)) {
            if (link.isSymLink() && link.canonicalFilePath() == device)
                identity.links << link.absoluteFilePath();
        }
    }
    return identity;
}

QString PresentPort(const AdapterIdentity& identity, const PortSource& source) {
    if (!identity.serialNumber.isEmpty()) {
        for (const PortRecord& record : source()) {
            if (record.serialNumber != identity.serialNumber) continue;
            return record.location.isEmpty() ? record.portName : record.location;
        }
        return {};
    }
    if (Present(source, identity.portName)) return identity.portName;
    for (const QString& link : identity.links)
        if (Present(source, link)) return link;
    return {};
}

QStringList WatchedFolders(const AdapterIdentity& identity) {
    QStringList folders{QStringLiteral("/dev"), QStringLiteral("/dev/serial")};
    folders << LinkFolders();
    const QFileInfo named(SerialDevice::PathOf(identity.portName));
    folders << named.absolutePath();
    const QString device = named.canonicalFilePath();
    if (!device.isEmpty()) folders << QFileInfo(device).absolutePath();
    folders.removeDuplicates();
    return folders;
}

QStringList WatchedNames(const AdapterIdentity& identity) {
    QStringList names{QStringLiteral("serial"), QStringLiteral("by-id")};
    names << QFileInfo(SerialDevice::PathOf(identity.portName)).fileName();
    for (const QString& link : identity.links)
        names << QFileInfo(link).fileName();
    // The same adapter may come back as another device.
    if (!identity.serialNumber.isEmpty()) names << QStringLiteral("tty*") << QStringLiteral("cu.*");
    names.removeDuplicates();
    return names;
}

bool WaitForReturn(const AdapterIdentity& identity, const std::atomic<int>& runFlag,
                   const std::function<bool(const QString& name)>& tryOpen, int sliceMs) {
    PortChanges changes(WatchedFolders(identity), WatchedNames(identity));
    // The first look needs no change: the adapter may be back already.
    bool changed = true;
    QElapsedTimer sinceTry;
    while (runFlag != 0) {
        const bool retry = sinceTry.isValid() && sinceTry.elapsed() >= kRetryMs;
        if (changed || retry) {
            sinceTry.invalidate();
            const QString name = PresentPort(identity);
            if (!name.isEmpty()) {
                if (tryOpen(name)) return true;
                sinceTry.start();
            }
        }
        changed = changes.Wait(sliceMs);
    }
    return false;
}

}  // namespace serial
