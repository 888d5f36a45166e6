#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

// A font as the settings keep it: the height in logical units (negative: the
// character height in pixels; positive: the cell height, character plus
// internal leading; 0: the default height), weight 1..1000 (400 normal,
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

// The font `logFont` describes, sized in the pixels of `device` (the screen
// when none is given).
QFont FontFromLogFont(const LogFont& logFont, const QPaintDevice* device = nullptr);

// The description of `font` on a device of `dpiY` dots per inch; the height
// comes out negative (a character height in pixels).
LogFont LogFontFromFont(const QFont& font, int dpiY);
