// Which help Help opens: the pages in the interface language, the CHM where the
// desktop can show it, the HTML pages beside it where not; and the help window.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBrowser>

#include "ui/HelpFile.h"
#include "ui/HelpWindow.h"

namespace {

void Touch(const QString& path, const QByteArray& bytes = {}) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
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

// A page not translated, and a language without pages, is English; the
// translated pages come before the English CHM.
TEST(HelpFile, ThePagesFollowTheLanguageAndFallBackToEnglish) {
    QTemporaryDir folder;
    for (const char* file : {"Corvix.chm", "help/transfer.html", "help/de/index.html"})
        Touch(folder.filePath(file));
    const QString help = folder.filePath("help"), chm = folder.filePath("Corvix.chm");
    EXPECT_EQ(HelpPage(help, "de", "transfer.html"), help + "/transfer.html");
    const auto viewer = [] { return true; };
    EXPECT_EQ(HelpTarget(chm, viewer, "de"), QDir::toNativeSeparators(help + "/de/index.html"));
    EXPECT_EQ(HelpTarget(chm, viewer, "fr"), chm);
}

// On a 1024 by 768 screen at 150 per cent (683 by 512 in the window's units)
// the window and its frame stay on the screen: a second run has such a screen.
TEST(HelpFile, TheHelpWindowFitsA1024By768Screen) {
    QTemporaryDir folder;
    if (qEnvironmentVariableIsSet("CORVIX_SMALL_SCREEN")) {
        Touch(folder.filePath("index.html"));
        ShowHelpWindow(folder.filePath("index.html"));
        const auto* window = qobject_cast<HelpWindow*>(QApplication::topLevelWidgets().value(0));
        ASSERT_NE(window, nullptr);
        const QRect room = window->screen()->availableGeometry();
        EXPECT_EQ(room.height(), 512);
        EXPECT_TRUE(room.contains(window->frameGeometry())) << window->frameGeometry().height();
        return;
    }
    Touch(folder.filePath("screen.json"),
          R"({"screens": [{"name": "small", "width": 683, "height": 512}]})");
    QProcess run;
    run.setEnvironment(QProcess::systemEnvironment() << "CORVIX_SMALL_SCREEN=1");
    run.setWorkingDirectory(folder.path());  // the platform's arguments are split at colons
    run.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=HelpFile.TheHelpWindowFitsA1024By768Screen", "-platform",
               "offscreen:configfile=screen.json"});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAll().toStdString();
}

}  // namespace
