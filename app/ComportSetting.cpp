#include "app/ComportSetting.h"

#include "app/StoredNumber.h"

#include <QRegularExpression>

QVariant ComportToSetting(const QString& portName) {
    if (portName.isEmpty()) return -1;
    static const QRegularExpression kComName(QStringLiteral("^COM([0-9]{1,9})$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = kComName.match(portName);
    if (match.hasMatch()) return match.captured(1).toInt();
    return portName;
}

QString ComportFromSetting(const QVariant& stored) {
    if (!stored.isValid()) return QString();
    if (const std::optional<int> number = StoredNumber(stored))
        return *number < 0 ? QString() : QStringLiteral("COM%1").arg(*number);
    if (stored.typeId() != QMetaType::QString) return QString();
    // A number too large for any port is no name either.
    static const QRegularExpression kNumber(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    const QString text = stored.toString();
    return kNumber.match(text).hasMatch() ? QString() : text.trimmed();
}
