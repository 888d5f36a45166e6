// The receive window fed with the reports the engine gives, through the
// same EngineReports the worker passes them on with.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "JobWindowTestSupport.h"
#include "ui/CTransferDlg.h"
#include "worker/EngineReports.h"

using namespace std::chrono_literals;

namespace {

using NotWhole = kermit::KermitObserver::NotWhole;

class ReceiveFileListTest : public ::testing::Test {
protected:
    ReceiveFileListTest() : texts(JobTexts::From(EnglishTexts())) {
        PrepareApp(app);
        OpenWindow();
    }

    // A new receive window, shown, that the reports go to.
    void OpenWindow() {
        window = std::make_unique<CTransferDlg>(app);
        window->dialogs = dialogs.Dialogs();
        WithoutWorker(*window, QStringLiteral("COM3"), 3);
        window->job.kind = JobKind::Receive;
        window->job.path = QStringLiteral("/rx");
        window->clock = [this] { return now; };
        reports = std::make_unique<EngineReports>(window.get(), texts);
        window->show();
    }

    template <typename T>
    T* Find(const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString Share() { return Find<QLabel>("byteCountLabel")->text(); }
    QStringList Rows() {
        QStringList rows;
        for (int i = 0; i < Find<QListWidget>("fileList")->count(); ++i)
            rows << Find<QListWidget>("fileList")->item(i)->text();
        return rows;
    }
    QString Count() { return Find<QLabel>("fileCountLabel")->text(); }
    void ReceiveWhole(const char* name, std::uint64_t bytes) {
        reports->OnReceiveFileOpened(name);
        reports->OnReceiveProgress(static_cast<std::uint32_t>(bytes));
        reports->OnFileReceived(std::string("/rx/") + name, bytes);
        window->Report(report::TransactionDone{QStringLiteral("/rx"), name});
    }

    AppCore app;
    DialogRecorder dialogs;
    const JobTexts texts;
    std::chrono::steady_clock::time_point now = std::chrono::steady_clock::time_point{} + 1h;
    std::unique_ptr<CTransferDlg> window;
    std::unique_ptr<EngineReports> reports;
};

// With the length announced, the bar fills and the share shows with the time
// left once the data has flowed a second; without, the plain count as
// before. Each file that ends takes a row with what became of it, and the
// count follows. A job that ends by itself with several files keeps its
// window until the user has seen them.
TEST_F(ReceiveFileListTest, TheShareTimeLeftAndEveryFileOfTheJobShow) {
    QProgressBar* bar = Find<QProgressBar>("progressBar");
    EXPECT_TRUE(Find<QListWidget>("fileList")->isVisible());
    EXPECT_EQ(Count(), QStringLiteral("Files: 0"));

    reports->OnReceiveFileOpened("STAND1.DAT");
    EXPECT_FALSE(bar->isVisible());
    reports->OnReceiveFileAnnounced(10000);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(Share(), QStringLiteral("0% of 10000 bytes"));
    now += 500ms;
    reports->OnReceiveProgress(1000);
    EXPECT_EQ(Share(), QStringLiteral("10% of 10000 bytes"));
    EXPECT_EQ(bar->value() * 10, bar->maximum());
    now += 1500ms;  // 2000 bytes since the first count, in 1.5 s: 7000 more take 5.25 s
    reports->OnReceiveProgress(3000);
    EXPECT_EQ(Share(), QStringLiteral("30% of 10000 bytes, about 6 s left"));
    EXPECT_EQ(window->byteCountText, Share());
    reports->OnFileReceived("/rx/STAND1.DAT", 10000);
    window->Report(report::TransactionDone{QStringLiteral("/rx"), "STAND1.DAT"});
    EXPECT_EQ(Rows(), QStringList{"STAND1.DAT: 10000 bytes, received"});
    EXPECT_EQ(Count(), QStringLiteral("Files: 1"));

    // The next file announces nothing: its count as before, no bar.
    reports->OnReceiveFileOpened("TREES.TXT");
    reports->OnReceiveProgress(2193);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(Share(), QStringLiteral("2193 bytes"));
    reports->OnFileNotReceived("/rx/TREES.TXT", "/rx/TREES.TXT.part", 2193, NotWhole::Broken);

    // Announced before it opened, and long: the time left in minutes.
    reports->OnReceiveFileAnnounced(10000000);
    reports->OnReceiveFileOpened("PLOT3.DAT");
    EXPECT_TRUE(bar->isVisible());
    now += 10s;
    reports->OnReceiveProgress(100000);
    EXPECT_EQ(Share(), QStringLiteral("1% of 10000000 bytes, about 17 min left"));
    reports->OnFileRefused("/rx/BIG.DAT", 3000000000, 1000000);
    EXPECT_EQ(Rows(), (QStringList{"STAND1.DAT: 10000 bytes, received",
                                   "TREES.TXT: incomplete, 2193 bytes kept in TREES.TXT.part",
                                   "BIG.DAT: refused, 3000000000 bytes announced, 1000000 "
                                   "bytes free"}));
    EXPECT_EQ(Find<QListWidget>("fileList")->item(1)->toolTip(),
              QDir::toNativeSeparators(QStringLiteral("/rx/TREES.TXT")) +
                  QStringLiteral(": incomplete, 2193 bytes kept in ") +
                  QDir::toNativeSeparators(QStringLiteral("/rx/TREES.TXT.part")));
    EXPECT_EQ(Count(), QStringLiteral("Files: 3"));

    window->Report(report::JobOver{});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Find<QLabel>("statusLabel")->text(), QStringLiteral("The receive has ended."));
    QPushButton* button = Find<QPushButton>("cancelButton");
    EXPECT_EQ(button->text(), QStringLiteral("Done"));
    EXPECT_GT(button->y(), Find<QListWidget>("fileList")->geometry().bottom());
    EXPECT_LE(button->geometry().bottom(), window->height());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

// One file received whole closes the window at the job's end as before; so
// does the user's Cancel while a file is listed.
TEST_F(ReceiveFileListTest, OneWholeFileOrTheUsersCancelClosesTheWindowAsBefore) {
    ReceiveWhole("STAND1.DAT", 4000);
    window->Report(report::JobOver{});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);

    OpenWindow();
    ReceiveWhole("STAND1.DAT", 4000);
    ReceiveWhole("STAND2.DAT", 5000);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

}  // namespace
