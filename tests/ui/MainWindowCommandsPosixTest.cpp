#include "UiTestSupport.h"
#include "app/CommandIds.h"
#include "ui/CAboutDlg.h"
#include "ui/CStemraDlg.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class MainWindowCommands : public ::testing::Test {
protected:
    MainWindowCommands() {
        test.app.settings.Comport = QStringLiteral("COM4");
        test.app.settings.Baud = 3;
        test.app.settings.Margin = 5;
        window = std::make_unique<CStemraDlg>(test.app, recorder.Services());
        window->show();
    }

    // The window ends with OK, as OnOK leaves it.
    bool Closed() const { return !window->isVisible() && window->result() == QDialog::Accepted; }

    CaptureOutcome Captured(const QByteArray& bytes, bool notepad = false, int margin = 8) {
        return {QDialog::Accepted, bytes, notepad, margin};
    }

    TestApp test;
    ServiceRecorder recorder;
    std::unique_ptr<CStemraDlg> window;
};

TEST_F(MainWindowCommands, KermitSendAsksForAFileAndSendsItWithTheStoredPortAndRate) {
    const QString file = test.FolderFile("data.512");
    ASSERT_TRUE(WriteBytes(file, QByteArray(1234, 'x')));
    test.app.settings.LastFile = test.FolderFile("old.m$x");
    test.app.settings.BlockCheck = 3;
    test.app.settings.Prefixing = 1;
    recorder.fileAnswer = file;

    window->Button(CommandId::KermitSendButton)->click();
    ASSERT_EQ(recorder.fileChoosers.size(), 1);
    const FileChooserRequest& chooser = recorder.fileChoosers[0];
    EXPECT_EQ(chooser.kind, FileChooserRequest::Kind::Open);
    EXPECT_EQ(chooser.title, "Choose file");
    EXPECT_EQ(chooser.startName, test.FolderFile("old.m$x"));
    ASSERT_EQ(chooser.filters.size(), 3);
    EXPECT_EQ(chooser.filters[0].description, "Filer (*.*)");
    EXPECT_EQ(chooser.filters[1].patterns, "*.512;*.128");
    EXPECT_EQ(chooser.filters[2].description, "Forvanta (*.m$x; *.b$n)");

    ASSERT_EQ(recorder.transfers.size(), 1);
    const TransferRequest& request = recorder.transfers[0];
    EXPECT_EQ(request.job.kind, JobKind::Send);
    EXPECT_EQ(request.job.baud, 9600);
    EXPECT_EQ(request.job.portName, "COM4");
    EXPECT_EQ(request.job.path, file);
    EXPECT_EQ(request.job.offer.blockCheck, 3);
    EXPECT_EQ(request.job.offer.prefixing, kermit::Prefixing::Cautious);
    EXPECT_EQ(request.fileSize, 1234u);
    EXPECT_EQ(test.app.settings.LastFile, file);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowCommands, ANameThatDoesNotExistIsSentWithUnknownSizeAndCancelChangesNothing) {
    recorder.fileAnswer = test.FolderFile("missing.512");
    window->OnCommand(CommandId::SendFileItem);
    ASSERT_EQ(recorder.transfers.size(), 1);
    EXPECT_EQ(recorder.transfers[0].fileSize, 0xFFFFFFFFu);
    EXPECT_EQ(test.app.settings.LastFile, test.FolderFile("missing.512"));

    recorder.fileAnswer.clear();
    window->OnCommand(CommandId::SendFileItem);
    window->OnCommand(CommandId::LoadProgramItem);
    EXPECT_EQ(recorder.fileChoosers.size(), 3);
    EXPECT_EQ(recorder.transfers.size(), 1);
    EXPECT_EQ(test.app.settings.LastFile, test.FolderFile("missing.512"));
}

