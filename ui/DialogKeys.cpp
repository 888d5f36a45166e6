#include "ui/DialogKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace {

// The first widget in the tab order of `dialog` that the keyboard can reach.
QWidget* FirstControl(QDialog& dialog) {
    for (QWidget* w = dialog.nextInFocusChain(); w != nullptr && w != &dialog;
         w = w->nextInFocusChain()) {
        if (w->window() != &dialog) continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(&dialog))
            return w;
    }
    return nullptr;
}

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool HasDefaultButton(const QDialog& dialog) {
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisibleTo(&dialog)) return true;
    }
    return false;
}

}  // namespace

// A push button that is not auto-default ignores Enter, which the dialog
// then gives to its default button: Enter on a focused Cancel would be OK.
void PrepareDialogKeys(QDialog& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->window() == &dialog) button->setAutoDefault(true);
    }
    // Without a focused control the dialog would give the focus to its
    // default button, Exit or OK, and the first Enter would press it.
    if (dialog.focusWidget() != nullptr) return;
    if (QWidget* first = FirstControl(dialog)) first->setFocus(Qt::TabFocusReason);
}

// A window centres on its owner; an owner that is not on screen (the main
// window during a command-line run) has nowhere to centre on, so the window
// centres on the screen instead of sitting in the corner where the hidden
// owner would be.
void CentreWhenOwnerHidden(QDialog& dialog) {
    const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    if (owner == nullptr || owner->isVisible() || dialog.testAttribute(Qt::WA_Moved)) return;
    const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame(QPoint(), dialog.frameGeometry().size().expandedTo(dialog.size()));
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
}

void KeyedDialog::setVisible(bool visible) {
    if (visible && !isVisible()) {
        PrepareDialogKeys(*this);
        CentreWhenOwnerHidden(*this);
    }
    QDialog::setVisible(visible);
}

void KeyedDialog::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(*event) && !HasDefaultButton(*this)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
