#pragma once

#include <QDialog>

class QKeyEvent;

// The keyboard of every window of the program, the same in each:
// - Enter presses the push button that has the focus, otherwise the default
//   button; a window without a default button ends as with OK;
// - Esc is the window's Cancel (reject(); a window that may not be cancelled
//   at that moment refuses it there);
// - the first control in the tab order has the focus when the window opens.

// Makes every push button of `dialog` take Enter while it has the focus, and
// gives the focus to the first control when no control has it yet. Called
// just before the window is shown.
void PrepareDialogKeys(QDialog& dialog);

// Centres `dialog` on its screen when it has an owner that is hidden; a
// window already placed stays where it is.
void CentreWhenOwnerHidden(QDialog& dialog);

// The base of the program's own dialogs: it prepares the keys each time it
// is shown and lets Enter end a window that has no default button.
class KeyedDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
