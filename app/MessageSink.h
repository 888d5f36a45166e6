#pragma once

#include <QString>

enum class MessageIcon { Error, Warning, Information, Question };

// Where the application layer's messages go. The user interface shows them
// as message boxes; tests record them; without either they are logged.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const QString& text, const QString& caption, MessageIcon icon) = 0;
};

// Writes messages to the Qt log, for runs without a user interface.
class LogMessageSink : public MessageSink {
public:
    void ShowMessage(const QString& text, const QString& caption, MessageIcon icon) override;
};
