#pragma once

#include "app/MessageSink.h"

#include <QString>

class QMessageBox;
class QWidget;

// Widens a message box so that its caption is not cut off above a short
// text ("Buy a printer!").
void KeepCaptionReadable(QMessageBox& box);

// Asks `text` in a modal box with the caption "Corvix", the question icon
// and the buttons Yes and No, No being the default; true for Yes.
bool AskYesNo(QWidget* owner, const QString& text);

// Shows messages as modal message boxes owned by `owner` (none by default).
class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QWidget* owner = nullptr) : owner_(owner) {}
    void ShowMessage(const QString& text, const QString& caption, MessageIcon icon) override;

private:
    QWidget* owner_;
};