TEST_F(MainWindowCommands, LoadProgramOffersProgramFilesAndLeavesTheWindowOpen) {
    const QString file = test.FolderFile("prog.b$n");
    ASSERT_TRUE(WriteBytes(file, "12345"));
    recorder.fileAnswer = file;
    window->Button(CommandId::LoadProgramButton)->click();
    ASSERT_EQ(recorder.fileChoosers.size(), 1);
    ASSERT_EQ(recorder.fileChoosers[0].filters.size(), 1);
    EXPECT_EQ(recorder.fileChoosers[0].filters[0].patterns, "*.m$x;*.b$n");
    ASSERT_EQ(recorder.transfers.size(), 1);
    EXPECT_EQ(recorder.transfers[0].fileSize, 5u);
    EXPECT_EQ(recorder.transfers[0].job.kind, JobKind::Send);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowCommands, KermitReceiveTakesTheChosenFolderIntoLastDir) {
    test.app.settings.LastDir = QStringLiteral("/srv/in");
    recorder.folderAnswer = test.folder.path();
    window->Button(CommandId::KermitReceiveButton)->click();
    EXPECT_EQ(recorder.folderStarts, QStringList{"/srv/in"});
    EXPECT_EQ(recorder.folderCapacity, 2048);
    EXPECT_EQ(test.app.settings.LastDir, test.folder.path());
    ASSERT_EQ(recorder.transfers.size(), 1);
    EXPECT_EQ(recorder.transfers[0].job.kind, JobKind::Receive);
    EXPECT_EQ(recorder.transfers[0].job.path, test.folder.path());
    EXPECT_EQ(recorder.transfers[0].fileSize, 0u);

    recorder.folderAnswer.clear();
    window->OnCommand(CommandId::ReceiveFileItem);
    EXPECT_EQ(recorder.transfers.size(), 1);
    EXPECT_EQ(test.app.settings.LastDir, test.folder.path());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowCommands, DataToPrinterCapturesAt4800AndWritesTheBytesUnchanged) {
    const QString file = test.FolderFile("treelist.txt");
    recorder.fileAnswer = file;
    const QByteArray bytes("Tall 24\r\n\xC5sa \x01\x00\xFF end\r\n", 22);
    recorder.captureAnswer = Captured(bytes, true, 9);

    window->Button(CommandId::DataToPrinterButton)->click();
    ASSERT_EQ(recorder.fileChoosers.size(), 1);
    const FileChooserRequest& chooser = recorder.fileChoosers[0];
    EXPECT_EQ(chooser.kind, FileChooserRequest::Kind::Save);
    EXPECT_EQ(chooser.startName, "treelist.txt");
    EXPECT_EQ(chooser.defaultExtension, "txt");
    EXPECT_EQ(chooser.filters[0].description, "Filer (*.*)");
    ASSERT_EQ(recorder.captures.size(), 1);
    EXPECT_EQ(recorder.captures[0].job.baud, 4800);
    EXPECT_EQ(recorder.captures[0].job.kind, JobKind::Capture);
    EXPECT_EQ(recorder.captures[0].job.portName, "COM4");
    EXPECT_EQ(recorder.captures[0].marginChars, 5);
    EXPECT_EQ(test.app.settings.Baud, 3);
    EXPECT_EQ(test.app.settings.Margin, 9);
    EXPECT_EQ(ReadBytes(file), bytes);
    EXPECT_EQ(recorder.editorFiles, QStringList{file});
    EXPECT_TRUE(window->isVisible());
}

