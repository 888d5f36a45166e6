#include "app/AppCore.h"
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

ParsedCommandLine Read(const QStringList& arguments, const QString& port = QStringLiteral("COM1"),
                       int baud = 3) {
    return ReadCommandLine(arguments, port, baud, DefaultBaudRateList());
}

TEST(CommandLine, NoArgumentsLeavesEverythingAsStored) {
    const ParsedCommandLine parsed = Read({});
    EXPECT_FALSE(parsed.request.fromCommandLine);
    EXPECT_FALSE(parsed.request.isFile);
    EXPECT_EQ(parsed.request.mode, RequestMode::Kermit);
    EXPECT_TRUE(parsed.request.path.isEmpty());
    EXPECT_EQ(parsed.portName, "COM1");
    EXPECT_EQ(parsed.baud, 3);
    EXPECT_EQ(ChooseStartupAction(parsed.request, parsed.portName), StartupAction::None);
}

TEST(CommandLine, PortRateAndProgramFileSendAtOnce) {
    const ParsedCommandLine parsed = Read({"COM5", "BAUD38400", "C:\\out\\prog.m$x"}, QString(), 3);
    EXPECT_TRUE(parsed.request.fromCommandLine);
    EXPECT_EQ(parsed.portName, "COM5");
    EXPECT_EQ(parsed.baud, 5);
    EXPECT_TRUE(parsed.request.isFile);
    EXPECT_EQ(parsed.request.mode, RequestMode::Kermit);
    EXPECT_EQ(parsed.request.path, "C:\\out\\prog.m$x");
    EXPECT_EQ(ChooseStartupAction(parsed.request, parsed.portName), StartupAction::LoadProgram);
}

TEST(CommandLine, BaudMatchesTheOfferedTextsExactlyElseTakesTheNumber) {
    EXPECT_EQ(Read({"BAUD1200"}).baud, 0);
    EXPECT_EQ(Read({"BAUD115200"}).baud, 7);
    EXPECT_EQ(Read({"BAUD038400"}).baud, 38400);
    EXPECT_EQ(Read({"BAUD9600x"}).baud, 9600);
    EXPECT_EQ(Read({"BAUD"}).baud, 0);
    EXPECT_EQ(Read({"BAUDfast"}).baud, 0);
    EXPECT_EQ(Read({"BAUD99999999999999"}).baud, INT_MAX);
    EXPECT_EQ(Read({"baud1200"}).request.path, "baud1200");  // no keyword: a folder
}

TEST(CommandLine, KermitMakesATextFileASendWhereverItStands) {
    for (const QStringList& arguments :
         {QStringList{"KERMIT", "C:\\data\\list.txt"}, QStringList{"C:\\data\\list.txt", "KERMIT"},
          QStringList{"KERMITXYZ", "C:\\data\\LIST.TXT"}}) {
        const ParsedCommandLine parsed = Read(arguments);
        EXPECT_TRUE(parsed.request.isFile) << arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.request.mode, RequestMode::Kermit) << arguments.join(' ').toStdString();
        EXPECT_EQ(ChooseStartupAction(parsed.request, parsed.portName), StartupAction::LoadProgram);
    }
}

TEST(CommandLine, TextFileWithoutKermitIsCapturedIntoThatFile) {
    const ParsedCommandLine parsed = Read({"C:\\data\\list.TxT"});
    EXPECT_TRUE(parsed.request.isFile);
    EXPECT_EQ(parsed.request.mode, RequestMode::Capture);
    EXPECT_EQ(ChooseStartupAction(parsed.request, parsed.portName), StartupAction::ReceiveAscii);

    // A later folder token becomes the capture file.
    const ParsedCommandLine folder = Read({"a.txt", "C:\\capture"});
    EXPECT_FALSE(folder.request.isFile);
    EXPECT_EQ(folder.request.mode, RequestMode::Capture);
    EXPECT_EQ(folder.request.path, "C:\\capture");
    EXPECT_EQ(ChooseStartupAction(folder.request, folder.portName), StartupAction::ReceiveAscii);
}

TEST(CommandLine, ProgramExtensionsSelectKermitAndOthersKeepTheMode) {
    EXPECT_EQ(Read({"a.txt", "b.512"}).request.mode, RequestMode::Kermit);
    EXPECT_EQ(Read({"a.txt", "b.128"}).request.mode, RequestMode::Kermit);
    EXPECT_EQ(Read({"a.txt", "b.B$N"}).request.mode, RequestMode::Kermit);
    EXPECT_EQ(Read({"a.txt", "b.M$X"}).request.mode, RequestMode::Kermit);
    EXPECT_EQ(Read({"a.txt", "b.dat"}).request.mode, RequestMode::Capture);
    EXPECT_EQ(Read({"b.dat"}).request.mode, RequestMode::Kermit);
}

TEST(CommandLine, QuotesAreStrippedFromFileTokensOnly) {
    EXPECT_EQ(Read({"\"\"C:\\my files\\list.txt\""}).request.path, "C:\\my files\\list.txt");
    EXPECT_EQ(Read({"\"C:\\my files\\list.txt\""}).request.mode, RequestMode::Capture);
    EXPECT_EQ(Read({"\"C:\\incoming\""}).request.path, "\"C:\\incoming\"");
    EXPECT_EQ(Read({"\".\""}).request.path, ".");
    EXPECT_TRUE(Read({"\"\".\"\""}).request.isFile);
}

