#include "app/EightBit.h"

#include "kermit/Cp1252.h"

#include <string_view>

QString FromEightBit(const QByteArray& bytes) {
    const std::string utf8 =
        kermit::Cp1252ToUtf8(std::string_view(bytes.constData(), size_t(bytes.size())));
    return QString::fromStdString(utf8);
}

QByteArray ToEightBit(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return QByteArray::fromStdString(
        kermit::Utf8ToCp1252(std::string_view(utf8.constData(), size_t(utf8.size()))));
}
