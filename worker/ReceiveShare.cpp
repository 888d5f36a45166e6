#include "worker/ReceiveShare.h"

#include <algorithm>
#include <cmath>

#include "app/TextTable.h"

namespace {

constexpr std::chrono::seconds kLeastTiming{1};
constexpr std::int64_t kSecondsShown = 60;  // from a minute on, the time left is told in minutes

}  // namespace

void ReceiveShare::Announce(std::uint64_t length) {
    Reset();
    length_ = length;
}

void ReceiveShare::Progress(std::uint64_t bytes, Clock::time_point now) {
    if (!announced()) return;
    bytes_ = bytes;
    last_ = now;
    if (!startTime_) {
        startTime_ = now;
        startBytes_ = bytes;
    }
}

int ReceiveShare::Percent() const {
    if (!announced() || bytes_ >= length_) return announced() ? 100 : 0;
    return static_cast<int>(static_cast<double>(bytes_) * 100.0 / static_cast<double>(length_));
}

std::optional<std::int64_t> ReceiveShare::SecondsLeft() const {
    if (!announced() || !startTime_ || bytes_ >= length_ || bytes_ <= startBytes_) return {};
    const auto timed = last_ - *startTime_;
    if (timed < kLeastTiming) return {};
    const double seconds = std::chrono::duration<double>(timed).count();
    const double rate = static_cast<double>(bytes_ - startBytes_) / seconds;
    const double left = static_cast<double>(length_ - bytes_) / rate;
    return std::max<std::int64_t>(1, static_cast<std::int64_t>(std::ceil(left)));
}

QString ReceiveShare::Text(const QStringList& texts) const {
    const QString percent = QString::number(Percent());
    const QString length = QString::number(length_);
    const std::optional<std::int64_t> left = SecondsLeft();
    if (!left) return TextAt(texts, TextId::ReceiveShare).arg(percent, length);
    if (*left < kSecondsShown)
        return TextAt(texts, TextId::ReceiveShareSeconds)
            .arg(percent, length, QString::number(*left));
    const auto minutes = static_cast<std::int64_t>(std::lround(static_cast<double>(*left) / 60.0));
    return TextAt(texts, TextId::ReceiveShareMinutes)
        .arg(percent, length, QString::number(minutes));
}
