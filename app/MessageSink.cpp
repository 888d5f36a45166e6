#include "app/MessageSink.h"

#include <QDebug>

void LogMessageSink::ShowMessage(const QString& text, const QString& caption, MessageIcon icon) {
    const char* kind = icon == MessageIcon::Error ? "error" : "message";
    qWarning().noquote() << caption << "(" << kind << "):" << text;
}
