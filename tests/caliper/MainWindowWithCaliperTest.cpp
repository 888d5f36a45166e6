// The main window, pressed with QTest, against the virtual caliper over a
// linesim line: a program load, a Kermit receive whose file exists (the real
// overwrite question answered Yes), and a text capture printed to PDF and
// saved. With CORVIX_DEMO_SCREENSHOTS set to a folder, the windows are also
// drawn into PNG files there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>

#include "CaliperRig.h"
#include "app/AppCore.h"
#include "app/CommandIds.h"
#include "app/TextTable.h"
#include "tools/corvix-caliper/Printer.h"
#include "ui/AppJobWindowFactory.h"
#include "ui/CAsciiDlg.h"
#include "ui/CStemraDlg.h"
#include "ui/CTransferDlg.h"
#include "ui/MainWindowServices.h"

namespace {

using caliper_test::CaliperRig;
using caliper_test::ReadWholeFile;
using caliper_test::WriteWholeFile;
namespace fs = std::filesystem;

const fs::path kSamples = CORVIX_SAMPLES_DIR;

QString Q(const fs::path& path) {
    return QString::fromStdString(path.string());
}

void Screenshot(QWidget* widget, const char* name) {
    const QString folder = qEnvironmentVariable("CORVIX_DEMO_SCREENSHOTS");
    if (folder.isEmpty() || widget == nullptr) return;
    QDir().mkpath(folder);
    widget->grab().save(folder + "/" + name + ".png");
}

// Runs `tick` every 20 ms while a modal command runs, as a user's hand would.
class Hand {
public:
    explicit Hand(std::function<void()> tick) : tick_(std::move(tick)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick_(); });
        timer_.start(20);
    }

private:
    std::function<void()> tick_;
    QTimer timer_;
};

// Presses a button of the main window; returns when its command has ended.
// A command still running after `seconds` is cancelled, so the test ends.
bool Press(CStemraDlg& window, int id, int seconds = 60) {
    bool cancelled = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            cancelled = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        }
    });
    watchdog.start(seconds * 1000);
    QTest::mouseClick(window.Button(id), Qt::LeftButton);
    return !cancelled;
}

