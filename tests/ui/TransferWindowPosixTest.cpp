#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "JobWindowTestSupport.h"
#include "TestFiles.h"
#include "TestLinePosix.h"
#include "ui/CTransferDlg.h"
#include "worker/CComThread.h"

namespace {

// Counts the show and hide events of a widget.
class VisibilityCounter : public QObject {
public:
    explicit VisibilityCounter(QWidget* widget) { widget->installEventFilter(this); }
    int changes = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) ++changes;
        return false;
    }
};

class TransferWindowTest : public ::testing::Test {
protected:
    TransferWindowTest() { PrepareApp(app); }

    // A window whose job runs on no line at all: the test plays the worker.
    std::unique_ptr<CTransferDlg> Window(JobKind kind, const QString& path, quint32 size = 0) {
        auto window = std::make_unique<CTransferDlg>(app);
        window->dialogs = dialogs.Dialogs();
        window->makeWorker = [](const QStringList&) { return std::unique_ptr<CComThread>(); };
        window->job.kind = kind;
        window->job.path = path;
        window->fileSize = size;
        window->job.baud = 9600;
        window->job.portName = QStringLiteral("COM3");
        return window;
    }

    QLabel* Status(CTransferDlg& w) { return w.findChild<QLabel*>(QStringLiteral("statusLabel")); }
    QLabel* Count(CTransferDlg& w) {
        return w.findChild<QLabel*>(QStringLiteral("byteCountLabel"));
    }
    QProgressBar* Bar(CTransferDlg& w) { return w.findChild<QProgressBar*>(); }
    QPushButton* Button(CTransferDlg& w) { return w.findChild<QPushButton*>(); }
    QWidget* Dot(CTransferDlg& w, const char* name) {
        return w.findChild<QWidget*>(QString::fromLatin1(name));
    }

    AppCore app;
    DialogRecorder dialogs;
};

