#include "UiTestSupport.h"
#include "app/LanguageFile.h"
#include "app/LanguageScan.h"
#include "app/MainWindowLabels.h"
#include "ui/CStemraDlg.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

namespace {

// Start-up with no settings and no language files: the English template is
// written beside the program and the window shows English.
TEST(FreshStart, WritesTheEnglishTemplateAndShowsEnglish) {
    NewMachine machine;
    AppCore& app = machine.app;
    QStringList shown;
    ServiceRecorder recorder;
    RunMainWindowWith(app, recorder.Services(), [&](CStemraDlg& window) {
        QTimer::singleShot(0, &window, [&] {
            for (const ButtonLabel& label : kButtonLabels) {
                shown.append(window.Button(label.buttonId)->text());
            }
            window.Button(1)->click();
        });
        EXPECT_EQ(window.exec(), QDialog::Accepted);
    });
    EXPECT_FALSE(app.InitInstance({}, machine.programFolder.path()));

    EXPECT_EQ(ReadBytes(machine.programFolder.filePath("Corvix-ENG.xml")),
              EnglishTemplate(EnglishTexts()));
    EXPECT_EQ(shown,
              (QStringList{"Settings", "Load program", "Data to printer (4800baud)", "Kermit send",
                           "Kermit receive", "Receive data (ASCII)", "Exit"}));
    EXPECT_TRUE(machine.messages.shown.isEmpty());
    EXPECT_EQ(machine.settings.Open()->value("Language").toInt(), 1);
}

// A first start whose system speaks German shows German and stores it; one
// that speaks Japanese, which Corvix does not, shows English.
TEST(FreshStart, SpeaksTheSystemsLanguageWhenCorvixHasIt) {
    for (const char* locale : {"de_DE", "ja_JP"}) {
        SCOPED_TRACE(locale);
        NewMachine machine;
        AppCore& app = machine.app;
        const QString german = QStringLiteral("Corvix-DEU.xml");
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + u'/' + german,
                                machine.programFolder.filePath(german)));
        app.systemLocale = [locale] { return QLocale(QString::fromLatin1(locale)); };
        QStringList expected = EnglishTexts();
        const bool speaksGerman = QByteArray(locale) == "de_DE";
        if (speaksGerman) {
            ASSERT_EQ(ReadLanguageFile(machine.programFolder.filePath(german), expected,
                                       machine.messages),
                      1);
        }
        QStringList shown;
        ServiceRecorder recorder;
        RunMainWindowWith(app, recorder.Services(), [&](CStemraDlg& window) {
            QTimer::singleShot(0, &window, [&] {
                shown.append(window.Button(kButtonLabels[0].buttonId)->text());
                window.Button(1)->click();
            });
            window.exec();
        });
        EXPECT_FALSE(app.InitInstance({}, machine.programFolder.path()));
        EXPECT_EQ(shown, QStringList{TextAt(expected, kButtonLabels[0].textId)});
        EXPECT_EQ(machine.settings.Open()->value("Language").toInt(), speaksGerman ? 0 : 1);
    }
}

// The real program, copied into an empty folder with a settings location of
// its own, writes the template as soon as its window initialises.
TEST(FreshStart, TheProgramWritesTheTemplateIntoItsOwnFolder) {
    QTemporaryDir machine;
    const QString folder = machine.filePath("program");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString program = folder + QStringLiteral("/Corvix");
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVIX_EXECUTABLE), program));
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);

    QProcess corvix;
    corvix.setProcessEnvironment(ProgramEnvironmentIn(machine));
    corvix.start(program, {});
    ASSERT_TRUE(corvix.waitForStarted(10000));

    const QString templatePath = folder + QStringLiteral("/Corvix-ENG.xml");
    const QByteArray expected = EnglishTemplate(EnglishTexts());
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(templatePath) == expected; }, 15000));
    EXPECT_EQ(corvix.state(), QProcess::Running) << "the window stays open";
    corvix.kill();
    corvix.waitForFinished(5000);
}

}  // namespace