// An empty capture never replaces a file that is there; for ASCII a new
// file is still made, empty.
TEST_F(MainWindowCommands, AnEmptyCaptureReplacesNoFileButMakesAnEmptyNewOneForAscii) {
    const QString printer = test.FolderFile("printer.txt");
    const QString ascii = test.FolderFile("ascii.txt");
    ASSERT_TRUE(WriteBytes(printer, "earlier"));
    ASSERT_TRUE(WriteBytes(ascii, "earlier"));
    recorder.captureAnswer = Captured({}, true);

    recorder.fileAnswer = printer;
    window->OnCommand(CommandId::AsciiItem);
    EXPECT_EQ(ReadBytes(printer), "earlier");

    recorder.fileAnswer = ascii;
    window->Button(CommandId::ReceiveAsciiButton)->click();
    EXPECT_EQ(ReadBytes(ascii), "earlier");
    EXPECT_TRUE(recorder.editorFiles.isEmpty());

    QFile::remove(ascii);
    window->Button(CommandId::ReceiveAsciiButton)->click();
    EXPECT_TRUE(QFile::exists(ascii));
    EXPECT_EQ(ReadBytes(ascii), QByteArray());
    EXPECT_EQ(recorder.editorFiles, QStringList{ascii});
    ASSERT_EQ(recorder.fileChoosers.size(), 3);
    EXPECT_EQ(recorder.fileChoosers[1].filters[0].description, "Text (*.txt)");
    EXPECT_EQ(recorder.captures[1].job.baud, 9600);
    EXPECT_EQ(recorder.captures[1].job.kind, JobKind::Capture);
}

TEST_F(MainWindowCommands, ACancelledViewerWritesNothingAndKeepsTheMargin) {
    const QString file = test.FolderFile("kept.txt");
    recorder.fileAnswer = file;
    recorder.captureAnswer = {QDialog::Rejected, "data\r\n", true, 12};
    window->OnDataToPrinter();
    window->OnReceiveAscii();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(test.app.settings.Margin, 5);
    EXPECT_TRUE(recorder.editorFiles.isEmpty());
}