template <typename T>
T* ActiveModal() {
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

// The page count pdfinfo (poppler-utils) reads from the file; -1 without it.
int PdfPages(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(10000) || info.exitCode() != 0) return -1;
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto match = pages.match(QString::fromLocal8Bit(info.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

TEST(MainWindowWithCaliper, LoadReceiveOverwriteAndCapturePrinted) {
    CaliperRig rig("gui");
    ASSERT_TRUE(rig.ok());
    const fs::path in = rig.pc / "in";
    fs::create_directories(in);
    fs::create_directories(rig.pc / "program");
    // A measurement file (a ".TXT" would also open the text editor).
    WriteWholeFile(in / "stand14.512", "an older tree list\r\n");
    fs::copy_file(kSamples / "trees.txt", rig.store / "stand14.512");
    fs::copy_file(kSamples / "report.txt", rig.store / "report.txt");
    const QString pdf = Q(rig.pc / "printout.pdf");

    AppCore app;
    app.TextTable = EnglishTexts();
    app.BaudRateList = DefaultBaudRateList();
    app.ProgramFolder = Q(rig.pc / "program") + "/";
    app.settings.Comport = QString::fromStdString(rig.PortA());
    app.settings.Baud = 5;  // 38400: the caliper prints at that rate
    JobDialogs dialogs = JobDialogs::System();
    int printDialogs = 0;
    dialogs.choosePrinter = [&](QWidget*, QPrinter& printer, const QString&) {
        ++printDialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    QString chosenFile;
    MainWindowServices services;
    services.chooseFile = [&](QWidget*, const FileChooserRequest&) { return chosenFile; };
    services.chooseFolder = [&](QWidget*, const QString&, QString* output, int) {
        *output = Q(in);
        return 1;
    };
    services.jobWindows = AppJobWindowFactory(app, dialogs);
    CStemraDlg window(app, std::move(services));
    window.OnInitDialog();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Screenshot(&window, "demo-main-window");

    // Load program: the caliper receives prog.b$n; the window closes by itself.
    const QStringList caliperOptions = {"--baud", "38400", "--timeout", "1", "--patience", "30"};
    rig.StartCaliper("receive", caliperOptions);
    chosenFile = Q(kSamples / "prog.b$n");
    bool sawTransfer = false;
    {
        Hand hand([&] {
            auto* transfer = ActiveModal<CTransferDlg>();
            if (transfer == nullptr) return;
            if (!sawTransfer) {
                sawTransfer = true;
                Screenshot(transfer, "demo-load-program");
            }
            // A load that went through stays with its end until Done.
            auto* button = transfer->findChild<QPushButton*>(QStringLiteral("cancelButton"));
            if (button->text() == TextAt(app.TextTable, TextId::Done)) button->click();
        });
        EXPECT_TRUE(Press(window, CommandId::LoadProgramButton));
    }
    EXPECT_TRUE(sawTransfer);
    EXPECT_EQ(rig.FinishCaliper(), 0) << rig.caliperOutput;
    EXPECT_EQ(ReadWholeFile(rig.store / "prog.b$n"), ReadWholeFile(kSamples / "prog.b$n"));

    // Kermit receive: stand14.512 exists, the question is answered Yes, and
    // Cancel ends the receive once the file is in.
    rig.StartCaliper("send stand14.512", caliperOptions);
    int questions = 0;
    bool cancelPressed = false;
    {
        Hand hand([&] {
            if (auto* box = ActiveModal<QMessageBox>()) {
                if (box->button(QMessageBox::Yes) == nullptr) {
                    ADD_FAILURE() << "unexpected message: " << box->text().toStdString();
                    box->reject();
                    return;
                }
                ++questions;
                // The question keeps its text; the file follows on the next line.
                EXPECT_TRUE(box->text().startsWith("File exists, overwrite?\n/"));
                EXPECT_TRUE(box->text().endsWith("stand14.512")) << box->text().toStdString();
                Screenshot(box, "demo-overwrite-question");
                QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
                return;
            }
            auto* transfer = ActiveModal<CTransferDlg>();
            if (transfer == nullptr || cancelPressed || rig.CaliperRunning()) return;
            Screenshot(transfer, "demo-kermit-receive");
            cancelPressed = true;
            QTest::mouseClick(transfer->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        });
        EXPECT_TRUE(Press(window, CommandId::KermitReceiveButton));
    }
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(rig.FinishCaliper(), 0) << rig.caliperOutput;
    EXPECT_EQ(ReadWholeFile(in / "stand14.512"), ReadWholeFile(kSamples / "trees.txt"));
    EXPECT_EQ(app.settings.LastDir, QDir::toNativeSeparators(Q(in)) + QDir::separator());

    // Receive data (ASCII): the caliper prints two pages once the viewer
    // holds the line; Print goes to PDF, Done saves the capture.
    const std::string printed = caliper::PrintedText(ReadWholeFile(kSamples / "report.txt"));
    chosenFile = Q(rig.pc / "treelist.txt");
    enum { Opening, Printing, Finishing, Done } stage = Opening;
    QElapsedTimer held;
    {
        Hand hand([&] {
            auto* viewer = ActiveModal<CAsciiDlg>();
            if (viewer == nullptr) return;
            if (stage == Opening) {
                // The port settles and is emptied before the capture listens.
                if (!rig.LineHeldAtA()) return;
                if (!held.isValid()) held.start();
                if (held.elapsed() < 600) return;
                rig.StartCaliper("print report.txt", caliperOptions);
                stage = Printing;
            } else if (stage == Printing &&
                       viewer->captureText.size() >= static_cast<qsizetype>(printed.size())) {
                Screenshot(viewer, "demo-ascii-capture");
                QTest::mouseClick(viewer->findChild<QPushButton*>("printButton"), Qt::LeftButton);
                stage = Finishing;
            } else if (stage == Finishing) {
                QTest::mouseClick(viewer->findChild<QPushButton*>("doneButton"), Qt::LeftButton);
                stage = Done;
            }
        });
        EXPECT_TRUE(Press(window, CommandId::ReceiveAsciiButton));
    }
    EXPECT_EQ(stage, Done);
    EXPECT_EQ(rig.FinishCaliper(), 0) << rig.caliperOutput;
    EXPECT_EQ(ReadWholeFile(rig.pc / "treelist.txt"), printed);
    EXPECT_EQ(printDialogs, 1);
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.read(4) == "%PDF");
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        if (qEnvironmentVariableIsSet("CI")) FAIL() << "pdfinfo (poppler-utils) is missing";
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed: pages not counted";
    }
    EXPECT_EQ(PdfPages(pdf), 2) << "the form feed starts the second page";
}

}  // namespace
