// Which help Help opens: the CHM where the desktop can show it, the HTML
// pages beside it where not.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBrowser>

#include "ui/HelpFile.h"
#include "ui/HelpWindow.h"

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
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

}  // namespace
