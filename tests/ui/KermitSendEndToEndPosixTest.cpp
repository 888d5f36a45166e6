#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "CKermitScript.h"
#include "JobWindowTestSupport.h"
#include "PeerProcess.h"
#include "UiTestSupport.h"
#include "app/Languages.h"
#include "tools/linesim/LineSim.h"
#include "ui/AppJobWindowFactory.h"
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

// A line with C-Kermit receiving at its far end, and a file to send to it.
struct ReceivingPeer {
    bool Start() {
        if (!line.IsRunning() || !QDir().mkpath(peerDir)) return false;
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) return false;
        out.close();
        const std::string script =
            interop::CKermitScript(line.Path(linesim::LineSim::kSideB), {"receive"});
        QFile scriptFile(root.filePath(QStringLiteral("peer.ksc")));
        if (!scriptFile.open(QIODevice::WriteOnly)) return false;
        scriptFile.write(script.c_str());
        scriptFile.close();
        return peer.Start({"kermit", scriptFile.fileName().toStdString(), "-Y"},
                          peerDir.toStdString(),
                          root.filePath(QStringLiteral("peer.log")).toStdString());
    }
    QByteArray Received() const { return FileBytes(peerDir + QStringLiteral("/PLOT7.DAT")); }

    linesim::LineSim line;
    QTemporaryDir root;
    QString peerDir = root.filePath(QStringLiteral("peer"));
    QString file = root.filePath(QStringLiteral("PLOT7.DAT"));
    QByteArray bytes = SampleFile();
    interop::PeerProcess peer;
};

// Sets `app` to speak the shipped language `code`, or English for "ENG".
void Speak(TestApp& test, const QString& code) {
    if (code == u"ENG") return;
    ASSERT_TRUE(test.AddLanguage(code));
    for (int index = 0; index < kLanguageCount; ++index)
        if (QString::fromLatin1(Languages()[size_t(index)].code) == code)
            test.app.settings.Language = index;
    ASSERT_EQ(test.app.LoadLanguage(), 1);
}

bool SaveShot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("CORVIX_SCREENSHOT_DIR");
    if (folder.isEmpty()) return true;
    QDir().mkpath(folder);
    return widget.grab().save(folder + QLatin1Char('/') + name);
}

// The main window's "Kermit send" through the transfer window to C-Kermit at
// the other end of a linesim line, in English and in German: the file
// arrives unchanged and the window stays with "Transmission finished!" over
// the file's name and size until Done. A send cancelled by the user says it
// was cancelled instead, and Done then closes it as cancelled. With
// CORVIX_SCREENSHOT_DIR set, each end is saved as a screenshot.
TEST(KermitSendEndToEnd, AFinishedAndACancelledSendEachSayHowTheyEnded) {
    REQUIRE_PEER("kermit");
    for (const QString& code : {QStringLiteral("ENG"), QStringLiteral("DEU")}) {
        const QString suffix = code == u"ENG" ? QString() : QLatin1Char('-') + code;
        TestApp test;
        Speak(test, code);
        AppCore& app = test.app;
        const QString finished = TextAt(app.TextTable, TextId::TransmissionFinished);
        const QString cancelled = TextAt(app.TextTable, TextId::SendCancelled);
        for (const bool cancel : {false, true}) {
            ReceivingPeer receiver;
            ASSERT_TRUE(receiver.Start()) << receiver.line.Error();
            if (cancel) receiver.peer.Kill();  // nobody answers: the user gives up
            const QString& file = receiver.file;
            app.settings.Comport =
                QString::fromStdString(receiver.line.Path(linesim::LineSim::kSideA));
            app.settings.Baud = 7;
            DialogRecorder dialogs;
            MainWindowServices services;
            services.chooseFile = [&](QWidget*, const FileChooserRequest&) { return file; };
            services.jobWindows = AppJobWindowFactory(app, dialogs.Dialogs());
            int transferResult = -1;
            auto runTransfer = services.jobWindows.runTransfer;
            services.jobWindows.runTransfer = [&](QWidget* owner, const TransferRequest& request) {
                transferResult = runTransfer(owner, request);
                return transferResult;
            };
            CStemraDlg window(app, std::move(services));

            // Cancel once it waits, read the end when it shows, then Done.
            QString endStatus;
            QString endShare;
            QTimer look;
            QElapsedTimer since;
            since.start();
            QObject::connect(&look, &QTimer::timeout, [&] {
                auto* transfer = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
                if (transfer == nullptr) return;
                auto* button = transfer->findChild<QPushButton*>(QStringLiteral("cancelButton"));
                if (cancel && since.elapsed() > 600 &&
                    button->text() != TextAt(app.TextTable, TextId::Done))
                    return button->click();
                if (button->text() != TextAt(app.TextTable, TextId::Done) &&
                    since.elapsed() < 60000)
                    return;
                endStatus = transfer->statusLine;
                endShare = transfer->byteCountText;
                EXPECT_TRUE(SaveShot(*transfer, QStringLiteral("transfer-send-%1%2.png")
                                                    .arg(cancel ? u"cancelled" : u"finished")
                                                    .arg(suffix)));
                button->click();
            });
            look.start(50);
            window.OnKermitSend();
            look.stop();

            const QString fileLine =
                TextAt(app.TextTable, TextId::SendSizeBytes).arg(receiver.bytes.size());
            const QStringList lines = endStatus.split(QLatin1Char('\n'));
            ASSERT_EQ(lines.size(), 2) << endStatus.toStdString();
            EXPECT_EQ(lines[0], cancel ? cancelled : finished);
            EXPECT_EQ(lines[1], QStringLiteral("PLOT7.DAT (%1)").arg(fileLine));
            EXPECT_EQ(transferResult, cancel ? QDialog::Rejected : QDialog::Accepted);
            EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.value(0).text.toStdString();
            if (!cancel) {
                EXPECT_TRUE(endShare.startsWith(QStringLiteral("100"))) << endShare.toStdString();
                EXPECT_EQ(receiver.peer.Wait(20000), 0);
                EXPECT_EQ(receiver.Received(), receiver.bytes);
                EXPECT_EQ(app.settings.LastFile, file);
            }
        }
    }
}

