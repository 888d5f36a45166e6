// A program load to C-Kermit on a paced 9600 line that is stopped mid-file,
// for good or for 20 s, through corvix-cli and through the transfer window.
#include <signal.h>

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "CKermitScript.h"
#include "JobWindowTestSupport.h"
#include "PeerProcess.h"
#include "TestFiles.h"
#include "tools/linesim/LineSim.h"
#include "ui/CTransferDlg.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// C-Kermit receiving at end B of a 9600 line, stopped (SIGSTOP) once 4000
// bytes have come its way: for good, or for 20 s, as a caliper writing its memory.
struct Caliper {
    bool Start() {
        const std::string script = dir.filePath("peer.ksc").toStdString();
        test_support::WriteWholeFile(script, interop::CKermitScript(line.Path(1), {"receive"}));
        return line.IsRunning() &&
               peer.Start({"kermit", script, "-Y"}, dir.path().toStdString(), script + ".log");
    }
    void Step() {
        if (!stoppedAt && line.GetCounters().relayed[0] >= 4000 && peer.Signal(SIGSTOP))
            stoppedAt = Clock::now();
        if (pauses && stoppedAt && !resumed && Clock::now() - *stoppedAt >= 20s)
            resumed = peer.Signal(SIGCONT);
    }
    QString Port() const { return QString::fromStdString(line.Path(0)); }

    bool pauses = false;
    QTemporaryDir dir;
    linesim::LineSim line{[] {
        linesim::Options paced;
        paced.baud = 9600;
        return paced;
    }()};
    interop::PeerProcess peer;
    std::optional<Clock::time_point> stoppedAt;
    bool resumed = false;
};

// A send that went through stays with its end until Done.
void PressDoneAtTheEnd(CTransferDlg& window, const AppCore& app) {
    auto* button = window.findChild<QPushButton*>(QStringLiteral("cancelButton"));
    if (window.isVisible() && button->text() == TextAt(app.TextTable, TextId::Done))
        button->click();
}

// A caliper stopped for good ends a load after its silence limit (60 s at least, within 150 s)
// with a message naming the file; one paused for 20 s gets it whole. Each caliper starts after
// the first wait's hint, 10 s on, which corvix-cli prints once.
TEST(SilentCaliper, AStoppedCaliperEndsALoadAndAPausedOneGetsTheFileInCliAndWindow) {
    REQUIRE_PEER("kermit");
    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("PROG.b$n"));
    const std::string bytes = test_support::RandomBytes(12000, 5);
    test_support::WriteWholeFile(file.toStdString(), bytes);
    Caliper calipers[4];  // corvix-cli's stopped and paused caliper, then the window's
    calipers[1].pauses = calipers[3].pauses = true;
    QProcess cli[2];
    AppCore app;
    PrepareApp(app);
    DialogRecorder boxes[2];
    CTransferDlg window[2] = {CTransferDlg(app), CTransferDlg(app)};
    for (int i : {0, 1}) {
        cli[i].start(QStringLiteral(CORVIX_CLI_PATH),
                     {"send", "--port", calipers[i].Port(), "--baud", "9600", file});
        window[i].dialogs = boxes[i].Dialogs();
        window[i].job.kind = JobKind::Send;
        window[i].job.path = file;
        window[i].job.portName = calipers[2 + i].Port();
        window[i].show();
    }
    const auto started = Clock::now();
    const std::string cliHint = "corvix-cli: No answer from the caliper yet.";
    std::optional<Clock::time_point> ended[4], hintAt[4];
    std::string err[2];
    while (std::count(ended, ended + 4, std::nullopt) > 0 && Clock::now() - started < 280s) {
        QTest::qWait(50);
        for (int i = 0; i < 4; ++i) {
            if (i < 2) err[i] += cli[i].readAllStandardError().toStdString();
            const bool hinted = i < 2 ? err[i].find(cliHint) != std::string::npos
                                      : window[i - 2].findChild<QLabel*>("hintLabel")->isVisible();
            if (!hintAt[i] && hinted) {
                hintAt[i] = Clock::now();
                ASSERT_TRUE(calipers[i].Start());
            }
            if (i >= 2) PressDoneAtTheEnd(window[i - 2], app);
            const bool running =
                i < 2 ? cli[i].state() != QProcess::NotRunning : window[i - 2].isVisible();
            if (!ended[i] && !running) ended[i] = Clock::now();
            calipers[i].Step();
        }
    }
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(hintAt[i] && calipers[i].stoppedAt && ended[i]) << (i < 2 ? err[i] : "");
        EXPECT_GE(*hintAt[i] - started, 10s);
        if (calipers[i].pauses) {
            EXPECT_TRUE(test_support::ReadWholeFile(
                            calipers[i].dir.filePath("PROG.b$n").toStdString()) == bytes);
            continue;
        }
        // The silence counts from the peer's last answer, a moment before the stop was stamped.
        EXPECT_GE(*ended[i] - *calipers[i].stoppedAt, 55s);
        EXPECT_LE(*ended[i] - *calipers[i].stoppedAt, 150s);
    }
    const std::string path = file.toStdString();
    const std::string named = "The caliper stopped answering while " + path + " was being sent";
    EXPECT_NE(err[0].find(named), std::string::npos) << err[0];
    for (int i : {0, 1}) {
        EXPECT_EQ(cli[i].exitCode(), i == 0 ? 1 : 0);
        EXPECT_EQ(err[i].find(cliHint, err[i].find(cliHint) + 1), std::string::npos);
    }
    ASSERT_EQ(boxes[0].messages.size(), 1);
    const std::string message = boxes[0].messages[0].text.toStdString();
    EXPECT_EQ(message.find("There was en error in the transmission!\n" + path + "\n" + named), 0)
        << message;
    EXPECT_EQ(window[1].result(), QDialog::Accepted);
    EXPECT_TRUE(boxes[1].messages.isEmpty());
}

}  // namespace
