#include "AppTestSupport.h"
#include "app/AppCore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <future>

namespace {

// A FIFO among the language files once held the program before its window
// appeared, waiting for a writer: now it is a file that cannot be loaded.
TEST(LanguageFileKinds, AFifoIsAFileThatCannotBeLoaded) {
    QTemporaryDir folder;
    const QByteArray fifo = QFile::encodeName(folder.filePath("Corvix-DEU.xml"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    RecordingSink sink;
    AppCore app;
    app.ProgramFolder = folder.path() + '/';
    app.messageSink = &sink;
    app.settings.Language = 0;
    auto load = std::async(std::launch::async, [&app] { return app.LoadLanguage(); });
    if (load.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));  // lets the reader go
        FAIL() << "reading the FIFO waited for a writer";
    }
    EXPECT_EQ(load.get(), 0);
    ASSERT_EQ(sink.shown.size(), 1);
    EXPECT_EQ(sink.shown[0].text, "Cannot load XML file");
}

}  // namespace
