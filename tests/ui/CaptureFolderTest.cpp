#include "JobWindowTestSupport.h"
#include "UiTestSupport.h"
#include "ui/CAsciiDlg.h"
#include "ui/CStemraDlg.h"
#include "worker/CComThread.h"

#include <gtest/gtest.h>
#include <QPrinter>

namespace {

// The capture choosers open in the folder the last capture went to, saved
// as a text file or printed to a PDF file, in this run and the next one: the
// folder lives in the settings.
TEST(CaptureFolder, TheCaptureChoosersOpenWhereTheLastCaptureWent) {
    QTemporaryDir files;
    const QString field = files.filePath(QStringLiteral("field"));
    const QString prints = files.filePath(QStringLiteral("prints"));
    ASSERT_TRUE(QDir().mkpath(field) && QDir().mkpath(prints));
    ServiceRecorder recorder;
    recorder.captureAnswer = {QDialog::Accepted, "Tall 24\r\n", false, 1};
    DialogRecorder dialogs;
    dialogs.printerAnswer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(prints + QStringLiteral("/trees.pdf"));
        return true;
    };
    // One start of the program; `during` is what the user does in its window.
    NewMachine machine;
    const auto run = [&](const std::function<void(AppCore&, CStemraDlg&)>& during) {
        AppCore app;
        app.messageSink = &machine.messages;
        app.portSource = [] { return QList<PortRecord>{}; };
        app.runMainWindow = [&](const CommandLineRequest&) {
            app.Comport = QStringLiteral("COM4");
            CStemraDlg window(app, recorder.Services());
            during(app, window);
        };
        app.InitInstance({}, machine.programFolder.path());
    };

    recorder.fileAnswer = field + QStringLiteral("/day1.txt");
    run([](AppCore&, CStemraDlg& window) { window.OnDataToPrinter(); });
    EXPECT_EQ(recorder.fileChoosers.last().startName, QStringLiteral("treelist.txt"));
    EXPECT_EQ(machine.settings.Open()->value("CaptureDir").toString(), field);

    recorder.fileAnswer = field + QStringLiteral("/day2.txt");
    run([&](AppCore& app, CStemraDlg& window) {
        window.OnReceiveAscii();
        CAsciiDlg viewer(app);
        viewer.dialogs = dialogs.Dialogs();
        viewer.makeWorker = [](const QStringList&) { return std::unique_ptr<CComThread>(); };
        viewer.OnInitDialog();
        viewer.OnCapturedText("Tall 24\r\n");
        viewer.OnPrint();
    });
    EXPECT_EQ(recorder.fileChoosers.last().startName, field + QStringLiteral("/treelist.txt"));
    EXPECT_EQ(dialogs.pdfFolders, QStringList{field});
    EXPECT_EQ(machine.settings.Open()->value("CaptureDir").toString(), prints);

    run([](AppCore&, CStemraDlg& window) { window.OnDataToPrinter(); });
    EXPECT_EQ(recorder.fileChoosers.last().startName, prints + QStringLiteral("/treelist.txt"));
}

}  // namespace
