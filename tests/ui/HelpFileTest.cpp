// Which help Help opens: the pages in the interface language where there
// are any, otherwise the CHM where the desktop can show it, the HTML pages
// beside it where not; and the help window of Corvix's own on small screens.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBrowser>

#include "UiTestSupport.h"
#include "ui/HelpFile.h"
#include "ui/HelpWindow.h"

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

HelpWindow* TheHelpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(w)) return help;
    return nullptr;
}

TEST(HelpFile, ChoosesTheChmOrThePagesBesideIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString chm = HelpFilePath(QDir::toNativeSeparators(folder.path() + "/"));
    const QString pages = QDir::toNativeSeparators(folder.path() + "/help/index.html");
    int asked = 0;
    const auto viewer = [&asked] { return ++asked, true; };
    const auto noViewer = [&asked] { return ++asked, false; };

    // Nothing installed: the path stays the CHM, as before.
    EXPECT_EQ(HelpTarget(chm, noViewer), chm);

    Touch(pages);
    EXPECT_EQ(HelpTarget(chm, viewer), pages) << "no CHM file: the pages";
    Touch(folder.path() + "/Corvix.chm");
    EXPECT_EQ(HelpTarget(chm, viewer), chm);
    EXPECT_EQ(HelpTarget(chm, noViewer), pages);
    EXPECT_GT(asked, 0);

    QFile::remove(pages);
    EXPECT_EQ(HelpTarget(chm, noViewer), chm) << "without pages the CHM is all there is";
}

// The pages go to the desktop's browser, or where there is none to Corvix's
// own window, which follows the links between them; a CHM goes to its viewer.
TEST(HelpFile, ThePagesOpenInTheBrowserOrInCorvixsOwnWindow) {
    QTemporaryDir folder;
    const QString index = folder.filePath("help/index.html");
    const QString chm = folder.filePath("Corvix.chm");
    const auto browser = [](const QString& type) { return type == "text/html"; };
    const auto none = [](const QString&) { return false; };
    EXPECT_EQ(ChooseHelpViewer(index, browser), HelpViewer::Missing);
    EXPECT_EQ(ChooseHelpViewer(chm, none), HelpViewer::Missing);
    Touch(chm);
    EXPECT_EQ(ChooseHelpViewer(chm, none), HelpViewer::Desktop);
    Touch(index);
    EXPECT_EQ(ChooseHelpViewer(index, browser), HelpViewer::Desktop);
    EXPECT_EQ(ChooseHelpViewer(index, none), HelpViewer::OwnWindow);

    QFile page(index);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(
        "<html><head><title>Contents</title></head><body>"
        "<a href=\"ascii.html\">ASCII</a></body></html>");
    page.close();
    QFile ascii(folder.filePath("help/ascii.html"));
    ASSERT_TRUE(ascii.open(QIODevice::WriteOnly));
    ascii.write("<html><head><title>The ASCII window</title></head><body>Font</body></html>");
    ascii.close();

    ShowHelpWindow(index);
    HelpWindow* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(w)) window = help;
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Corvix: Contents");
    window->browser()->setSource(QUrl(QStringLiteral("ascii.html")));
    EXPECT_EQ(window->windowTitle(), "Corvix: The ASCII window");
    EXPECT_TRUE(window->browser()->toPlainText().contains("Font"));
    ShowHelpWindow(index);
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows += qobject_cast<HelpWindow*>(w) != nullptr ? 1 : 0;
    EXPECT_EQ(windows, 1) << "one help window at a time";
    window->close();
}

// Each language's pages sit in a folder of their own; a page not translated
// yet, and a language without pages, is English. The CHM is English, so the
// translated pages come before it.
TEST(HelpFile, ThePagesFollowTheLanguageAndFallBackToEnglish) {
    QTemporaryDir folder;
    const QString help = folder.filePath("help");
    for (const char* page : {"index.html", "transfer.html", "de/index.html"})
        Touch(help + "/" + page);
    const QString chm = folder.filePath("Corvix.chm");
    Touch(chm);
    EXPECT_EQ(HelpPage(help, "de", "index.html"), help + "/de/index.html");
    EXPECT_EQ(HelpPage(help, "de", "transfer.html"), help + "/transfer.html");
    EXPECT_EQ(HelpPage(help, "fr", "index.html"), help + "/index.html");
    EXPECT_EQ(HelpPage(help, "en", "index.html"), help + "/index.html");
    EXPECT_EQ(HelpPage(help, "de/..", "index.html"), help + "/index.html");

    const auto viewer = [] { return true; };
    const auto noViewer = [] { return false; };
    EXPECT_EQ(HelpTarget(chm, viewer, "de"), QDir::toNativeSeparators(help + "/de/index.html"));
    EXPECT_EQ(HelpTarget(chm, viewer, "fr"), chm);
    EXPECT_EQ(HelpTarget(chm, viewer, "en"), chm);
    EXPECT_EQ(HelpTarget(chm, noViewer, "sv"), QDir::toNativeSeparators(help + "/index.html"));
}

// On a screen of 1024 by 768 pixels, also at 150 per cent (683 by 512 in
// the window's units), the window and its frame stay on the screen. Qt's
// offscreen platform makes such a screen in a second run of this test.
TEST(HelpFile, TheHelpWindowFitsA1024By768Screen) {
    if (qEnvironmentVariableIsSet("CORVIX_SMALL_SCREEN")) {
        QTemporaryDir folder;
        Touch(folder.filePath("index.html"));
        ShowHelpWindow(folder.filePath("index.html"));
        HelpWindow* window = TheHelpWindow();
        ASSERT_NE(window, nullptr);
        const QRect room = window->screen()->availableGeometry();
        EXPECT_LT(room.height(), 769);
        EXPECT_TRUE(room.contains(window->frameGeometry()))
            << window->frameGeometry().height() << " pixels high on " << room.height();
        EXPECT_GT(window->height(), room.height() / 2) << "room for the pages";
        return;
    }
    for (const char* size : {R"("width": 1024, "height": 768)", R"("width": 683, "height": 512)"}) {
        QTemporaryDir folder;
        QFile config(folder.filePath("screen.json"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(QByteArray(R"({"screens": [{"name": "small", )") + size + "}]}");
        config.close();
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("CORVIX_SMALL_SCREEN", "1");
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        // The plugin's arguments are split at colons: a Windows path ("C:/...")
        // would be cut, so the file is named relative to the child's folder.
        run.setWorkingDirectory(folder.path());
        run.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=HelpFile.TheHelpWindowFitsA1024By768Screen", "-platform",
                   "offscreen:configfile=screen.json"});
        ASSERT_TRUE(run.waitForFinished(60000));
        const QByteArray output = run.readAll();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << size << ":\n"
                                                            << output.toStdString();
    }
}

}  // namespace
