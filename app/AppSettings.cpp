#include "app/AppSettings.h"

#include "app/ComportSetting.h"
#include "app/Languages.h"
#include "app/StoredNumber.h"
#include "serial/BaudRates.h"

#include <QSettings>

#include <variant>

namespace {

// A whole number from `low` to `high`, `step` apart from `low`.
struct Number {
    int AppSettings::*member;
    int fallback;
    int low;
    int high;
    int step = 1;

    void Read(AppSettings& settings, const QVariant& stored) const {
        const std::optional<int> value = StoredNumber(stored);
        const bool fits = value && *value >= low && *value <= high && (*value - low) % step == 0;
        settings.*member = fits ? *value : fallback;
    }
    QVariant Stored(const AppSettings& settings) const { return settings.*member; }
};

// Yes or no, stored as 1 or 0, and no when missing; any other number is yes.
template <typename Member>
struct Flag {
    Member AppSettings::*member;

    void Read(AppSettings& settings, const QVariant& stored) const {
        settings.*member = StoredNumber(stored).value_or(0) != 0;
    }
    QVariant Stored(const AppSettings& settings) const { return int(settings.*member); }
};

// A text. A value that the settings file split at commas is joined again.
// A text whose default is not empty is never blank: a blank one gives the
// default.
struct Text {
    QString AppSettings::*member;
    const char* fallback = "";

    void Read(AppSettings& settings, const QVariant& stored) const {
        QString text = QString::fromUtf8(fallback);
        if (stored.typeId() == QMetaType::QStringList)
            text = stored.toStringList().join(u", ");
        else if (stored.isValid() && stored.canConvert<QString>())
            text = stored.toString();
        if (*fallback && text.trimmed().isEmpty()) text = QString::fromUtf8(fallback);
        settings.*member = text;
    }
    QVariant Stored(const AppSettings& settings) const { return settings.*member; }
};

// A port name, stored as ComportSetting.h says.
struct PortName {
    QString AppSettings::*member;

    void Read(AppSettings& settings, const QVariant& stored) const {
        settings.*member = ComportFromSetting(stored);
    }
    QVariant Stored(const AppSettings& settings) const {
        return ComportToSetting(settings.*member);
    }
};

struct Row {
    const char* key;
    std::variant<Number, Flag<int>, Flag<bool>, Text, PortName> kind;
};

// Every rate the port accepts, 230400 included, though the list offers it nowhere.
constexpr int kMaxBaudIndex = serial::kBaudCount - 1;
constexpr int kFontLimit = 1000;  // font heights and weights beyond this are not fonts
constexpr int kMaxMargin = 999;

// The settings, in the order they are written. Stored files rely on these
// keys: the sliding window is stored as "Window".
constexpr Row kRows[] = {
    {"Comport", PortName{&AppSettings::Comport}},
    {"Baud", Number{&AppSettings::Baud, 3, 0, kMaxBaudIndex}},
    {"Language", Number{&AppSettings::Language, kEnglish, 0, kLanguageCount - 1}},
    {"LastFile", Text{&AppSettings::LastFile}},
    {"LastDir", Text{&AppSettings::LastDir}},
    {"FontHeight", Number{&AppSettings::FontHeight, 10, -kFontLimit, kFontLimit}},
    {"FontItalic", Flag<int>{&AppSettings::FontItalic}},
    {"FontUnderline", Flag<int>{&AppSettings::FontUnderline}},
    {"FontStrike", Flag<int>{&AppSettings::FontStrike}},
    {"FontWeight", Number{&AppSettings::FontWeight, 400, 0, kFontLimit}},
    {"FontFace", Text{&AppSettings::FontFace, "Courier"}},
    {"Margin", Number{&AppSettings::Margin, 1, 0, kMaxMargin}},
    {"BlockCheck", Number{&AppSettings::BlockCheck, 1, 1, 3, 2}},  // 1 or 3
    {"PacketLength", Number{&AppSettings::PacketLength, 94, 94, 4096}},
    {"Window", Number{&AppSettings::SlidingWindow, 1, 1, 31}},
    {"Prefixing", Number{&AppSettings::Prefixing, 0, 0, 2}},
    {"CaptureDir", Text{&AppSettings::CaptureDir}},
    {"PacketLog", Flag<bool>{&AppSettings::PacketLog}},
    {"PacketLogFile", Text{&AppSettings::PacketLogFile}},
};

}  // namespace

// Nothing read gives every default.
AppSettings::AppSettings() {
    for (const Row& row : kRows)
        std::visit([this](const auto& kind) { kind.Read(*this, QVariant()); }, row.kind);
}

void AppSettings::Read(const QSettings& stored) {
    for (const Row& row : kRows) {
        const QVariant value = stored.value(QLatin1String(row.key));
        std::visit([&](const auto& kind) { kind.Read(*this, value); }, row.kind);
    }
}

void AppSettings::Write(const Writer& write) const {
    for (const Row& row : kRows)
        std::visit([&](const auto& kind) { write(QLatin1String(row.key), kind.Stored(*this)); },
                   row.kind);
}
