#pragma once

#include "app/MessageSink.h"

#include <QString>

#include <optional>

class QMessageBox;
class QWidget;

// Widens a message box so that its caption is not cut off above a short
// text ("Buy a printer!").
void KeepCaptionReadable(QMessageBox& box);

// Shows `text` in a modal box with `caption`, the icon of `icon` (none
// without one) and the button OK, its caption kept readable.
void ShowMessageBox(QWidget* owner, const QString& caption, const QString& text,
                    std::optional<MessageIcon> icon);

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