TEST_F(TransferWindowTest, SendingWaitsThenSendsAndMovesTheBar) {
    auto window = Window(JobKind::Send, QStringLiteral("/home/user/stands/plot7.dat"), 3000);
    window->OnInitDialog();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kermit send"));
    EXPECT_EQ(Status(*window)->text(),
              QStringLiteral("Waiting on caliper... (COM3: 9600)\nplot7.dat (3000 Bytes)"));
    EXPECT_EQ(window->statusLine, Status(*window)->text());
    EXPECT_EQ(Button(*window)->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(Bar(*window)->minimum(), 0);
    EXPECT_EQ(Bar(*window)->maximum(), 3000);
    EXPECT_EQ(Bar(*window)->value(), 0);

    window->Report(report::SendProgress{0});
    EXPECT_EQ(Status(*window)->text(),
              QStringLiteral("Sending (COM3: 9600)\nplot7.dat (3000 Bytes)"));
    window->Report(report::SendProgress{1500});
    EXPECT_EQ(Bar(*window)->value(), 1500);
    window->Report(report::SendProgress{2940});
    EXPECT_EQ(Bar(*window)->value(), 2940);
    EXPECT_TRUE(Button(*window)->isEnabled());
    EXPECT_FALSE(window->cancelLocked);
}

// A size that could not be read is shown signed; the rate the list does not
// offer shows its number.
TEST_F(TransferWindowTest, UnreadableSizeShowsMinusOneAndRate8ItsNumber) {
    auto window = Window(JobKind::Send, QStringLiteral("/gone/plot7.dat"), 0xFFFFFFFFu);
    window->job.baud = 230400;
    window->OnInitDialog();
    EXPECT_EQ(Status(*window)->text(),
              QStringLiteral("Waiting on caliper... (COM3: 230400)\nplot7.dat (-1 Bytes)"));
}

TEST_F(TransferWindowTest, ProgramFileLocksCancelOnceItFlows) {
    auto waiting = Window(JobKind::Send, QStringLiteral("C:\\caliper\\MAIN.b$n"), 500);
    waiting->show();
    EXPECT_TRUE(waiting->isProgramFile);
    QTest::keyClick(waiting.get(), Qt::Key_Escape);
    EXPECT_EQ(waiting->statusLine, QStringLiteral("The send was cancelled.\nMAIN.b$n (500 Bytes)"))
        << "cancelled while waiting on the caliper";
    EXPECT_EQ(Button(*waiting)->text(), QStringLiteral("Done"));
    QTest::keyClick(waiting.get(), Qt::Key_Escape);
    EXPECT_FALSE(waiting->isVisible());
    EXPECT_EQ(waiting->result(), QDialog::Rejected);

    auto flowing = Window(JobKind::Send, QStringLiteral("C:\\caliper\\MAIN.b$n"), 500);
    flowing->show();
    flowing->Report(report::SendProgress{0});
    EXPECT_EQ(Status(*flowing)->text(),
              QStringLiteral("Sending (COM3: 9600)\nMAIN.b$n (500 Bytes)"));
    EXPECT_TRUE(flowing->cancelLocked);
    EXPECT_FALSE(Button(*flowing)->isEnabled());
    QTest::keyClick(flowing.get(), Qt::Key_Escape);
    flowing->close();
    flowing->OnOK();
    EXPECT_TRUE(flowing->isVisible()) << "Esc, the close box and button 1 are ignored";
    flowing->Report(report::JobOver{});
    EXPECT_FALSE(flowing->isVisible());
    EXPECT_EQ(flowing->result(), QDialog::Accepted);
}

TEST_F(TransferWindowTest, ControlProgramIsNeverLocked) {
    auto window = Window(JobKind::Send, QStringLiteral("/caliper/SETUP.m$x"), 800);
    window->show();
    window->Report(report::SendProgress{0});
    window->Report(report::SendProgress{400});
    EXPECT_FALSE(window->isProgramFile);
    EXPECT_TRUE(Button(*window)->isEnabled());
    EXPECT_EQ(Count(*window)->text(), QStringLiteral("50% of 800 bytes"));
    QTest::mouseClick(Button(*window), Qt::LeftButton);
    EXPECT_TRUE(window->statusLine.startsWith(QStringLiteral("The send was cancelled.")));
    EXPECT_EQ(Count(*window)->text(), QStringLiteral("50% of 800 bytes"));
    QTest::mouseClick(Button(*window), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(TransferWindowTest, ReceivingSeveralFilesShowsEachNameAndItsCount) {
    QTemporaryDir folder;
    auto window = Window(JobKind::Receive, folder.path());
    window->show();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kermit receive"));
    EXPECT_EQ(Status(*window)->text(), QStringLiteral("Waiting on caliper... (COM3: 9600)"));
    EXPECT_TRUE(Bar(*window)->isVisible());

    window->Report(report::ReceiveFileOpened{"STAND1.DAT"});
    EXPECT_EQ(Status(*window)->text(), QStringLiteral("Receiving\nSTAND1.DAT (COM3: 9600)"));
    EXPECT_FALSE(Bar(*window)->isVisible());
    EXPECT_TRUE(Count(*window)->isVisible());
    EXPECT_EQ(Count(*window)->text(), QStringLiteral("0 bytes"));
    window->Report(report::ReceiveProgress{1536});
    EXPECT_EQ(Count(*window)->text(), QStringLiteral("1536 bytes"));
    EXPECT_EQ(window->byteCountText, QStringLiteral("1536 bytes"));
    window->Report(report::TransactionDone{folder.path(), "STAND1.DAT"});
    EXPECT_EQ(app.settings.LastFile, folder.path() + QStringLiteral("/STAND1.DAT"));
    EXPECT_EQ(app.settings.LastDir, folder.path() + QStringLiteral("/"));

    window->Report(
        report::ReceiveFileOpened{"TR\xC5"
                                  "D.TXT"});
    EXPECT_EQ(Status(*window)->text(), QStringLiteral("Receiving\nTR\u00C5D.TXT (COM3: 9600)"));
    EXPECT_EQ(Count(*window)->text(), QStringLiteral("0 bytes"));
    window->Report(report::ReceiveProgress{1});
    EXPECT_EQ(Status(*window)->text(), QStringLiteral("Receiving\nTR\u00C5D.TXT (COM3: 9600)"))
        << "a count of one byte keeps the file's name";
    EXPECT_EQ(Count(*window)->text(), QStringLiteral("1 bytes"));
    window->Report(report::TransactionDone{folder.path(),
                                           "TR\xC5"
                                           "D.TXT"});
    EXPECT_EQ(app.settings.LastFile, folder.path() + QStringLiteral("/TR\u00C5D.TXT"));
}

// Once a file is in, the window says so and that it waits for the next; a
// logout or an answered request (no file of its own) leaves the status be.
// A status too long for its place is shortened, never run under the dot.
TEST_F(TransferWindowTest, AFileInShowsWaitingForTheNextAndLongStatusesStayInSight) {
    QTemporaryDir folder;
    auto window = Window(JobKind::Receive, folder.path());
    window->show();
    window->Report(report::ReceiveFileOpened{"STAND1.DAT"});
    window->Report(report::ReceiveProgress{2193});
    window->Report(report::TransactionDone{folder.path(), "STAND1.DAT"});
    const QString fileIn = QStringLiteral("Waiting on caliper... (COM3: 9600)\n\u2713 STAND1.DAT");
    EXPECT_EQ(window->statusLine, fileIn);
    EXPECT_EQ(Status(*window)->text(), fileIn);
    EXPECT_EQ(Count(*window)->text(), QStringLiteral("2193 bytes"));
    EXPECT_TRUE(Button(*window)->isEnabled()) << "the job still ends only by Cancel";
    window->Report(report::TransactionDone{folder.path(), "LOGOUT"});
    EXPECT_EQ(window->statusLine, fileIn);

    app.TextTable[int(TextId::Receiving)] =
        QStringLiteral("R\u00e9ception en cours depuis le calibreur forestier");
    QLabel* status = Status(*window);
    const QRect room = status->contentsRect();
    EXPECT_LT(status->x() + room.right(), Dot(*window, "ctsOffDot")->x()) << "the dot stays clear";
    // Wrapped where that fits, shortened line by line where it does not.
    window->Report(report::ReceiveFileOpened{"INVENTAIRE_NORD.DAT"});
    EXPECT_TRUE(status->wordWrap());
    const QRect wrapped = status->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000),
                                                             Qt::TextWordWrap, status->text());
    EXPECT_LE(wrapped.width(), room.width());
    EXPECT_LE(wrapped.height(), room.height());
    window->Report(report::ReceiveFileOpened{QByteArray(150, 'N') + ".DAT"});
    EXPECT_FALSE(status->wordWrap());
    EXPECT_EQ(status->toolTip(), window->statusLine);
    for (const QString& line : status->text().split(QLatin1Char('\n')))
        EXPECT_LE(status->fontMetrics().horizontalAdvance(line), room.width())
            << line.toStdString();
}

// A command-line run never shows the main window: the transfer window then
// centres on the screen, not on where the hidden owner would be.
TEST_F(TransferWindowTest, WithItsOwnerHiddenTheWindowCentresOnTheScreen) {
    QWidget owner;
    owner.resize(600, 400);
    CTransferDlg window(app, &owner);
    window.dialogs = dialogs.Dialogs();
    window.makeWorker = [](const QStringList&) { return std::unique_ptr<CComThread>(); };
    window.job.portName = QStringLiteral("COM3");
    window.show();
    const QPoint screenCentre = owner.screen()->availableGeometry().center();
    EXPECT_LE((window.frameGeometry().center() - screenCentre).manhattanLength(), 4)
        << window.frameGeometry().x() << "," << window.frameGeometry().y();
    window.reject();
}

TEST_F(TransferWindowTest, LineStatusDotChangesOnlyWhenTheStateDoes) {
    auto window = Window(JobKind::Receive, QDir::tempPath());
    window->show();
    QWidget* red = Dot(*window, "ctsOnDot");
    QWidget* black = Dot(*window, "ctsOffDot");
    EXPECT_FALSE(red->isVisible());
    EXPECT_TRUE(black->isVisible());
    VisibilityCounter redChanges(red), blackChanges(black);

    window->Report(report::CtsChanged{false});
    EXPECT_EQ(redChanges.changes + blackChanges.changes, 0);
    window->Report(report::CtsChanged{true});
    EXPECT_TRUE(red->isVisible());
    EXPECT_FALSE(black->isVisible());
    EXPECT_EQ(window->ctsShown, 1);
    const int afterOn = redChanges.changes + blackChanges.changes;
    window->Report(report::CtsChanged{true});
    EXPECT_EQ(redChanges.changes + blackChanges.changes, afterOn);
    window->Report(report::CtsChanged{false});
    EXPECT_FALSE(red->isVisible());
    EXPECT_TRUE(black->isVisible());
}

// With a real worker on a line where nobody answers: Cancel stops the
// receive job, the thread has ended when the window closes, and the job's
// own end that follows does not turn the result into Accepted.
TEST_F(TransferWindowTest, CancelDuringAJobEndsTheWorker) {
    TestLine line;
    ASSERT_TRUE(line.ok());
    QTemporaryDir folder;
    auto window = Window(JobKind::Receive, folder.path());
    window->makeWorker = SystemWorkers();
    window->job.portName = line.port;
    window->job.baud = 115200;
    window->show();
    ASSERT_NE(window->worker, nullptr);
    ASSERT_TRUE(EventuallyTrue([&] { return window->worker->link.load() != nullptr; }));
    QTest::qWait(400);  // the job is waiting for the caliper now
    QTest::mouseClick(Button(*window), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_TRUE(window->worker->isFinished());
    EXPECT_EQ(window->worker->outcome(), JobOutcome::Stopped);
    QTest::qWait(100);
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// A port that cannot be opened: the worker's message box, then the window
// closes by itself with Accepted once the worker has ended.
TEST_F(TransferWindowTest, JobEndClosesTheWindowAfterTheWorker) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("plot.dat"));
    auto window = Window(JobKind::Send, file, 10);
    window->makeWorker = SystemWorkers();
    window->job.portName = folder.filePath(QStringLiteral("no-such-port"));
    window->show();
    ASSERT_TRUE(EventuallyTrue([&] { return !window->isVisible(); }));
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(window->worker->isFinished());
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().text.startsWith(QStringLiteral("Could not open file!\n")));
}

