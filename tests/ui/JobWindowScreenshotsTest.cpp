// Draws the transfer window (waiting, sending, receiving) and the ASCII
// viewer with captured lines into PNG files for the README. Runs only when
// CORVIX_SCREENSHOT_DIR names the folder to write to:
//   CORVIX_SCREENSHOT_DIR=docs/screenshots build/bin/ui_tests
//       --gtest_filter='JobWindowScreenshots.*'

#include <gtest/gtest.h>

#include <QDir>

#include "JobWindowTestSupport.h"
#include "UiTestSupport.h"
#include "app/Languages.h"
#include "ui/CAsciiDlg.h"
#include "ui/CTransferDlg.h"
#include "worker/CComThread.h"

namespace {

bool Save(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    const QString folder = qEnvironmentVariable("CORVIX_SCREENSHOT_DIR");
    QDir().mkpath(folder);
    return widget.grab().save(folder + QLatin1Char('/') + name);
}

// A receive with its file list: a file of each fate, one under way.
void ReceiveWithList(AppCore& app, const QString& name) {
    CTransferDlg window(app);
    WithoutWorker(window, QStringLiteral("ttyUSB0"));
    window.job.path = QDir::tempPath();
    window.show();
    ListEveryFate(window, QStringLiteral("/home/forester/stands/"));
    EXPECT_TRUE(Save(window, name));
}

TEST(JobWindowScreenshots, ReceiveWithFileListInEnglishAndGerman) {
    if (!qEnvironmentVariableIsSet("CORVIX_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set CORVIX_SCREENSHOT_DIR to draw the screenshots";
    TestApp test;
    ReceiveWithList(test.app, QStringLiteral("transfer-receiving-list.png"));
    ASSERT_TRUE(test.AddLanguage(QStringLiteral("DEU")));
    for (int index = 0; index < kLanguageCount; ++index)
        if (Languages()[size_t(index)].code == std::string("DEU"))
            test.app.settings.Language = index;
    ASSERT_EQ(test.app.LoadLanguage(), 1);
    ReceiveWithList(test.app, QStringLiteral("transfer-receiving-list-DEU.png"));
}

TEST(JobWindowScreenshots, TransferAndViewer) {
    if (!qEnvironmentVariableIsSet("CORVIX_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set CORVIX_SCREENSHOT_DIR to draw the screenshots";
    AppCore app;
    PrepareApp(app);

    CTransferDlg sending(app);
    WithoutWorker(sending, QStringLiteral("ttyUSB0"));
    sending.job.kind = JobKind::Send;
    sending.job.path = QStringLiteral("/home/forester/stands/STAND12.DAT");
    sending.fileSize = 48213;
    sending.show();
    EXPECT_TRUE(Save(sending, QStringLiteral("transfer-waiting.png")));
    sending.Report(report::SendProgress{0});
    sending.Report(report::SendProgress{20160});
    sending.Report(report::CtsChanged{true});
    EXPECT_TRUE(Save(sending, QStringLiteral("transfer-sending.png")));

    CTransferDlg receiving(app);
    WithoutWorker(receiving, QStringLiteral("ttyUSB0"));
    receiving.job.path = QDir::tempPath();
    receiving.show();
    receiving.Report(report::ReceiveFileOpened{"TREES.TXT"});
    receiving.Report(report::ReceiveProgress{1536});
    EXPECT_TRUE(Save(receiving, QStringLiteral("transfer-receiving.png")));

    app.settings.FontFace = QStringLiteral("DejaVu Sans Mono");
    app.settings.FontHeight = -12;
    CAsciiDlg viewer(app);
    WithoutWorker(viewer, QStringLiteral("ttyUSB0"));
    viewer.marginChars = 1;
    viewer.show();
    viewer.Report(report::CapturedText{"Stand 12   Plot 4   2024-05-14\r\n"});
    viewer.Report(report::CapturedText{"No  Species   Dbh  Height\r\n"});
    const char* species[] = {"Gran", "Tall", "Bj\xF6rk", "Gran", "\xC5lm", "Tall"};
    for (int n = 0; n < 14; ++n) {
        viewer.Report(report::CapturedText{QStringLiteral("%1  %2 %3  %4\r\n")
                                               .arg(n + 1, 2)
                                               .arg(QString::fromLatin1(species[n % 6]), -8)
                                               .arg(180 + n * 17 % 230, 4)
                                               .arg(14.0 + (n * 7 % 15) / 2.0, 6, 'f', 1)
                                               .toLatin1()});
    }
    EXPECT_TRUE(Save(viewer, QStringLiteral("ascii-viewer.png")));
    viewer.accept();  // Done: Cancel would ask, in a real box, whether to discard the text
}

}  // namespace