TEST_F(MainWindowCommands, AFileThatCannotBeWrittenIsReportedAndNothingFollows) {
    test.app.settings.Comport = QStringLiteral("COM4");
    window->commandLineRequest = {true, false, RequestMode::Capture,
                                  test.FolderFile("no-such-folder/list.txt")};
    recorder.captureAnswer = Captured("data\r\n", true, 7);
    window->OnReceiveAscii();
    ASSERT_EQ(test.messages.shown.size(), 1);
    EXPECT_EQ(test.messages.shown[0].caption, "Corvix");
    EXPECT_EQ(test.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(test.messages.shown[0].text.contains("list.txt"));
    EXPECT_TRUE(recorder.editorFiles.isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(test.app.settings.Margin, 7);
}

// The captured text exists nowhere else: a place that cannot be written is
// reported and another one offered until the text is saved.
TEST_F(MainWindowCommands, ACaptureThatCannotBeSavedWhereChosenCanBeSavedElsewhere) {
    // A folder path through a regular file stops root as well.
    ASSERT_TRUE(WriteBytes(test.FolderFile("plain.txt"), "x"));
    QStringList blocked = {test.FolderFile("plain.txt/list.txt")};
    QDir(test.folder.path()).mkdir("locked");
    if (::geteuid() != 0) {  // permissions do not stop root
        QFile::setPermissions(test.FolderFile("locked"), QFile::ReadOwner | QFile::ExeOwner);
        blocked.append(test.FolderFile("locked/list.txt"));
    }
    const QString elsewhere = test.FolderFile("list.txt");
    const QByteArray bytes = "Tall 24\r\nGran 18\r\n";
    recorder.captureAnswer = Captured(bytes, true);
    const QStringList answers = blocked + blocked + QStringList{elsewhere};
    recorder.fileAnswers = answers;

    window->OnDataToPrinter();
    EXPECT_EQ(ReadBytes(elsewhere), bytes);
    ASSERT_EQ(test.messages.shown.size(), answers.size() - 1);
    ASSERT_EQ(recorder.fileChoosers.size(), answers.size());
    for (int i = 0; i + 1 < answers.size(); ++i) {
        EXPECT_EQ(test.messages.shown[i].icon, MessageIcon::Error);
        EXPECT_TRUE(test.messages.shown[i].text.contains(answers[i]))
            << test.messages.shown[i].text.toStdString();
        // The chooser comes back at the place that failed.
        EXPECT_EQ(recorder.fileChoosers[i + 1].kind, FileChooserRequest::Kind::Save);
        EXPECT_EQ(recorder.fileChoosers[i + 1].startName, answers[i]);
    }
    EXPECT_EQ(recorder.editorFiles, QStringList{elsewhere});

    // In a command-line run the window closes once the text is saved.
    QFile::remove(elsewhere);
    window->commandLineRequest = {true, false, RequestMode::Capture, blocked[0]};
    recorder.fileAnswers = {elsewhere};
    window->OnReceiveAscii();
    EXPECT_EQ(ReadBytes(elsewhere), bytes);
    EXPECT_EQ(recorder.fileChoosers.last().filters[0].description, "Text (*.txt)");
    EXPECT_TRUE(Closed());
    QFile::setPermissions(test.FolderFile("locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// After a failed save, a cancelled chooser asks first: No offers the chooser
// again, Yes discards the text.
TEST_F(MainWindowCommands, ACaptureIsDiscardedAfterAFailedSaveOnlyWhenTheUserSaysSo) {
    ASSERT_TRUE(WriteBytes(test.FolderFile("plain.txt"), "x"));
    const QString blocked = test.FolderFile("plain.txt/list.txt");
    recorder.captureAnswer = Captured("Tall 24\r\n");
    recorder.fileAnswers = {blocked, QString(), test.FolderFile("list.txt")};
    recorder.yesNoAnswers = {false};
    window->OnDataToPrinter();
    EXPECT_EQ(ReadBytes(test.FolderFile("list.txt")), "Tall 24\r\n");

    recorder.fileAnswers = {blocked, QString()};
    recorder.yesNoAnswers = {true};
    window->OnReceiveAscii();
    EXPECT_EQ(recorder.questions,
              QStringList(2, TextAt(test.app.TextTable, TextId::DiscardUnsavedCapture)));
}

TEST_F(MainWindowCommands, AnEditorThatCannotStartIsReported) {
    recorder.fileAnswer = test.FolderFile("list.txt");
    recorder.captureAnswer = Captured("x\n", true);
    recorder.editorStarts = false;
    window->OnReceiveAscii();
    ASSERT_EQ(test.messages.shown.size(), 1);
    EXPECT_TRUE(test.messages.shown[0].text.startsWith("Error opening notepad.exe!\n" +
                                                       test.FolderFile("list.txt")));
    EXPECT_EQ(ReadBytes(test.FolderFile("list.txt")), "x\n");
}

TEST_F(MainWindowCommands, HelpOpensCorvixChmInTheProgramFolder) {
    test.app.ProgramFolder = QStringLiteral("/opt/corvix/");
    window->OnCommand(CommandId::HelpItem);
    EXPECT_EQ(recorder.helpPaths, QStringList{"/opt/corvix//Corvix.chm"});
    EXPECT_TRUE(test.messages.shown.isEmpty());

    test.app.ProgramFolder = QDir::toNativeSeparators(test.folder.path()) + QDir::separator();
    ASSERT_TRUE(test.AddLanguage("DEU"));
    window->OnLanguageCommand(CommandId::FirstLanguageItem);
    window->OnCommand(CommandId::HelpItem);
    EXPECT_EQ(recorder.helpLanguages, (QStringList{"en", "de"}));
}

TEST_F(MainWindowCommands, AboutShowsItsCaptionInTheCurrentLanguageAndClosesWithEnterOrEsc) {
    test.app.TextTable[19] = QStringLiteral("Om Corvix...");
    QList<int> results;
    recorder.dialogAnswer = [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Om Corvix...");
        dialog.show();
        QTest::keyClick(&dialog, results.isEmpty() ? Qt::Key_Return : Qt::Key_Escape);
        results.append(dialog.result());
        return dialog.result();
    };
    window->OnCommand(CommandId::AboutItem);
    window->OnAbout();
    EXPECT_EQ(recorder.dialogs, (QStringList{"CAboutDlg", "CAboutDlg"}));
    EXPECT_EQ(results, (QList<int>{QDialog::Accepted, QDialog::Rejected}));
}

TEST_F(MainWindowCommands, ExitEndsTheWindowWithOkFromButtonAndMenu) {
    window->Button(1)->click();
    EXPECT_TRUE(Closed());
    window->show();
    window->setResult(0);
    window->Popup(0)->actions()[6]->trigger();
    EXPECT_TRUE(Closed());
}

// ---- The command line's request

TEST_F(MainWindowCommands, ACommandLineProgramLoadSendsWithoutAChooserAndCloses) {
    window->commandLineRequest = {true, true, RequestMode::Kermit,
                                  QStringLiteral("/data/prog.m$x")};
    window->RunStartupRequest();
    EXPECT_TRUE(recorder.fileChoosers.isEmpty());
    ASSERT_EQ(recorder.transfers.size(), 1);
    EXPECT_EQ(recorder.transfers[0].job.path, "/data/prog.m$x");
    EXPECT_EQ(test.app.settings.LastFile, "/data/prog.m$x");
    EXPECT_TRUE(Closed());
}

// A folder that is not there is reported before any port is opened.
TEST_F(MainWindowCommands, ACommandLineReceiveSetsLastDirAndCloses) {
    QTemporaryDir in;
    test.app.settings.LastDir = QStringLiteral("/old");
    window->commandLineRequest = {true, false, RequestMode::Kermit, in.path()};
    window->RunStartupRequest();
    EXPECT_TRUE(recorder.folderStarts.isEmpty());
    EXPECT_EQ(test.app.settings.LastDir, in.path());
    ASSERT_EQ(recorder.transfers.size(), 1);
    EXPECT_EQ(recorder.transfers[0].job.path, in.path());
    EXPECT_TRUE(recorder.transfers[0].oneShot);
    EXPECT_TRUE(Closed());

    window->show();
    window->setResult(0);
    window->commandLineRequest.path = in.filePath(QStringLiteral("gone"));
    window->RunStartupRequest();
    EXPECT_EQ(recorder.transfers.size(), 1);
    ASSERT_EQ(test.messages.shown.size(), 1);
    EXPECT_EQ(test.messages.shown[0].text,
              QStringLiteral("The folder %1 does not exist: nothing was received.")
                  .arg(QDir::toNativeSeparators(in.filePath(QStringLiteral("gone")))));
    EXPECT_EQ(test.app.settings.LastDir, in.path());
    EXPECT_TRUE(Closed());
}

TEST_F(MainWindowCommands, ACommandLineCaptureClosesOnDoneAndStaysOpenWhenCancelled) {
    const QString file = test.FolderFile("LIST.TXT");
    window->commandLineRequest = {true, true, RequestMode::Capture,
                                  file};  // a .TXT file named without KERMIT
    recorder.captureAnswer = {QDialog::Rejected, {}, false, 1};
    window->RunStartupRequest();
    ASSERT_EQ(recorder.captures.size(), 1);
    EXPECT_TRUE(recorder.fileChoosers.isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFile::exists(file));

    recorder.captureAnswer = Captured("line\r\n");
    window->RunStartupRequest();
    EXPECT_EQ(ReadBytes(file), "line\r\n");
    EXPECT_TRUE(Closed());
}

TEST_F(MainWindowCommands, NoPortOrNoArgumentsStartNothing) {
    window->commandLineRequest = {true, true, RequestMode::Kermit,
                                  QStringLiteral("/data/prog.m$x")};
    test.app.settings.Comport.clear();
    window->RunStartupRequest();
    window->commandLineRequest = {false, false, RequestMode::Kermit, {}};
    test.app.settings.Comport = QStringLiteral("COM4");
    window->RunStartupRequest();
    EXPECT_TRUE(recorder.transfers.isEmpty());
    EXPECT_TRUE(recorder.captures.isEmpty());
    EXPECT_TRUE(recorder.fileChoosers.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
