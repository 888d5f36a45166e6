#include "UiTestSupport.h"
#include "ui/FileChooser.h"

#include <gtest/gtest.h>
#include <QFileDialog>

namespace {

TEST(FileChooserDialog, OpensInTheFolderOfTheLastFileWithTheFirstFilterShown) {
    QTemporaryDir folder;
    const QString lastFile = folder.filePath("old.m$x");
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    ConfigureFileDialog(dialog, KermitSendChooser(QStringLiteral("Choose file"), lastFile));
    EXPECT_EQ(dialog.windowTitle(), "Choose file");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
    EXPECT_EQ(QDir(dialog.directory()), QDir(folder.path()));
    EXPECT_EQ(dialog.nameFilters(),
              (QStringList{"Filer (*.*) (*.*)", "Kalvex (*.512; *.128) (*.512 *.128)",
                           "Forvanta (*.m$x; *.b$n) (*.m$x *.b$n)"}));
    EXPECT_EQ(dialog.selectedNameFilter(), "Filer (*.*)");
}

TEST(FileChooserDialog, TheSaveChooserAsksBeforeReplacingAndAddsTxt) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    ConfigureFileDialog(dialog, ReceiveAsciiChooser(QStringLiteral("V\u00e4lj fil")));
    EXPECT_EQ(dialog.windowTitle(), "V\u00e4lj fil");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.defaultSuffix(), "txt");
    EXPECT_EQ(dialog.nameFilters(), QStringList{"Text (*.txt) (*.txt)"});
    EXPECT_TRUE(dialog.selectedFiles().value(0).endsWith("treelist.txt"));
}

// The last file is offered only where the first filter lists it; elsewhere
// the chooser opens in its folder with nothing filled in.
TEST(FileChooserDialog, TheLastFileIsOfferedOnlyWhenTheFilterListsIt) {
    QTemporaryDir folder;
    const auto offered = [&](const FileChooserRequest& request) {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        ConfigureFileDialog(dialog, request);
        EXPECT_EQ(QDir(dialog.directory()), QDir(folder.path()));
        // Nothing filled in: the selection is the folder itself.
        return QDir(folder.path()).relativeFilePath(dialog.selectedFiles().value(0));
    };
    const QString received = folder.filePath("trees.dat");
    EXPECT_EQ(offered(KermitSendChooser(QStringLiteral("Choose file"), received)), "trees.dat");
    EXPECT_EQ(offered(LoadProgramChooser(QStringLiteral("Choose file"), received)), ".");
    const QString program = folder.filePath("KALV.B$N");
    EXPECT_EQ(offered(LoadProgramChooser(QStringLiteral("Choose file"), program)), "KALV.B$N");
    EXPECT_EQ(offered(KermitSendChooser(QStringLiteral("Choose file"), folder.filePath("LOGOUT"))),
              ".")
        << "*.* lists only names with a dot";
}

}  // namespace
