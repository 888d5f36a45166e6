#include "ui/TextRoom.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

constexpr int kTitleIconRoom = 32;
constexpr int kCaptionButtonWidth = 46;

// Close, and minimize and maximize together when the window has either.
int CaptionButtons(const QWidget* window) {
    const Qt::WindowFlags flags = window->windowFlags();
    const bool sizes =
        flags.testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    return sizes ? 3 : 1;
}

int TitleAdvance(const QWidget* window) {
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    return metrics.horizontalAdvance(window->windowTitle());
}

// A button's text without its mnemonic marks ("&&" stays one "&").
QString ShownText(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

}  // namespace

int TitleTextRoom(const QWidget* window, int width) {
    return width - kTitleIconRoom - CaptionButtons(window) * kCaptionButtonWidth;
}

int TitleFitWidth(const QWidget* window) {
    return TitleAdvance(window) + kTitleIconRoom + CaptionButtons(window) * kCaptionButtonWidth;
}

int ButtonFitWidth(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.rect = QRect(0, 0, 1000, std::max(1, button->height()));
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics = button->fontMetrics();
    return option.rect.width() - contents.width() +
           metrics.horizontalAdvance(ShownText(button->text())) + metrics.averageCharWidth();
}

int LabelFitWidth(const QLabel* label) {
    const QMargins margins = label->contentsMargins();
    return label->fontMetrics().horizontalAdvance(label->text()) + margins.left() +
           margins.right() + 2 * label->margin() + 1;
}
