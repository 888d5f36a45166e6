#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

#include "serial/PortDiscovery.h"

namespace serial {

// What the system says about changes of its serial devices: one file per
// platform. On Linux a notification of the folders where device nodes and
// their links are made (inotify), on Windows a look at the port list at a
// gentle interval. Used by one thread.
class PortChanges {
public:
    // Watches `folders` (those that exist) for changes of the entries named
    // `names` ("tty*": those whose name begins so); a folder that does not
    // exist yet is watched once it is made.
    PortChanges(const QStringList& folders, const QStringList& names);
    ~PortChanges();
    PortChanges(const PortChanges&) = delete;
    PortChanges& operator=(const PortChanges&) = delete;

    // Waits up to `milliseconds`; true when the devices may have changed
    // since the last call (a node or link made, removed or given new
    // permissions), false when nothing happened in that time.
    bool Wait(int milliseconds);

    struct State;

private:
    std::unique_ptr<State> state_;
};

// The adapter of a port, as it is known again when it comes back after it
// went away: the same USB serial number where the adapter has one, else the
// same port name, or one of the links that led to it (/dev/serial/by-id).
struct AdapterIdentity {
    QString portName;      // as the job named it
    QString serialNumber;  // empty when the adapter has none
    QStringList links;     // links that led to the device while it was open
};

// The identity of the port `portName`, open now: its serial number from the
// system's port records, its links from the folders where the system makes them.
AdapterIdentity IdentityOf(const QString& portName, const PortSource& source = SystemPortRecords);

// The name to open the adapter of `identity` by, when it is present now;
// empty when it is not.
QString PresentPort(const AdapterIdentity& identity, const PortSource& source = SystemPortRecords);

// The folders whose changes may bring the adapter of `identity` back, and
// the names of the entries there that matter.
QStringList WatchedFolders(const AdapterIdentity& identity);
QStringList WatchedNames(const AdapterIdentity& identity);

// Waits, costing no processor time to speak of, until the adapter of
// `identity` is present again and `tryOpen` opens it (true), or the run flag
// is cleared (false). `tryOpen` is called with the name to open it by, once
// each time the devices changed while the adapter is present. The run flag
// is looked at every `sliceMs`.
bool WaitForReturn(const AdapterIdentity& identity, const std::atomic<int>& runFlag,
                   const std::function<bool(const QString& name)>& tryOpen, int sliceMs = 200);

}  // namespace serial
