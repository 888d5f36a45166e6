// The rules about a received file's name, and the editor launcher.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "WorkerFixture.h"
#include "app/EditorLauncher.h"
#include "app/TextTable.h"
#include "worker/ReceivedFile.h"

namespace worker_test {
namespace {

TEST(ReceivedFile, TextAndPrintNamesOpenInTheEditorInAnyCase) {
    for (const char* name : {"LIST.PRN", "data.txt", "x.Txt", ".prn", "trees.TXT"})
        EXPECT_TRUE(OpensInEditor(name)) << name;
    for (const char* name : {"DATA.TX", "A.T", "TXT", "list.prn.bak", "", "LOGOUT      "})
        EXPECT_FALSE(OpensInEditor(name)) << name;
}

TEST(ReceivedFile, LastFileAndLastDirAndTheDirectoryAnswersLineEnd) {
    EXPECT_EQ(LastFileText("/data/rx",
                           "TR\xc4"
                           "D.TXT"),
              QString::fromUtf8("/data/rx/TRÄD.TXT"));
    EXPECT_EQ(LastDirText("/data/rx"), "/data/rx/");
    EXPECT_EQ(WithoutLineEnd("trees.txt\r\n"), "trees.txt");
    EXPECT_EQ(WithoutLineEnd("trees.txt\r\n\r\n"), "trees.txt");
    EXPECT_EQ(WithoutLineEnd("LOGOUT      "), "LOGOUT      ");
    EXPECT_TRUE(OpensInEditor(WithoutLineEnd("trees.txt\r\n")));
}

// PATH is the process's; these tests put it back.
class EditorPath : public ::testing::Test {
protected:
    void SetUp() override { savedPath_ = qgetenv("PATH"); }
    void TearDown() override { qputenv("PATH", savedPath_); }

private:
    QByteArray savedPath_;
};

TEST_F(EditorPath, NotepadOnPathIsStartedWithTheFileInItsFolder) {
    QTemporaryDir bin, work;
    const QString record = work.filePath("started.txt");
    QFile script(bin.filePath("notepad.exe"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QString("#!/bin/sh\necho \"$(pwd) $*\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                     .arg(record)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", bin.path().toUtf8() + ":" + qgetenv("PATH"));

    EXPECT_EQ(EditorCommandText("LIST.PRN"), "notepad.exe LIST.PRN");
    ASSERT_TRUE(StartEditor("LIST.PRN", work.path()));
    for (int i = 0; i < 200 && !QFile::exists(record); ++i)
        QThread::msleep(10);
    QFile started(record);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(started.readAll().trimmed(),
              (QDir(work.path()).canonicalPath() + " LIST.PRN").toUtf8());
}

// When nothing can open the file, the note says what to install.
TEST_F(EditorPath, WithoutNotepadOrADesktopOpenerStartingFails) {
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toUtf8());
    EXPECT_FALSE(StartEditor("LIST.PRN", empty.path()));
    EXPECT_EQ(EditorFailureText(EnglishTexts(), "/rx/LIST.PRN"),
              "Error opening notepad.exe!\n/rx/LIST.PRN\n" +
                  TextAt(EnglishTexts(), TextId::NoTextOpener));
}

}  // namespace
}  // namespace worker_test
