// The window's ends as C-Kermit sees them: a Cancel during a send or a
// receive reaches it as an E packet, and a file refused for want of room as
// the answer to its attribute packet, so that it ends its side at once
// rather than after its retries. The window's own packet log, set in the
// settings, names every packet of each run.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <optional>
#include <set>

#include "CKermitScript.h"
#include "JobWindowTestSupport.h"
#include "PeerProcess.h"
#include "TestFiles.h"
#include "UiTestSupport.h"
#include "tools/linesim/LineSim.h"
#include "ui/AppJobWindowFactory.h"
#include "ui/CStemraDlg.h"
#include "ui/CTransferDlg.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using test_support::ReadWholeFile;

// Corvix's packet log: "direction type" of each line, and the lines that do
// not read as a packet (time, direction, type, sequence, length, data).
std::set<QString> CorvixPackets(const QString& path, QStringList* unreadable) {
    const QRegularExpression line(QStringLiteral(
        R"(^\d\d:\d\d:\d\d\.\d{3} (sent|received) +([A-Z]) seq +\d+ len +\d+( \(long\))? data ".*" check ".*"$)"));
    std::set<QString> packets;
    for (const QString& text : QString::fromStdString(ReadWholeFile(path.toStdString()))
                                   .split(u'\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch())
            packets.insert(match.captured(1) + u' ' + match.captured(2));
        else
            unreadable->append(text);
    }
    return packets;
}

TEST(WindowEndsToldToCKermit, CancelSendsAnEAndNoRoomAnswersTheAttributesAndCKermitEndsAtOnce) {
    REQUIRE_PEER("kermit");
    struct Case {
        const char* name;
        bool send;                 // the window sends; else it receives
        bool noRoom;               // C-Kermit offers a file larger than the disk's room; no Cancel
        std::set<QString> logged;  // in the window's packet log, among others
    };
    const Case cases[] = {
        {"Cancel during a send",
         true,
         false,
         {"sent S", "sent F", "sent D", "sent E", "received Y"}},
        {"Cancel during a receive",
         false,
         false,
         {"received S", "received F", "received D", "sent Y", "sent E"}},
        {"no room", false, true, {"received A", "received Z", "received B", "sent Y"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        linesim::Options paced;  // a file under way for many seconds
        paced.baud = 38400;
        linesim::LineSim line(paced);
        ASSERT_TRUE(line.IsRunning()) << line.Error();
        QTemporaryDir root;
        const fs::path top = root.path().toStdString();
        const fs::path peerDir = top / "peer", rx = top / "rx";
        fs::create_directories(peerDir);
        fs::create_directories(rx);
        const std::string bytes = test_support::RandomBytes(200 * 1024, 7);
        std::string offer = "send plot.dat";
        if (c.send) {
            test_support::WriteWholeFile(top / "plot.dat", bytes);
            offer = "receive";
        } else if (!c.noRoom) {
            test_support::WriteWholeFile(peerDir / "plot.dat", bytes);
        } else if (test_support::HugeSparseFile(peerDir / "huge.bin", rx)) {
            offer = "send huge.bin";
        } else {
            GTEST_SKIP() << "no sparse file larger than the disk";
        }
        const fs::path peerLog = top / "packets.log";
        test_support::WriteWholeFile(
            top / "peer.ksc", interop::CKermitScript(line.Path(linesim::LineSim::kSideB),
                                                     {"log packets " + peerLog.string(), offer}));
        interop::PeerProcess peer;
        ASSERT_TRUE(peer.Start({"kermit", (top / "peer.ksc").string(), "-Y"}, peerDir.string(),
                               (top / "peer.out").string()));
        const auto started = Clock::now();

        TestApp test;
        AppCore& app = test.app;
        app.settings.Comport = QString::fromStdString(line.Path(linesim::LineSim::kSideA));
        app.settings.Baud = 5;
        app.settings.PacketLog = 1;
        app.settings.PacketLogFile = root.filePath(QStringLiteral("corvix.log"));
        DialogRecorder dialogs;
        MainWindowServices services;
        services.chooseFile = [&](QWidget*, const FileChooserRequest&) {
            return QString::fromStdString((top / "plot.dat").string());
        };
        services.chooseFolder = [&](QWidget*, const QString&, QString* folder, int) {
            *folder = QString::fromStdString(rx.string());
            return 1;
        };
        services.jobWindows = AppJobWindowFactory(app, dialogs.Dialogs());
        CStemraDlg window(app, std::move(services));

        // Cancel once part of the file has arrived, or, refused, once
        // C-Kermit has ended by itself; then Done on a cancelled send.
        std::optional<Clock::time_point> cancelled, peerEnded;
        const fs::path arriving = c.send ? peerDir / "plot.dat" : rx / "plot.dat.part";
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (!peerEnded && peer.Poll()) peerEnded = Clock::now();
            auto* transfer = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
            if (transfer == nullptr) return;
            auto* button = transfer->findChild<QPushButton*>(QStringLiteral("cancelButton"));
            if (cancelled) return button->click();
            const bool now = c.noRoom
                                 ? peerEnded || Clock::now() - started > std::chrono::seconds(30)
                                 : test_support::FileSizeOrZero(arriving) >= 4096;
            if (!now) return;
            cancelled = Clock::now();
            button->click();
        });
        look.start(20);
        if (c.send)
            window.OnKermitSend();
        else
            window.OnKermitReceive();
        look.stop();

        ASSERT_TRUE(cancelled);
        if (c.noRoom) {
            const std::string said = ReadWholeFile(peerLog);
            // The answer to its A says no (its data "N1"): C-Kermit sends no
            // data, discards the file with Z "D", ends with B and exits.
            ASSERT_TRUE(peerEnded) << "C-Kermit still waits";
            EXPECT_LT(*peerEnded - started, std::chrono::seconds(10));
            EXPECT_EQ(interop::CKermitSentTypes(said), "SFAZB") << said;
            EXPECT_TRUE(fs::is_empty(rx));
            fs::remove(peerDir / "huge.bin");
        } else {
            EXPECT_NE(peer.Wait(10000), -1) << "C-Kermit still waits";
            EXPECT_LT(Clock::now() - *cancelled, std::chrono::seconds(10));
            const std::string said = ReadWholeFile(peerLog);
            EXPECT_TRUE(interop::CKermitLogHasError(said, "User cancelled"))
                << said.substr(said.size() - std::min<std::size_t>(said.size(), 1500));
        }
        QStringList unreadable;
        const std::set<QString> logged = CorvixPackets(app.settings.PacketLogFile, &unreadable);
        for (const QString& packet : c.logged)
            EXPECT_TRUE(logged.count(packet)) << packet.toStdString();
        EXPECT_TRUE(unreadable.isEmpty()) << unreadable.join(u'\n').toStdString();
        peer.Kill();
    }
}

}  // namespace
