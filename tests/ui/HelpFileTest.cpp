// Which help Help opens: the CHM where the desktop can show it, the HTML
// pages beside it where not.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/HelpFile.h"

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

}  // namespace
