// Language files that are no regular files: a FIFO, a device.
#include "AppTestSupport.h"
#include "app/AppCore.h"
#include "app/Languages.h"
#include "app/TextTable.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QDir>

#include <chrono>
#include <future>

namespace {

// A FIFO in the program folder once held the program before its window
// appeared: it waited for a writer that never came. Such an entry, or a
// device, is listed by the scan like any file and then fails to load with
// the message of a file that cannot be loaded, at once.
TEST(LanguageFileKinds, AFifoOrADeviceIsAFileThatCannotBeLoaded) {
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("Corvix-DEU.xml"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.filePath("Corvix-FRA.xml")));
    RecordingSink sink;
    AppCore app;
    app.ProgramFolder = folder.path() + QDir::separator();
    app.TextTable = EnglishTexts();
    app.messageSink = &sink;
    app.Language = 0;

    auto start = std::async(std::launch::async, [&app] {
        const LanguageScanResult scan = app.ScanLanguageFiles();
        return scan.present[0] && scan.present[3] && app.LoadLanguage() == 0 &&
               app.OnLanguageCommand(kFirstLanguageCommand + 3) == 0;
    });
    if (start.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        // Lets a reader stuck on the FIFO go, so that the test ends.
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
        start.wait();
        FAIL() << "reading the FIFO waited for a writer";
    }
    EXPECT_TRUE(start.get());
    ASSERT_EQ(sink.shown.size(), 2);
    for (const ShownMessage& shown : sink.shown) {
        EXPECT_EQ(shown.text, "Cannot load XML file");
        EXPECT_EQ(shown.caption, "Error Loading XML");
        EXPECT_EQ(shown.icon, MessageIcon::Error);
    }
    EXPECT_EQ(app.TextTable, EnglishTexts());
}

}  // namespace
