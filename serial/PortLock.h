#pragma once

#include <QString>

#include "serial/PortFailure.h"

namespace serial {

// The lock file that programs on POSIX systems leave in /run/lock (or
// /var/lock) while they hold a serial device: "LCK..ttyUSB0", holding the
// process id of the holder in ten characters. A lock file is honoured while
// its process lives; it is stale and removed when that process is gone, when
// it names none (empty, garbage, not a regular file) or when it is this
// process's own. One that cannot be read is honoured.
class PortLock {
public:
    PortLock() = default;
    ~PortLock() { Release(); }
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // Takes the lock of `device` (a path) for this process. False, with the
    // failure filled in, when another live process holds a lock file of it.
    // Where no lock folder can be written, it goes on without a file of its own.
    bool Acquire(const QString& device, PortFailure& failure);

    // Removes the lock file taken, if it still names this process.
    void Release();

    // The lock file taken; "" when none.
    const QString& file() const { return file_; }

private:
    QString file_;
};

}  // namespace serial
