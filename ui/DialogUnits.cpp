#include "ui/DialogUnits.h"

#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QVariant>
#include <QWidget>

namespace {

// a * b / c rounded to the nearest whole number, for the small positive
// values of a template.
int ScaleRounded(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogBaseUnits base;
    base.x = (letters / 26 + 1) / 2;
    base.y = metrics.height();
    if (base.x < 1) base.x = 1;
    if (base.y < 1) base.y = 1;
    return base;
}

int DialogUnitsToPixelsX(int units, DialogBaseUnits base) {
    return ScaleRounded(units, base.x, 4);
}

int DialogUnitsToPixelsY(int units, DialogBaseUnits base) {
    return ScaleRounded(units, base.y, 8);
}

QRect DialogUnitsToPixels(const QRect& units, DialogBaseUnits base) {
    return QRect(DialogUnitsToPixelsX(units.x(), base), DialogUnitsToPixelsY(units.y(), base),
                 DialogUnitsToPixelsX(units.width(), base),
                 DialogUnitsToPixelsY(units.height(), base));
}

QSize DialogUnitsToPixels(const QSize& units, DialogBaseUnits base) {
    return QSize(DialogUnitsToPixelsX(units.width(), base),
                 DialogUnitsToPixelsY(units.height(), base));
}

QRect ControlDialogUnits(const QWidget* control) {
    return control->property("dialogUnits").toRect();
}

QSize TemplateDialogUnits(const QWidget* dialog) {
    return dialog->property("dialogUnits").toSize();
}

void PlaceControls(QWidget* dialog, DialogBaseUnits base, int top) {
    for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect units = ControlDialogUnits(control);
        if (units.isEmpty()) continue;
        QRect pixels = DialogUnitsToPixels(units, base).translated(0, top);
        if (qobject_cast<QComboBox*>(control)) pixels.setHeight(control->sizeHint().height());
        control->setGeometry(pixels);
    }
}
