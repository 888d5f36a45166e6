#include "ui/FittedText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

void ShowFittedText(QLabel* label, const QString& text, int rightReserve) {
    label->setContentsMargins(0, 0, rightReserve, 0);
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                               Qt::TextWordWrap | label->alignment(), text);
    if (wrapped.height() <= room.height() && wrapped.width() <= room.width()) {
        label->setWordWrap(true);
        label->setText(text);
        label->setToolTip(QString());
        return;
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideMiddle, room.width());
    label->setWordWrap(false);
    label->setText(lines.join(QLatin1Char('\n')));
    label->setToolTip(text);
}
