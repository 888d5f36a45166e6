#pragma once

#include <QByteArray>
#include <QString>

// Text that came from the line (the peer's E messages, names, answers) as it
// may be shown: a terminal obeys a control character, and a window shows
// nothing for it. Each becomes visible instead: C0 controls and DEL in caret
// form (ESC is "^[", DEL "^?"), any other character that cannot be printed
// as its code point ("<U+0085>"). Printable text is left as it is.
QString VisibleText(const QString& text);

// 8-bit text from the line, as FromEightBit reads it, made visible.
QString LineText(const QByteArray& eightBit);
