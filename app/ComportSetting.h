#pragma once

#include <QString>
#include <QVariant>

// The setting "Comport" keeps the number n for a port named COM<n> (a number,
// which the Windows registry keeps as a DWORD), the name itself for any other
// port, and -1 when no port is chosen. In the program a port is
// always its name; the empty name means none.
QVariant ComportToSetting(const QString& portName);

// The port name a stored value stands for; "" for -1, a missing value, a
// negative number, a number beyond the int range or a value of no usable
// kind.
QString ComportFromSetting(const QVariant& stored);
