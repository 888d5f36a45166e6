#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

// A font as the settings keep it: the height in points (negative: the
// character height; positive: the cell height, character plus internal
// leading; 0: the default height) -- or, once AtDeviceSize has scaled it, in
// a device's pixels -- weight 1..1000 (400 normal,
// 700 bold), the three style flags and a face name of at most 31 characters.
struct LogFont {
    int height = 0;
    int weight = 400;
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    QString faceName;
};

inline constexpr int kLogFontFaceCapacity = 31;

// The font `logFont` describes with its height in the pixels of `device`
// (the screen when none is given).
QFont FontFromLogFont(const LogFont& logFont, const QPaintDevice* device = nullptr);

// The font as the settings keep it, with its height in points (10 for
// "Courier 10", which a 96 dpi screen draws 13 pixels high): the description
// of `font` on a device of `dpiY` dots per inch; the height comes out
// negative (a character height in points).
LogFont LogFontFromFont(const QFont& font, int dpiY);

// A font kept in points (as the settings keep it) described for a device of
// `dpiY` dots per inch: its height times dpiY / 72, truncated.
LogFont AtDeviceSize(const LogFont& logFont, int dpiY);
