#pragma once

#include <QString>
#include <QtGlobal>

namespace serial {

// Why a port could not be opened. The words for the user come from the text
// table above this layer; here is only the value and what it needs.
enum class PortProblem {
    None,
    NotPresent,    // no such device, or nothing behind it
    NoPermission,  // the user may not open the device
    InUse,         // another program holds it (a lock file, an exclusive hold)
    NotSerial,     // not a terminal device, or it refused the line settings
    BadBaud,       // the rate is none of kBaudTable
    Other,         // any other refusal of the system; see systemText
};

struct PortFailure {
    PortProblem problem = PortProblem::None;
    QString group;            // NoPermission: the group that owns the device and may read and
                              // write it; "" when unknown or when that group may not
    bool groupMayUse = true;  // NoPermission: joining the owning group would give access
    qint64 holder = 0;        // InUse: the process named in `lockFile`; 0 when none or unreadable
    QString lockFile;         // InUse: the live lock file of another program; "" when none
    QString systemText;       // Other: the system's own words for the error
};

}  // namespace serial
