#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QTest>

#include <functional>
#include <optional>

#include "app/AppCore.h"
#include "app/TextTable.h"
#include "ui/JobDialogs.h"

// Runs events until `condition` holds or `milliseconds` have passed.
inline bool EventuallyTrue(const std::function<bool()>& condition, int milliseconds = 5000) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(5);
    }
    return true;
}

// An application object with the English texts and the offered baud rates.
inline void PrepareApp(AppCore& app) {
    app.TextTable = EnglishTexts();
    app.BaudRateList = DefaultBaudRateList();
}

// Dialogs that never wait for a user: messages are recorded, the questions
// and choosers answer what the test put in.
struct DialogRecorder {
    struct Message {
        QString text;
        std::optional<MessageIcon> icon;
    };
    QList<Message> messages;
    std::optional<QFont> fontAnswer;
    std::function<bool(QPrinter&)> printerAnswer;
    int printDialogs = 0;

    JobDialogs Dialogs() {
        JobDialogs dialogs;
        dialogs.message = [this](QWidget*, const QString& text, std::optional<MessageIcon> icon) {
            messages.append({text, icon});
        };
        dialogs.askOverwrite = [](QWidget*, const QString&) { return JobWindow::Overwrite::Yes; };
        dialogs.askSaveAs = [](QWidget*, const QString&) { return std::optional<QString>(); };
        dialogs.choosePrinter = [this](QWidget*, QPrinter& printer) {
            ++printDialogs;
            return printerAnswer ? printerAnswer(printer) : false;
        };
        dialogs.chooseFont = [this](QWidget*, const QFont&) { return fontAnswer; };
        return dialogs;
    }
};

// A pseudo-terminal standing in for a serial line: the window's job opens
// `port`, the test talks on the other side. The test keeps its own hold on
// the port side, so the line stays up when the job closes it.
class TestLine {
public:
    TestLine() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        const char* name = ::ptsname(master_);
        if (name == nullptr) return;
        port = QString::fromLocal8Bit(name);
        hold_ = ::open(name, O_RDWR | O_NOCTTY);
        termios raw{};
        if (hold_ < 0 || ::tcgetattr(hold_, &raw) != 0) return;
        ::cfmakeraw(&raw);
        ::tcsetattr(hold_, TCSANOW, &raw);
    }
    ~TestLine() {
        if (hold_ >= 0) ::close(hold_);
        if (master_ >= 0) ::close(master_);
    }
    TestLine(const TestLine&) = delete;
    TestLine& operator=(const TestLine&) = delete;

    bool ok() const { return hold_ >= 0; }
    bool Write(const QByteArray& bytes) {
        return ::write(master_, bytes.constData(), bytes.size()) == bytes.size();
    }

    QString port;

private:
    int master_ = -1;
    int hold_ = -1;
};
