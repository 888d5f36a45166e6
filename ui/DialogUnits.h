#pragma once

#include <QRect>
#include <QSize>

class QFont;
class QWidget;

// Dialog templates give positions in dialog units: a quarter of the dialog
// font's average character width across, an eighth of its height down.
struct DialogBaseUnits {
    int x = 6;
    int y = 13;
};

// The base units of `font`, measured as Windows measures them: the average
// width of the 52 letters, rounded, and the font's line height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

int DialogUnitsToPixelsX(int units, DialogBaseUnits base);
int DialogUnitsToPixelsY(int units, DialogBaseUnits base);
QRect DialogUnitsToPixels(const QRect& units, DialogBaseUnits base);
QSize DialogUnitsToPixels(const QSize& units, DialogBaseUnits base);

// The template rectangle a control carries in its "dialogUnits" property
// (an empty rectangle when it has none), and the dialog's template size.
QRect ControlDialogUnits(const QWidget* control);
QSize TemplateDialogUnits(const QWidget* dialog);

// Places every direct child of `dialog` that carries a template rectangle at
// its pixel position, moved down by `top` (the height of a menu bar). A combo
// box keeps its own height: its template height is that of the open list.
void PlaceControls(QWidget* dialog, DialogBaseUnits base, int top = 0);
