#include "AppTestSupport.h"
#include "app/AppCore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <future>
#include <memory>

namespace {

// A settings file that is no regular file once held the program before its
// window appeared (a FIFO) or could not be saved (a folder): now it is passed
// over with a message, the program starts with the defaults and saves
// nothing over it.
TEST(SettingsFileKinds, OneThatIsNoRegularFileIsPassedOverAndTheProgramStarts) {
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "FIFO" : "folder");
        TemporarySettings settings;
        const QString path = settings.FilePath();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        const QByteArray name = QFile::encodeName(path);
        ASSERT_EQ(fifo ? ::mkfifo(name.constData(), 0600) : ::mkdir(name.constData(), 0700), 0);
        // Gone before the temporary settings, which read their file once more as they go.
        const std::shared_ptr<void> removal(nullptr, [&name](void*) {
            ::unlink(name.constData());
            ::rmdir(name.constData());
        });
        QTemporaryDir programFolder;
        RecordingSink sink;
        AppCore app;
        app.messageSink = &sink;
        app.portSource = [] { return QList<PortRecord>{}; };
        int runs = 0;
        app.runMainWindow = [&](const CommandLineRequest&) {
            ++runs;
            app.settings.Margin = 7;
        };
        auto start = std::async(std::launch::async,
                                [&] { return app.InitInstance({}, programFolder.path()); });
        if (start.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            ::close(::open(name.constData(), O_WRONLY | O_NONBLOCK));  // lets the reader go
            FAIL() << "start-up waited on the settings file";
        }
        EXPECT_FALSE(start.get());
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(app.settings.Baud, 3);
        ASSERT_EQ(sink.shown.size(), 1);
        EXPECT_EQ(sink.shown[0].text, "The settings file " + path +
                                          " is not a regular file. It is passed over: the "
                                          "settings are neither read from it nor saved to it.");
        EXPECT_EQ(sink.shown[0].icon, MessageIcon::Warning);
        const QFileInfo after(path);
        EXPECT_TRUE(after.exists());
        EXPECT_FALSE(after.isFile());
    }
}

}  // namespace
