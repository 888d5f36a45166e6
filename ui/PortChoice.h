#pragma once

#include "serial/PortDiscovery.h"

#include <QFontMetrics>
#include <QList>
#include <QString>
#include <QStringList>

// A port name as lists and labels show it: a name gets its ":" ("COM5:",
// "ttyUSB0:"), a device path stays as it is.
QString PortEntryName(const QString& portName);

// The port list's entry for the stored port `portName` when discovery did not
// find it: the table's "%1 (not plugged in)" around its shown name.
QString AbsentPortEntryText(const QStringList& textTable, const QString& portName);

// The width, in `metrics`, that a port field needs for a device path of the
// length USB serial adapters get under /dev/serial/by-id.
int DevicePathWidth(const QFontMetrics& metrics);

// The port list's entry for a discovered port: its name, marked " (FV)"
// when it belongs to the caliper's adapter ("COM5: (FV)").
QString PortEntryText(const _tagPORTS& port);

// The entry the Settings dialog selects when it opens, for the stored port
// `storedPort` ("" for none): the entry of the stored port; with no port
// stored, the first port of the caliper's adapter; otherwise entry 0.
int PreselectedPort(const QList<_tagPORTS>& ports, const QString& storedPort);

// Whether the device path `portName` (a stable link such as
// /dev/serial/by-id/...) leads to one of `ports`: that port is plugged in.
bool LeadsToListedPort(const QList<_tagPORTS>& ports, const QString& portName);

// The entry of the port named `portName` (without the ":"); -1 when absent.
int IndexOfPort(const QList<_tagPORTS>& ports, const QString& portName);

// The port name of a list record: its name without the closing ":".
QString PortNameOf(const _tagPORTS& port);

bool SamePorts(const QList<_tagPORTS>& a, const QList<_tagPORTS>& b);

// The port name of a port list text as a user may type it: "COM5: (FV)",
// "COM5:" and "COM5" all give "COM5", "/dev/ttyS0" stays as it is.
QString PortNameFromEntry(const QString& entry);