// The window's message on a port that cannot be opened names the port and
// says why: not there, held by another program, not the user's to open.
TEST_F(TransferWindowTest, APortThatCannotBeOpenedSaysWhichAndWhy) {
    QTemporaryDir folder;
    const auto expectMessage = [&](const QString& port, const QString& reason) {
        auto window = Window(JobKind::Receive, folder.path());
        window->makeWorker = SystemWorkers();
        window->job.portName = port;
        dialogs.messages.clear();
        window->show();
        EXPECT_TRUE(EventuallyTrue([&] { return !window->isVisible(); }));
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages.last().text, "ERROR: Comport!\n" + port + '\n' + reason);
    };
    expectMessage("/dev/corvix-no-such-port", TextAt(app.TextTable, TextId::PortNotPresent));

    // The program that started the test holds the port by its lock file.
    TestLine line;
    ASSERT_TRUE(line.ok());
    const QString lock = "/run/lock/LCK.." + line.port.mid(5).replace('/', '_');
    test_support::WriteWholeFile(lock.toStdString(),
                                 QStringLiteral("%1\n").arg(::getppid(), 10).toStdString());
    expectMessage(line.port,
                  TextAt(app.TextTable, TextId::PortInUseByProcess).arg(::getppid()).arg(lock));
    ::unlink(lock.toLocal8Bit().constData());

    if (::geteuid() != 0) GTEST_SKIP() << "working as another user needs the administrator";
    const group* dialout = ::getgrnam("dialout");
    ASSERT_NE(dialout, nullptr);
    // The group is named only when joining it would give access; a device
    // only its owner may use asks for whoever manages the machine.
    const struct {
        gid_t group;
        mode_t mode;
        QString reason;
    } denials[] = {
        {dialout->gr_gid, 0660,
         TextAt(app.TextTable, TextId::PortNoPermissionGroup).arg("dialout")},
        {0, 0600, TextAt(app.TextTable, TextId::PortNoPermissionAskAdmin)},
        {dialout->gr_gid, 0640, TextAt(app.TextTable, TextId::PortNoPermissionAskAdmin)},
    };
    for (const auto& denial : denials) {
        ASSERT_EQ(::chown(line.port.toLocal8Bit().constData(), 0, denial.group), 0);
        ASSERT_EQ(::chmod(line.port.toLocal8Bit().constData(), denial.mode), 0);
        ASSERT_EQ(::setegid(65534), 0);
        ASSERT_EQ(::seteuid(65534), 0);
        expectMessage(line.port, denial.reason);
        ASSERT_EQ(::seteuid(0), 0);
        ASSERT_EQ(::setegid(0), 0);
    }
}

}  // namespace
