#include "ui/QtMessageSink.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QStyle>

namespace {

QMessageBox::Icon BoxIcon(std::optional<MessageIcon> icon) {
    if (!icon) return QMessageBox::NoIcon;
    switch (*icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

// A box with a short text is narrower than its caption and the title bar's
// buttons need: an empty row as wide as they are keeps the caption whole.
void KeepCaptionReadable(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    const int titleBarButtons = 3 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) * 2 + titleBarButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void ShowMessageBox(QWidget* owner, const QString& caption, const QString& text,
                    std::optional<MessageIcon> icon) {
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, owner);
    KeepCaptionReadable(box);
    box.exec();
}

void QtMessageSink::ShowMessage(const QString& text, const QString& caption, MessageIcon icon) {
    ShowMessageBox(owner_, caption, text, icon);
}

bool AskYesNo(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Corvix"), text,
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::No);
    KeepCaptionReadable(box);
    return box.exec() == QMessageBox::Yes;
}
