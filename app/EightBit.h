#pragma once

#include <QByteArray>
#include <QString>

// The one place where 8-bit text (serial line, Kermit engine, captures, the
// English template) becomes interface text and back. The caliper's text is
// Western European: Windows-1252, so byte 0xC5 is "Å". A character the code
// page cannot hold becomes '?'.
QString FromEightBit(const QByteArray& bytes);
QByteArray ToEightBit(const QString& text);
