#include "app/ComportSetting.h"

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
    bool isNumber = false;
    const int number = stored.toInt(&isNumber);
    if (isNumber) return number < 0 ? QString() : QStringLiteral("COM%1").arg(number);
    if (stored.typeId() != QMetaType::QString) return QString();
    return stored.toString().trimmed();
}
