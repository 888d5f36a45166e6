#include "UiTestSupport.h"
#include "ui/CStemraDlg.h"
#include "ui/FileChooser.h"
#include "ui/QtTranslations.h"

#include <gtest/gtest.h>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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
    // Asked for several files, it takes several that are there.
    QStringList more;
    FileChooserRequest several = KermitSendChooser(QStringLiteral("Choose file"), lastFile);
    several.alsoChosen = &more;
    ConfigureFileDialog(dialog, several);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
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

// The capture chooser opens in the folder the last capture was saved to, in
// the next run of the program too: the folder lives in the settings.
TEST(CaptureFolder, TheCaptureChooserOpensWhereTheLastCaptureWent) {
    QTemporaryDir field;
    ServiceRecorder recorder;
    recorder.captureAnswer = {QDialog::Accepted, "Tall 24\r\n", false, 1};
    recorder.fileAnswer = field.filePath(QStringLiteral("day1.txt"));
    NewMachine machine;
    const auto run = [&] {
        AppCore app;
        app.messageSink = &machine.messages;
        app.portSource = [] { return QList<PortRecord>{}; };
        app.runMainWindow = [&](const CommandLineRequest&) {
            app.settings.Comport = QStringLiteral("COM4");
            CStemraDlg(app, recorder.Services()).OnDataToPrinter();
        };
        app.InitInstance({}, machine.programFolder.path());
    };
    run();
    EXPECT_EQ(recorder.fileChoosers.last().startName, QStringLiteral("treelist.txt"));
    run();
    EXPECT_EQ(recorder.fileChoosers.last().startName, field.filePath("treelist.txt"));
}

// Debian has no Qt catalogue for Greek, Swedish, Romanian or Serbian, and
// Slovak's lacks the buttons: Corvix's own, beside the program, fill them in.
TEST(FileChooserDialog, QtsOwnTextsSpeakTheLanguagesQtHasNoCatalogueFor) {
    const QStringList folders =
        QtTranslationFolders(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    for (const char* language : {"el", "sv", "ro", "sr", "sk"}) {
        SCOPED_TRACE(language);
        QtTranslations texts;
        ASSERT_TRUE(texts.Switch(QString::fromLatin1(language), folders));
        QMessageBox question(QMessageBox::Question, "Corvix", "?",
                             QMessageBox::Yes | QMessageBox::No);
        EXPECT_NE(question.button(QMessageBox::Yes)->text(), "&Yes");
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        EXPECT_NE(dialog.labelText(QFileDialog::FileName), "File &name:");
    }
}

}  // namespace
