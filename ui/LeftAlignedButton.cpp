#include "ui/LeftAlignedButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

LeftAlignedButton::LeftAlignedButton(QWidget* parent) : QPushButton(parent) {}

int LeftAlignedButton::TextIndent() const {
    return fontMetrics().horizontalAdvance(QLatin1Char(' '));
}

int LeftAlignedButton::TextFitWidth() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, 1000, height());
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int frame = option.rect.width() - contents.width();
    const int textWidth = fontMetrics().horizontalAdvance(text().remove(QLatin1Char('&')));
    return frame + 2 * TextIndent() + textWidth;
}

void LeftAlignedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    textRect.adjust(TextIndent(), 0, -TextIndent(), 0);
    if (isDown() || isChecked()) {
        textRect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                         palette(), isEnabled(), text(), QPalette::ButtonText);
}
