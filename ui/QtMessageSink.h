#pragma once

#include "app/MessageSink.h"

class QMessageBox;
class QWidget;

// Widens a message box so that its caption is not cut off above a short
// text ("Buy a printer!").
void KeepCaptionReadable(QMessageBox& box);

// Shows messages as modal message boxes owned by `owner` (none by default).
class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QWidget* owner = nullptr) : owner_(owner) {}
    void ShowMessage(const QString& text, const QString& caption, MessageIcon icon) override;

private:
    QWidget* owner_;
};
