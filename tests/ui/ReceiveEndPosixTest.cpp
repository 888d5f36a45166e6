// How a receive ends, with C-Kermit sending at the far end of a linesim
// line: the window's list of what became of each file, and a one-shot run
// that ends the program by itself.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "CKermitScript.h"
#include "JobWindowTestSupport.h"
#include "PeerProcess.h"
#include "UiTestSupport.h"
#include "tools/linesim/LineSim.h"
#include "ui/AppJobWindowFactory.h"
#include "ui/CStemraDlg.h"
#include "ui/CTransferDlg.h"

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// C-Kermit on side B of a line, sending the files it is given from a folder
// of its own and then running `after`.
struct SendingPeer {
    bool Start(const QStringList& names, const std::vector<std::string>& after = {}) {
        if (!line.IsRunning() || !QDir().mkpath(peerDir)) return false;
        std::string msend = "msend";
        for (const QString& name : names) {
            const QByteArray bytes = QByteArray(2644, name.at(7).toLatin1());
            if (!WriteFile(peerDir + QLatin1Char('/') + name, bytes)) return false;
            msend += " " + name.toStdString();
        }
        std::vector<std::string> commands{msend};
        commands.insert(commands.end(), after.begin(), after.end());
        const std::string script =
            interop::CKermitScript(line.Path(linesim::LineSim::kSideB), commands);
        const QString scriptFile = root.filePath(QStringLiteral("peer.ksc"));
        if (!WriteFile(scriptFile, QByteArray::fromStdString(script))) return false;
        return peer.Start({"kermit", scriptFile.toStdString(), "-Y"}, peerDir.toStdString(),
                          root.filePath(QStringLiteral("peer.log")).toStdString());
    }
    QString Port() const { return QString::fromStdString(line.Path(linesim::LineSim::kSideA)); }
    QByteArray Sent(const QString& name) const { return FileBytes(peerDir + '/' + name); }

    linesim::LineSim line;
    QTemporaryDir root;
    QString peerDir = root.filePath(QStringLiteral("peer"));
    interop::PeerProcess peer;
};

QStringList Rows(CTransferDlg& window, bool toolTips) {
    QStringList rows;
    auto* list = window.findChild<QListWidget*>(QStringLiteral("fileList"));
    for (int i = 0; i < list->count(); ++i)
        rows << (toolTips ? list->item(i)->toolTip() : list->item(i)->text());
    return rows;
}

// Three files into a folder that has two of them: the first is received,
// the second is saved elsewhere by Save As, the third's question is
// cancelled. The list names each fate and the real path; the bar and its
// text tell the end, and the button reads Done.
TEST(ReceiveEnd, ABatchListsEachFilesFateAndRealPath) {
    REQUIRE_PEER("kermit");
    SendingPeer sender;
    QTemporaryDir rx;
    ASSERT_TRUE(QDir(rx.path()).mkdir(QStringLiteral("old")));
    ASSERT_TRUE(WriteFile(rx.filePath(QStringLiteral("PLOT0002.DAT")), "old two"));
    ASSERT_TRUE(WriteFile(rx.filePath(QStringLiteral("PLOT0003.DAT")), "old three"));
    ASSERT_TRUE(sender.Start({"PLOT0001.DAT", "PLOT0002.DAT", "PLOT0003.DAT"}))
        << sender.line.Error();

    AppCore app;
    PrepareApp(app);
    DialogRecorder dialogs;
    CTransferDlg window(app);
    window.dialogs = dialogs.Dialogs();
    QStringList asked;
    window.dialogs.askOverwrite = [&](QWidget*, const QString& text) {
        asked << text;
        return asked.size() == 1 ? JobReportSink::Overwrite::No : JobReportSink::Overwrite::Cancel;
    };
    window.dialogs.askSaveAs = [](QWidget*, const QString&) {
        return std::optional<QString>(QStringLiteral("old/PLOT0002.DAT"));
    };
    window.job.kind = JobKind::Receive;
    window.job.path = rx.path();
    window.job.portName = sender.Port();
    window.job.baud = 115200;
    window.show();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("cancelButton"));
    ASSERT_TRUE(EventuallyTrue([&] { return button->text() == QStringLiteral("Done"); }, 60000))
        << Rows(window, false).join(u'\n').toStdString();

    const QString two = QDir::toNativeSeparators(rx.filePath(QStringLiteral("old/PLOT0002.DAT")));
    const QString three = QDir::toNativeSeparators(rx.filePath(QStringLiteral("PLOT0003.DAT")));
    EXPECT_EQ(Rows(window, false),
              (QStringList{QStringLiteral("PLOT0001.DAT: 2644 bytes, received"),
                           QStringLiteral("PLOT0002.DAT: 2644 bytes, saved as ") + two,
                           QStringLiteral("PLOT0003.DAT: not received, cancelled; the file there "
                                          "is unchanged and no further file was sent")}));
    EXPECT_EQ(Rows(window, true).value(2).left(three.size()), three);
    EXPECT_EQ(FileBytes(rx.filePath(QStringLiteral("PLOT0001.DAT"))),
              sender.Sent(QStringLiteral("PLOT0001.DAT")));
    EXPECT_EQ(FileBytes(two), sender.Sent(QStringLiteral("PLOT0002.DAT")));
    EXPECT_EQ(FileBytes(rx.filePath(QStringLiteral("PLOT0002.DAT"))), "old two");
    EXPECT_EQ(FileBytes(three), "old three");
    EXPECT_EQ(window.statusLine, QStringLiteral("The receive has ended."));
    EXPECT_EQ(window.byteCountText, QStringLiteral("2 of 3 files received whole"));
    auto* bar = window.findChild<QProgressBar*>();
    EXPECT_EQ(bar->value() * 3, bar->maximum() * 2);
    button->click();
    EXPECT_FALSE(window.isVisible());
    sender.peer.Wait(20000);
}

// `Corvix PORT BAUD115200 DIR` with two files and then FINISH from the
// caliper: the run ends by itself when the job ends, without a click.
TEST(ReceiveEnd, AOneShotReceiveOfTwoFilesEndsTheProgramByItself) {
    REQUIRE_PEER("kermit");
    SendingPeer sender;
    QTemporaryDir rx;
    ASSERT_TRUE(sender.Start({"PLOT0001.DAT", "PLOT0002.DAT"}, {"finish"})) << sender.line.Error();
    NewMachine machine;
    AppCore& app = machine.app;
    DialogRecorder dialogs;
    bool leftWaiting = false;
    RunMainWindowWith(app, WithJobWindows(app, dialogs.Dialogs()), [&](CStemraDlg& window) {
        // Should the run wait for a click, close its windows so the test ends.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            leftWaiting = true;
            if (auto* transfer = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget()))
                transfer->reject();
        });
        watchdog.start(60000);
        window.exec();
    });
    EXPECT_FALSE(app.InitInstance({sender.Port(), QStringLiteral("BAUD115200"), rx.path()},
                                  machine.programFolder.path()));
    EXPECT_FALSE(leftWaiting);
    sender.peer.Wait(20000);
    for (const QString& name : {QStringLiteral("PLOT0001.DAT"), QStringLiteral("PLOT0002.DAT")})
        EXPECT_EQ(FileBytes(rx.filePath(name)), sender.Sent(name)) << name.toStdString();
}

}  // namespace
