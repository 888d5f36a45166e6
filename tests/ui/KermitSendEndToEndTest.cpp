#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "CKermitScript.h"
#include "JobWindowTestSupport.h"
#include "PeerProcess.h"
#include "tools/linesim/LineSim.h"
#include "ui/AppJobWindows.h"
#include "ui/CStemraDlg.h"
#include "ui/CTransferDlg.h"
#include "ui/MainWindowServices.h"

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every byte value and some runs, so that the transfer's coding is exercised.
QByteArray SampleFile() {
    QByteArray bytes;
    for (int round = 0; round < 12; ++round)
        for (int b = 0; b < 256; ++b)
            bytes.append(static_cast<char>((b * 7 + round) & 0xFF));
    bytes.append(QByteArray(500, '#'));
    bytes.append("Stand 12\r\nTall;24.5;\xC5sen\r\n");
    return bytes;
}

// The main window's "Kermit send" through the transfer window to C-Kermit at
// the other end of a linesim line: the file arrives unchanged and the
// transfer window closes by itself.
TEST(KermitSendEndToEnd, FileArrivesAndTheWindowClosesByItself) {
    if (!interop::HaveProgram("kermit")) {
        if (qEnvironmentVariableIsSet("CI")) FAIL() << "C-Kermit (kermit) is not installed";
        GTEST_SKIP() << "C-Kermit (kermit) is not installed";
    }
    linesim::LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    QTemporaryDir root;
    const QString peerDir = root.filePath(QStringLiteral("peer"));
    ASSERT_TRUE(QDir().mkpath(peerDir));
    const QString file = root.filePath(QStringLiteral("PLOT7.DAT"));
    const QByteArray bytes = SampleFile();
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    const std::string script =
        interop::CKermitScript(line.Path(linesim::LineSim::kSideB), {"receive"});
    const QString scriptPath = root.filePath(QStringLiteral("peer.ksc"));
    {
        QFile out(scriptPath);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(script.c_str());
    }
    interop::PeerProcess peer;
    ASSERT_TRUE(peer.Start({"kermit", scriptPath.toStdString(), "-Y"}, peerDir.toStdString(),
                           root.filePath(QStringLiteral("peer.log")).toStdString()));

    AppCore app;
    PrepareApp(app);
    app.Comport = QString::fromStdString(line.Path(linesim::LineSim::kSideA));
    app.Baud = 7;
    DialogRecorder dialogs;
    MainWindowServices services;
    services.chooseFile = [&](QWidget*, const FileChooserRequest&) { return file; };
    services.jobWindows = AppJobWindows(app, dialogs.Dialogs());
    int transferResult = -1;
    auto runTransfer = services.jobWindows.runTransfer;
    services.jobWindows.runTransfer = [&](QWidget* owner, const TransferRequest& request) {
        transferResult = runTransfer(owner, request);
        return transferResult;
    };
    CStemraDlg window(app, std::move(services));

    // Should the transfer hang, cancel it as a user would, so the test ends.
    bool cancelledByWatchdog = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (auto* transfer = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget())) {
            cancelledByWatchdog = true;
            transfer->reject();
        }
    });
    watchdog.start(60000);
    window.OnKermitSend();
    watchdog.stop();

    EXPECT_FALSE(cancelledByWatchdog);
    EXPECT_EQ(transferResult, QDialog::Accepted);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.value(0).text.toStdString();
    EXPECT_EQ(peer.Wait(20000), 0);
    EXPECT_EQ(FileBytes(peerDir + QStringLiteral("/PLOT7.DAT")), bytes);
    EXPECT_EQ(app.LastFile, file);
}

}  // namespace
