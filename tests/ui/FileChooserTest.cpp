#include "UiTestSupport.h"
#include "ui/FileChooser.h"
#include "ui/QtTranslations.h"

#include <gtest/gtest.h>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>

#include <string_view>

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

// Greek, Swedish, Romanian and Serbian have no Qt catalogue of Debian's;
// Debian's others lack some texts (Slovak's lacks the buttons). Corvix's own
// catalogues, beside the program, put the message box's Yes and No and the
// file chooser's labels and buttons in every language. Where Qt's catalogue
// has a text, Qt's is used.
TEST(FileChooserDialog, QtsOwnTextsSpeakTheLanguagesQtHasNoCatalogueFor) {
    const QString program = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QStringList folders = QtTranslationFolders(program);
    const QStringList english{"&Open", "Open", "&Save", "Save", "Cancel", "&Cancel"};
    for (const char* language :
         {"el", "sv", "ro", "sr", "de", "es", "fr", "hu", "cs", "pl", "sk", "ru"}) {
        SCOPED_TRACE(language);
        QtTranslations texts;
        ASSERT_TRUE(texts.Switch(QString::fromLatin1(language), folders));

        QMessageBox question(QMessageBox::Question, "Corvix", "?",
                             QMessageBox::Yes | QMessageBox::No);
        EXPECT_NE(question.button(QMessageBox::Yes)->text(), "&Yes");
        if (std::string_view(language) != "es") {  // Spanish says No too
            EXPECT_NE(question.button(QMessageBox::No)->text(), "&No");
        }

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        ConfigureFileDialog(dialog, ReceiveAsciiChooser(QStringLiteral("Corvix")));
        const QList<std::pair<const char*, QString>> labels{{"lookInLabel", "Look in:"},
                                                            {"fileNameLabel", "File &name:"},
                                                            {"fileTypeLabel", "Files of type:"}};
        for (const auto& [name, englishText] : labels) {
            const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
            ASSERT_NE(label, nullptr) << name;
            EXPECT_FALSE(label->text().isEmpty()) << name;
            EXPECT_NE(label->text(), englishText) << name;
        }
        const auto* box = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->buttons().size(), 2);
        for (const QAbstractButton* button : box->buttons())
            EXPECT_FALSE(english.contains(button->text())) << button->text().toStdString();
    }

    // Slovak: Yes and No from Corvix's catalogue, the chooser's label from
    // Debian's.
    {
        QtTranslations slovak;
        ASSERT_TRUE(slovak.Switch("sk", folders));
        QMessageBox question(QMessageBox::Question, "Corvix", "?",
                             QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(question.button(QMessageBox::Yes)->text(), "\u00c1n&o");
        EXPECT_EQ(question.button(QMessageBox::No)->text(), "&Nie");
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "H\u013eada\u0165 v:");
    }

    // French has Qt's catalogue: a catalogue of Corvix's for French (here
    // the Greek one) answers only for what Qt's lacks.
    QTemporaryDir folder;
    ASSERT_TRUE(
        QFile::copy(program + "corvix_qtbase_el.qm", folder.filePath("corvix_qtbase_fr.qm")));
    QtTranslations texts;
    ASSERT_TRUE(
        texts.Switch("fr", {folder.path(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
    EXPECT_EQ(QCoreApplication::translate("QCupsPrinterSupport", "Password:"),
              "\u039a\u03c9\u03b4\u03b9\u03ba\u03cc\u03c2 "
              "\u03c0\u03c1\u03cc\u03c3\u03b2\u03b1\u03c3\u03b7\u03c2:");
}

}  // namespace