// Several files chosen at once go to C-Kermit in one batch, each arriving
// unchanged, and the window ends with "Transmission finished!" over the
// last of them.
TEST(KermitSendEndToEnd, SeveralFilesChosenAtOnceGoInOneBatch) {
    REQUIRE_PEER("kermit");
    ReceivingPeer receiver;
    ASSERT_TRUE(receiver.Start()) << receiver.line.Error();
    const QStringList names{QStringLiteral("STAND.M$X"), QStringLiteral("KALV.B$N")};
    QStringList more;
    for (const QString& name : names) {
        QFile file(receiver.root.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(receiver.bytes.left(1000 * (more.size() + 1)));
        more << file.fileName();
    }
    TestApp test;
    AppCore& app = test.app;
    app.settings.Comport = QString::fromStdString(receiver.line.Path(linesim::LineSim::kSideA));
    app.settings.Baud = 7;
    DialogRecorder dialogs;
    MainWindowServices services;
    services.chooseFile = [&](QWidget*, const FileChooserRequest& request) {
        EXPECT_NE(request.alsoChosen, nullptr);
        if (request.alsoChosen != nullptr) *request.alsoChosen = more;
        return receiver.file;
    };
    services.jobWindows = AppJobWindowFactory(app, dialogs.Dialogs());
    CStemraDlg window(app, std::move(services));
    QString endStatus;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* transfer = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
        if (transfer == nullptr) return;
        auto* button = transfer->findChild<QPushButton*>(QStringLiteral("cancelButton"));
        if (button->text() != TextAt(app.TextTable, TextId::Done)) return;
        endStatus = transfer->statusLine;
        button->click();
    });
    look.start(50);
    window.OnKermitSend();
    look.stop();

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.value(0).text.toStdString();
    EXPECT_EQ(receiver.peer.Wait(20000), 0);
    EXPECT_EQ(receiver.Received(), receiver.bytes);
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(FileBytes(receiver.peerDir + u'/' + names[i]),
                  receiver.bytes.left(1000 * (i + 1)));
    EXPECT_EQ(endStatus, TextAt(app.TextTable, TextId::TransmissionFinished) +
                             QStringLiteral("\nKALV.B$N (%1)")
                                 .arg(TextAt(app.TextTable, TextId::SendSizeBytes).arg(2000)));
}

// The screen as the user sees it: every shown window at its place.
QImage Screen() {
    QImage screen(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
    screen.fill(QColor(0x3A, 0x6E, 0xA5));
    QPainter painter(&screen);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) painter.drawPixmap(window->pos(), window->grab());
    }
    return screen;
}

// `Corvix <port device> <file>` sends the file with only the transfer window
// on the screen: the main window never shows, and the run ends when the
// transfer window has closed. With CORVIX_SCREENSHOT_DIR set, the screen
// during the send is saved as command-line-send.png.
TEST(KermitSendEndToEnd, ACommandLineSendShowsOnlyTheTransferWindow) {
    REQUIRE_PEER("kermit");
    ReceivingPeer receiver;
    ASSERT_TRUE(receiver.Start()) << receiver.line.Error();
    NewMachine machine;
    AppCore& app = machine.app;
    DialogRecorder dialogs;
    QStringList shownDuringSend;
    bool mainWindowShown = false;
    int mainWindowResult = -1;
    RunMainWindowWith(app, WithJobWindows(app, dialogs.Dialogs()), [&](CStemraDlg& window) {
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            mainWindowShown = mainWindowShown || window.isVisible();
            auto* transfer = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
            if (!transfer || !transfer->isVisible()) return;
            if (shownDuringSend.isEmpty()) {
                for (QWidget* shown : QApplication::topLevelWidgets())
                    if (shown->isVisible()) shownDuringSend << shown->metaObject()->className();
            }
            const QString folder = qEnvironmentVariable("CORVIX_SCREENSHOT_DIR");
            if (!folder.isEmpty()) Screen().save(folder + QStringLiteral("/command-line-send.png"));
        });
        look.start(20);
        mainWindowResult = window.exec();
    });
    const QString port = QString::fromStdString(receiver.line.DevicePath(linesim::LineSim::kSideA));
    EXPECT_FALSE(app.InitInstance({port, QStringLiteral("BAUD115200"), receiver.file},
                                  machine.programFolder.path()));

    EXPECT_EQ(shownDuringSend.join(u','), QStringLiteral("CTransferDlg"));
    EXPECT_FALSE(mainWindowShown);
    EXPECT_EQ(mainWindowResult, QDialog::Accepted);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.value(0).text.toStdString();
    EXPECT_EQ(receiver.peer.Wait(20000), 0);
    EXPECT_EQ(receiver.Received(), receiver.bytes);
}

}  // namespace