TEST(CommandLine, TokenWithoutDotIsAReceiveFolder) {
    const ParsedCommandLine parsed = Read({"C:\\data\\incoming"});
    EXPECT_FALSE(parsed.request.isFile);
    EXPECT_EQ(parsed.request.mode, RequestMode::Kermit);
    EXPECT_EQ(parsed.request.path, "C:\\data\\incoming");
    EXPECT_EQ(ChooseStartupAction(parsed.request, parsed.portName), StartupAction::KermitReceive);
}

TEST(CommandLine, FolderWithADotIsTakenAsAFile) {
    const ParsedCommandLine parsed = Read({"C:\\data.2024\\in"});
    EXPECT_TRUE(parsed.request.isFile);
    EXPECT_EQ(parsed.request.path, "C:\\data.2024\\in");
    EXPECT_EQ(ChooseStartupAction(parsed.request, parsed.portName), StartupAction::LoadProgram);
}

TEST(CommandLine, KeywordsAreMatchedWithExactCase) {
    const ParsedCommandLine parsed = Read({"a.txt", "kermit"});
    EXPECT_EQ(parsed.request.path, "kermit");
    EXPECT_FALSE(parsed.request.isFile);
    EXPECT_EQ(parsed.request.mode, RequestMode::Capture);
    EXPECT_EQ(Read({"com5"}).portName, "COM1");
    EXPECT_EQ(Read({"com5"}).request.path, "com5");
}

TEST(CommandLine, LaterPathsReplaceEarlierOnes) {
    const ParsedCommandLine parsed = Read({"C:\\first", "D:\\second.m$x", "E:\\third"});
    EXPECT_EQ(parsed.request.path, "E:\\third");
    EXPECT_FALSE(parsed.request.isFile);
}

TEST(CommandLine, PortTokens) {
    EXPECT_EQ(Read({"COM12"}).portName, "COM12");
    EXPECT_EQ(Read({"COM"}).portName, "COM0");
    EXPECT_EQ(Read({"COM-1"}).portName, "");
    const ParsedCommandLine device = Read({"/dev/ttyUSB0", "BAUD4800"});
    EXPECT_EQ(device.portName, "/dev/ttyUSB0");
    EXPECT_EQ(device.baud, 2);
    EXPECT_TRUE(device.request.path.isEmpty());
    // A device path may hold a dot and is still a port, not a file.
    EXPECT_EQ(Read({"/dev/tty.usbserial-A1"}).portName, "/dev/tty.usbserial-A1");
    EXPECT_FALSE(Read({"/dev/tty.usbserial-A1"}).request.isFile);
}

TEST(CommandLine, PathsAreKeptAsTyped) {
    const QString greek = QString::fromUtf8("/home/δοκιμή/Ζώνη 3/μετρήσεις");
    EXPECT_EQ(Read({greek}).request.path, greek);
    const QString cyrillic = QString::fromUtf8("C:\\данные\\лес.m$x");
    EXPECT_EQ(Read({cyrillic}).request.path, cyrillic);
    const QString longPath = QStringLiteral("/tmp/") + QString(3000, u'x');
    EXPECT_EQ(Read({longPath}).request.path, longPath);
}

TEST(CommandLine, NothingStartsWithoutAPort) {
    const ParsedCommandLine parsed = Read({"C:\\out\\prog.m$x"}, QString());
    EXPECT_EQ(ChooseStartupAction(parsed.request, parsed.portName), StartupAction::None);
}

// A word that starts with "-" asks about the program and is never taken as
// a receive folder; the first such word decides what is asked.
TEST(CommandLine, OptionsAreAnsweredAndNeverNameAFolder) {
    struct Case {
        QStringList arguments;
        InfoRequest request;
        int status;
        const char* starts;
    };
    const Case cases[] = {
        {{"--help"}, InfoRequest::Help, 0, "Usage: Corvix "},
        {{"COM5", "-h", "rx"}, InfoRequest::Help, 0, "Usage: Corvix "},
        {{"-?"}, InfoRequest::Help, 0, "Usage: Corvix "},
        {{"--version", "--help"}, InfoRequest::Version, 0, "Corvix 1."},
        {{"-v"}, InfoRequest::Version, 0, "Corvix 1."},
        {{"rx", "--helpme"}, InfoRequest::UnknownOption, 2, "Corvix: unknown option '--helpme'"},
        {{"-"}, InfoRequest::UnknownOption, 2, "Corvix: unknown option '-'"},
        {{"rx", "plot.dat"}, InfoRequest::None, 0, ""},
    };
    for (const Case& c : cases) {
        const CommandLineInfo info = ReadInfoRequest(c.arguments);
        EXPECT_EQ(info.request, c.request) << c.arguments.join(' ').toStdString();
        const InfoAnswer answer = AnswerInfoRequest(info, QStringLiteral("1.4.25"));
        EXPECT_TRUE((answer.text + QLatin1Char('|')).startsWith(QLatin1String(c.starts)))
            << answer.text.toStdString();
        EXPECT_EQ(answer.status, c.status);
        EXPECT_EQ(answer.isError, c.status != 0);
        const ParsedCommandLine parsed = Read(c.arguments);
        EXPECT_FALSE(parsed.request.path.startsWith(u'-')) << parsed.request.path.toStdString();
    }
    EXPECT_EQ(Read({"--help"}).request.path, QString());
}

}  // namespace
