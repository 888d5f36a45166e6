#pragma once

#include <QFont>
#include <QString>

#include "ui/LogFont.h"

class QFontDialog;

// The font chooser of the ASCII viewer, opened on the font the list shows.

// The style of `family` nearest to `weight` and `italic`: for an upright
// normal font "Regular" or "Book", never "Oblique". Empty when the family
// has no styles.
QString NearestStyle(const QString& family, int weight, bool italic);

// The chooser's starting font for `logFont` (kept in points) on a screen of
// `dpiY`: the family the screen really draws it with, that family's own
// style name, and the size in points.
QFont ChooserFont(const LogFont& logFont, int dpiY);

// When the user picks another family in `dialog`, its style follows the
// weight and slant chosen so far instead of the family's first style.
void KeepStyleAcrossFamilies(QFontDialog& dialog);
