// The transfer window loading a program into a caliper (C-Kermit on a 9600
// line) that stops answering in the middle of the file.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "JobWindowTestSupport.h"
#include "PausingReceiver.h"
#include "TestFiles.h"
#include "ui/CTransferDlg.h"

namespace {

using interop::PausingReceiver;
using Clock = PausingReceiver::Clock;
using namespace std::chrono_literals;

struct WindowRun {
    WindowRun(AppCore& app, const QString& file, const PausingReceiver& peer) : window(app) {
        window.dialogs = boxes.Dialogs();
        window.job.kind = JobKind::Send;
        window.job.path = file;
        window.job.portName = QString::fromStdString(peer.PortA());
        window.job.baudIndex = 3;
        window.fileSize = 12000;
    }
    void Look() {
        if (!endedAt && started && !window.isVisible()) endedAt = Clock::now();
    }
    QLabel* Hint() { return window.findChild<QLabel*>(QStringLiteral("hintLabel")); }

    DialogRecorder boxes;
    CTransferDlg window;
    bool started = false;
    std::optional<Clock::time_point> endedAt;
};

// A locked program load whose caliper is stopped for good closes by itself
// after the silence limit (60 s at least), well within 150 s, with a message
// that names the file; one paused for 20 s delivers the file whole. The
// first waits in vain at first: after 10 s the window shows the hint, which
// goes once the caliper answers.
TEST(SilentCaliperWindow, AStoppedCaliperEndsALockedLoadAndAPausedOneGetsTheFile) {
    REQUIRE_PEER("kermit");
    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("PROG.b$n"));
    const std::string bytes = test_support::RandomBytes(12000, 6);
    test_support::WriteWholeFile(file.toStdString(), bytes);
    PausingReceiver stopped(root.filePath("stopped").toStdString(), std::nullopt);
    PausingReceiver paused(root.filePath("paused").toStdString(), 20s);
    ASSERT_TRUE(paused.Start());
    AppCore app;
    PrepareApp(app);
    WindowRun silent(app, file, stopped), resumed(app, file, paused);
    const auto started = Clock::now();
    silent.window.show();
    resumed.window.show();
    silent.started = resumed.started = true;
    std::optional<Clock::time_point> hintAt;
    QString hint;
    bool lockedWhenStopped = false;
    while ((!silent.endedAt || !resumed.endedAt) && Clock::now() - started < 280s) {
        QTest::qWait(50);
        silent.Look();
        resumed.Look();
        if (!hintAt && silent.Hint()->isVisible()) {
            hintAt = Clock::now();
            hint = silent.Hint()->text();
            ASSERT_TRUE(stopped.Start());
        }
        if (!stopped.stoppedAt) stopped.Step();
        if (stopped.stoppedAt && !silent.endedAt)
            lockedWhenStopped = silent.window.cancelLocked && !silent.Hint()->isVisible();
        paused.Step();
    }
    ASSERT_TRUE(hintAt && stopped.stoppedAt && silent.endedAt);
    EXPECT_GE(*hintAt - started, 10s);
    EXPECT_NE(hint.indexOf(QStringLiteral("(9600)")), -1) << hint.toStdString();
    EXPECT_TRUE(lockedWhenStopped);
    // Corvix counts the silence from the peer's last answer, which came in
    // just before the stop was stamped here: hence a little short of 60 s on a loaded machine.
    EXPECT_GE(*silent.endedAt - *stopped.stoppedAt, 55s);
    EXPECT_LE(*silent.endedAt - *stopped.stoppedAt, 150s);
    ASSERT_EQ(silent.boxes.messages.size(), 1);
    const QString message = silent.boxes.messages[0].text;
    EXPECT_TRUE(message.startsWith(QStringLiteral("There was en error in the transmission!\n")));
    EXPECT_NE(
        message.indexOf(QStringLiteral("The caliper stopped answering while %1 was being sent")
                            .arg(QDir::toNativeSeparators(file))),
        -1)
        << message.toStdString();

    ASSERT_TRUE(resumed.endedAt && paused.resumed);
    EXPECT_EQ(resumed.window.result(), QDialog::Accepted);
    EXPECT_TRUE(resumed.boxes.messages.isEmpty());
    EXPECT_FALSE(resumed.Hint()->isVisible());
    EXPECT_TRUE(paused.Received("PROG.b$n") == bytes);
}

}  // namespace
