#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>

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
