// The transfer window of a served session whose caliper is unplugged and
// plugged in again, with C-Kermit as the caliper on a linesim line whose end
// comes back under the same link.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CKermitScript.h"
#include "JobWindowTestSupport.h"
#include "PeerProcess.h"
#include "UiTestSupport.h"
#include "tools/linesim/LineSim.h"
#include "ui/CTransferDlg.h"

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// C-Kermit sends `name` from `dir` over side B and ends.
bool SendWithCKermit(interop::PeerProcess& peer, linesim::LineSim& line, const QTemporaryDir& root,
                     const QString& name) {
    const QString script = root.filePath(QStringLiteral("peer.ksc"));
    const std::string text =
        interop::CKermitScript(line.Path(linesim::LineSim::kSideB), {"send " + name.toStdString()});
    return WriteFile(script, QByteArray::fromStdString(text)) &&
           peer.Start({"kermit", script.toStdString(), "-Y"}, root.path().toStdString(),
                      root.filePath(QStringLiteral("peer.log")).toStdString()) &&
           peer.Wait(30000) == 0;
}

// A file, the adapter away (the window says it waits, with Cancel), the
// adapter back (the window waits for the caliper again), a second file:
// both arrive byte-exact. With CORVIX_SCREENSHOT_DIR set, the waiting state
// is drawn into transfer-waiting-for-caliper.png there.
TEST(PortReturnWindow, AServedSessionWaitsForTheCaliperAndGoesOnWhenItIsBack) {
    REQUIRE_PEER("kermit");
    QTemporaryDir root;
    QTemporaryDir rx;
    linesim::Options options;
    options.linkA = root.filePath(QStringLiteral("caliper")).toStdString();
    linesim::LineSim line(options);
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    ASSERT_TRUE(WriteFile(root.filePath(QStringLiteral("PLOT0001.DAT")), QByteArray(3000, 'a')));
    ASSERT_TRUE(WriteFile(root.filePath(QStringLiteral("PLOT0002.DAT")), QByteArray(5000, 'b')));

    AppCore app;
    PrepareApp(app);
    DialogRecorder dialogs;
    CTransferDlg window(app);
    window.dialogs = dialogs.Dialogs();
    window.job.kind = JobKind::Receive;
    window.job.path = rx.path();
    window.job.portName = QString::fromStdString(line.Path(linesim::LineSim::kSideA));
    window.job.baud = 115200;
    window.show();
    interop::PeerProcess peer;
    ASSERT_TRUE(SendWithCKermit(peer, line, root, QStringLiteral("PLOT0001.DAT")));
    ASSERT_TRUE(EventuallyTrue([&] { return QFile::exists(rx.filePath("PLOT0001.DAT")); }));

    line.CloseEnd(linesim::LineSim::kSideA);
    const QString waiting = TextAt(app.TextTable, TextId::WaitingForPort);
    ASSERT_TRUE(EventuallyTrue([&] { return window.statusLine == waiting; }));
    if (qEnvironmentVariableIsSet("CORVIX_SCREENSHOT_DIR")) {
        const QString folder = qEnvironmentVariable("CORVIX_SCREENSHOT_DIR");
        QDir().mkpath(folder);
        EXPECT_TRUE(
            window.grab().save(folder + QStringLiteral("/transfer-waiting-for-caliper.png")));
    }
    ASSERT_TRUE(line.ReplugEnd(linesim::LineSim::kSideA)) << line.Error();
    ASSERT_TRUE(EventuallyTrue([&] { return window.statusLine != waiting; }));
    ASSERT_TRUE(SendWithCKermit(peer, line, root, QStringLiteral("PLOT0002.DAT")));
    ASSERT_TRUE(EventuallyTrue([&] { return QFile::exists(rx.filePath("PLOT0002.DAT")); }));
    for (const char* name : {"PLOT0001.DAT", "PLOT0002.DAT"})
        EXPECT_EQ(FileBytes(rx.filePath(name)), FileBytes(root.filePath(name))) << name;
    EXPECT_TRUE(dialogs.messages.isEmpty());
    window.reject();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
