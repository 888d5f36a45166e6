#include "app/EightBit.h"

#include "disk/EightBitText.h"

#include <string_view>

QString FromEightBit(const QByteArray& bytes) {
    const std::string utf8 =
        disk::EightBitToUtf8(std::string_view(bytes.constData(), size_t(bytes.size())));
    return QString::fromStdString(utf8);
}

QByteArray ToEightBit(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return QByteArray::fromStdString(
        disk::Utf8ToEightBit(std::string_view(utf8.constData(), size_t(utf8.size()))));
}
