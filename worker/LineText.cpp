#include "worker/LineText.h"

#include "app/EightBit.h"

#include <QList>

QString VisibleText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isPrint(c)) {
            shown += QString::fromUcs4(&c, 1);
        } else if (c < 0x20 || c == 0x7F) {
            shown += QLatin1Char('^');
            shown += QChar(static_cast<char16_t>(c ^ 0x40));
        } else {
            shown += QStringLiteral("<U+%1>")
                         .arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'))
                         .toUpper();
        }
    }
    return shown;
}

QString LineText(const QByteArray& eightBit) {
    return VisibleText(FromEightBit(eightBit));
}
