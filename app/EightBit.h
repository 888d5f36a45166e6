#pragma once

#include <QByteArray>
#include <QString>

// The one place where 8-bit text (serial line, Kermit engine, captures, the
// English template) becomes interface text and back: the system's ANSI code
// page on Windows, Windows-1252 elsewhere (the caliper's Western European
// text, where byte 0xC5 is "Å"), through the conversion that names the
// files on disk (disk/EightBitText.h), so that names on disk and names on
// screen always agree. A character the code page cannot hold becomes '?'.
QString FromEightBit(const QByteArray& bytes);
QByteArray ToEightBit(const QString& text);
