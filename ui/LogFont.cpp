#include "ui/LogFont.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultWeight = 400;

// The pixel size whose cell (ascent plus descent) is about `cellHeight`.
int PixelSizeForCell(QFont font, int cellHeight, const QPaintDevice* device) {
    font.setPixelSize(cellHeight);
    const int measured =
        device != nullptr ? QFontMetrics(font, device).height() : QFontMetrics(font).height();
    if (measured <= 0) return cellHeight;
    return std::max(1, static_cast<int>(std::lround(double(cellHeight) * cellHeight / measured)));
}

}  // namespace

QFont FontFromLogFont(const LogFont& logFont, const QPaintDevice* device) {
    QFont font;
    if (!logFont.faceName.isEmpty()) font.setFamily(logFont.faceName.left(kLogFontFaceCapacity));
    const int weight = logFont.weight <= 0 ? kDefaultWeight : std::min(logFont.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(logFont.italic != 0);
    font.setUnderline(logFont.underline != 0);
    font.setStrikeOut(logFont.strikeOut != 0);
    if (logFont.height < 0) {
        // Very large values are clamped; they are refused before use anyway.
        font.setPixelSize(std::min(-static_cast<long long>(logFont.height), 100000LL));
    } else if (logFont.height > 0) {
        font.setPixelSize(PixelSizeForCell(font, std::min(logFont.height, 100000), device));
    }
    return font;
}

LogFont LogFontFromFont(const QFont& font, int dpiY) {
    LogFont logFont;
    long points = std::lround(font.pointSizeF());
    if (font.pixelSize() > 0 && dpiY > 0) points = std::lround(font.pixelSize() * 72.0 / dpiY);
    logFont.height = -static_cast<int>(std::clamp(points, 1L, 100000L));
    logFont.weight = font.weight();
    logFont.italic = font.italic() ? 1 : 0;
    logFont.underline = font.underline() ? 1 : 0;
    logFont.strikeOut = font.strikeOut() ? 1 : 0;
    logFont.faceName = font.family().left(kLogFontFaceCapacity);
    return logFont;
}

LogFont AtDeviceSize(const LogFont& logFont, int dpiY) {
    LogFont scaled = logFont;
    scaled.height = static_cast<int>(static_cast<long long>(logFont.height) * dpiY / 72);
    return scaled;
}
