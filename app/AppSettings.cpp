#include "app/AppCore.h"

#include "app/ComportSetting.h"
#include "app/Languages.h"
#include "app/StoredNumber.h"
#include "serial/BaudRates.h"

#include <QFileInfo>
#include <QSettings>

#include <climits>
#include <iterator>

namespace {

// A stored number, or `fallback` when it is missing, not a whole number, or
// outside [low, high].
int ReadNumber(const QSettings& settings, const QString& key, int fallback, int low, int high) {
    const std::optional<int> value = StoredNumber(settings.value(key));
    return value && *value >= low && *value <= high ? *value : fallback;
}

// A stored flag: 0 stays 0, any other number is 1.
int ReadFlag(const QSettings& settings, const QString& key) {
    return ReadNumber(settings, key, 0, INT_MIN, INT_MAX) != 0 ? 1 : 0;
}

// A stored text. A value that the settings file split at commas is joined again.
QString ReadText(const QSettings& settings, const QString& key, const QString& fallback) {
    const QVariant stored = settings.value(key);
    if (!stored.isValid()) return fallback;
    if (stored.typeId() == QMetaType::QStringList) return stored.toStringList().join(u", ");
    return stored.canConvert<QString>() ? stored.toString() : fallback;
}

// Every rate the port accepts, 230400 (index 8) included, though the list
// offers it nowhere.
constexpr int kMaxBaudIndex = serial::kBaudCount - 1;
constexpr int kFontLimit = 1000;  // font heights and weights beyond this are not fonts
constexpr int kMaxMargin = 999;

}  // namespace

void AppCore::ReadFontLineSettings(const QSettings& settings) {
    FontHeight = ReadNumber(settings, QStringLiteral("FontHeight"), 10, -kFontLimit, kFontLimit);
    FontItalic = ReadFlag(settings, QStringLiteral("FontItalic"));
    FontUnderline = ReadFlag(settings, QStringLiteral("FontUnderline"));
    FontStrike = ReadFlag(settings, QStringLiteral("FontStrike"));
    FontWeight = ReadNumber(settings, QStringLiteral("FontWeight"), 400, 0, kFontLimit);
    FontFace = ReadText(settings, QStringLiteral("FontFace"), QStringLiteral("Courier"));
    if (FontFace.trimmed().isEmpty()) FontFace = QStringLiteral("Courier");
    Margin = ReadNumber(settings, QStringLiteral("Margin"), 1, 0, kMaxMargin);
    Baud = ReadNumber(settings, QStringLiteral("Baud"), 3, 0, kMaxBaudIndex);
    Comport = ComportFromSetting(settings.value(QStringLiteral("Comport")));
    BlockCheck = ReadNumber(settings, QStringLiteral("BlockCheck"), 1, 1, 3) == 3 ? 3 : 1;
    PacketLength = ReadNumber(settings, QStringLiteral("PacketLength"), 94, 94, 4096);
    Window = ReadNumber(settings, QStringLiteral("Window"), 1, 1, 31);
    Prefixing = ReadNumber(settings, QStringLiteral("Prefixing"), 0, 0, 2);
}

void AppCore::ReadFileLanguageSettings(const QSettings& settings) {
    LastFile = ReadText(settings, QStringLiteral("LastFile"), QString());
    LastDir = ReadText(settings, QStringLiteral("LastDir"), QString());
    CaptureDir = ReadText(settings, QStringLiteral("CaptureDir"), QString());
    PacketLog = ReadFlag(settings, QStringLiteral("PacketLog"));
    PacketLogFile = ReadText(settings, QStringLiteral("PacketLogFile"), QString());
    Language = ReadNumber(settings, QStringLiteral("Language"), kEnglish, 0, kLanguageCount - 1);
    if (settings.contains(QStringLiteral("Language")) || !systemLocale) return;
    const int spoken = LanguageOfLocale(systemLocale());
    if (spoken >= 0 && QFileInfo(ProgramFolder + LanguageFileName(spoken)).isFile())
        Language = spoken;
}

void AppCore::WriteSettings(const SettingWriter& write) const {
    write(QStringLiteral("Comport"), ComportToSetting(Comport));
    write(QStringLiteral("Baud"), Baud);
    write(QStringLiteral("Language"), Language);
    write(QStringLiteral("LastFile"), LastFile);
    write(QStringLiteral("LastDir"), LastDir);
    write(QStringLiteral("FontHeight"), FontHeight);
    write(QStringLiteral("FontItalic"), FontItalic);
    write(QStringLiteral("FontUnderline"), FontUnderline);
    write(QStringLiteral("FontStrike"), FontStrike);
    write(QStringLiteral("FontWeight"), FontWeight);
    write(QStringLiteral("FontFace"), FontFace);
    write(QStringLiteral("Margin"), Margin);
    write(QStringLiteral("BlockCheck"), BlockCheck);
    write(QStringLiteral("PacketLength"), PacketLength);
    write(QStringLiteral("Window"), Window);
    write(QStringLiteral("Prefixing"), Prefixing);
    write(QStringLiteral("CaptureDir"), CaptureDir);
    write(QStringLiteral("PacketLog"), PacketLog);
    write(QStringLiteral("PacketLogFile"), PacketLogFile);
}
