#pragma once

#include "app/MessageSink.h"

class QWidget;

// Shows messages as modal message boxes owned by `owner` (none by default).
class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QWidget* owner = nullptr) : owner_(owner) {}
    void ShowMessage(const QString& text, const QString& caption, MessageIcon icon) override;

private:
    QWidget* owner_;
};
