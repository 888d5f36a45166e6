// The built corvix-cli, run as a user or a script would run it.
#include <poll.h>

#include <functional>
#include <utility>

#include "CliFixture.h"
#include "ScriptedPort.h"

namespace {

using namespace cli_test;

TEST_F(Cli, SendDeliversTheFileToCKermit) {
    REQUIRE_CKERMIT();
    const std::string content = RandomBytes(40000);
    WriteWholeFile(root / "plots.dat", content);
    StartCKermit({"receive"});
    EXPECT_EQ(Run({"send", "--port", PortA(), "--baud", "115200", "plots.dat"}), 0) << err;
    peer.Wait(10000);
    EXPECT_TRUE(ReadWholeFile(root / "peer" / "plots.dat") == content);
    const std::string file = (root / "plots.dat").string();
    EXPECT_EQ(out, file + ": 40000 bytes, sent\nFiles: 1\n");
    EXPECT_EQ(err, "corvix-cli: done: " + file + "\n");  // not a terminal: no progress
}

// --packet-length and --window reach the Send-Init: C-Kermit's packet log
// shows long packets (LEN 0, the extended header) from Corvix. Values out of
// range are refused with their range.
TEST_F(Cli, SendProposesLongPacketsAndASlidingWindowWhenAskedAndRefusesBadValues) {
    EXPECT_EQ(Run({"send", "--packet-length", "93", "x.dat"}), 2);
    EXPECT_NE(err.find("bad value for --packet-length: '93' (94 to 4096)"), std::string::npos)
        << err;
    EXPECT_EQ(Run({"receive", "--window", "32"}), 2);
    EXPECT_NE(err.find("bad value for --window: '32' (1 to 31)"), std::string::npos) << err;
    EXPECT_EQ(Run({"send", "--window", "four", "x.dat"}), 2);
    EXPECT_EQ(Run({"capture", "--window", "4"}), 2);

    REQUIRE_CKERMIT();
    const std::string content = RandomBytes(40000);
    WriteWholeFile(root / "plots.dat", content);
    const std::string log = (root / "packets.log").string();
    StartCKermit(
        {"set window 8", "set receive packet-length 4000", "log packets " + log, "receive"});
    EXPECT_EQ(Run({"send", "--port", PortA(), "--baud", "115200", "--packet-length", "4000",
                   "--window", "8", "plots.dat"}),
              0)
        << err;
    peer.Wait(10000);
    EXPECT_TRUE(ReadWholeFile(root / "peer" / "plots.dat") == content);
    // A long D, sequence 3: the attribute packet, which C-Kermit takes, went as 2.
    EXPECT_NE(ReadWholeFile(log).find("-^A #D"), std::string::npos);
}

// --prefixing reaches the offer: with cautious prefixing chosen, control
// characters a line cannot be harmed by reach C-Kermit raw in the data
// packets, with the others still prefixed; a value it does not take is
// refused.
TEST_F(Cli, SendWithCautiousPrefixingLeavesHarmlessControlsRawAndRefusesBadValues) {
    EXPECT_EQ(Run({"send", "--prefixing", "some", "x.dat"}), 2);
    EXPECT_NE(err.find("bad value for --prefixing: 'some'"), std::string::npos) << err;
    EXPECT_EQ(Run({"capture", "--prefixing", "all"}), 2);

    REQUIRE_CKERMIT();
    std::string content;
    for (int i = 0; i < 500; ++i)
        content += "\x02\x05\x01\r";
    WriteWholeFile(root / "controls.dat", content);
    const std::string log = (root / "packets.log").string();
    StartCKermit({"log packets " + log, "receive"});
    EXPECT_EQ(Run({"send", "--port", PortA(), "--baud", "115200", "--prefixing", "cautious",
                   "controls.dat"}),
              0)
        << err;
    peer.Wait(10000);
    EXPECT_TRUE(ReadWholeFile(root / "peer" / "controls.dat") == content);
    const std::string packets = ReadWholeFile(log);
    EXPECT_NE(packets.find("\x02\x05#A#M\x02\x05"), std::string::npos) << packets.substr(0, 600);
    EXPECT_EQ(packets.find("#B#E"), std::string::npos);
}

TEST_F(Cli, ReceiveEndsAfterCountTransactions) {
    REQUIRE_CKERMIT();
    const std::string first = RandomBytes(9000), second = "Tall;23.5\r\n";
    WriteWholeFile(root / "peer" / "first.bin", first);
    WriteWholeFile(root / "peer" / "second.txt", second);
    StartCKermit({"send first.bin", "send second.txt"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--count", "2", "--quiet"}), 0)
        << err;
    EXPECT_TRUE(ReadWholeFile(root / "rx" / "first.bin") == first);
    EXPECT_EQ(ReadWholeFile(root / "rx" / "second.txt"), second);
}

TEST_F(Cli, EachTransactionSaysWhatItWasAFileInOrTheCaliperLoggingOut) {
    REQUIRE_CKERMIT();
    WriteWholeFile(root / "peer" / "first.bin", RandomBytes(3000));
    StartCKermit({"send first.bin", "remote directory", "bye"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--count", "3"}), 0) << err;
    EXPECT_NE(err.find("corvix-cli: done: "), std::string::npos) << err;
    EXPECT_NE(err.find("rx/first.bin\n"), std::string::npos) << err;
    EXPECT_NE(err.find("was answered with the text 'first.bin'.\n"), std::string::npos) << err;
    EXPECT_NE(err.find("corvix-cli: the caliper logged out\n"), std::string::npos) << err;
    EXPECT_EQ(err.find("LOGOUT"), std::string::npos) << err;
}

// A receive ends with one line for each file and what became of it, then
// their count, after the lines of the transactions; --quiet leaves them out.
TEST_F(Cli, AReceiveEndsWithEachFileItsSizeAndTheCount) {
    REQUIRE_CKERMIT();
    WriteWholeFile(root / "peer" / "first.bin", RandomBytes(9000));
    WriteWholeFile(root / "peer" / "second.txt", "Tall;23.5\r\n");
    StartCKermit({"send first.bin", "send second.txt"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--count", "2"}), 0) << err;
    const std::string rx = (root / "rx").string();
    // The list alone goes to standard output, so that a script can keep it.
    EXPECT_EQ(out, rx + "/first.bin: 9000 bytes, received\n" + rx +
                       "/second.txt: 11 bytes, received\nFiles: 2\n");
    EXPECT_EQ(err.find("Files:"), std::string::npos) << err;

    peer.Kill();
    StartCKermit({"send first.bin"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--count", "1", "--quiet",
                   "--on-exists", "replace"}),
              0)
        << err;
    EXPECT_EQ(out.find("Files:"), std::string::npos) << out;
}

// A file the sender breaks off with its E fails the run; the caliper's
// finish does not: it is answered, as a logout.
TEST_F(Cli, ReceiveEndedByAFailedTransactionExitsWith1AndSaysWhy) {
    Start({"receive", "--port", PortA(), "--dir", "rx"});
    WaitUntilPortReady();
    WriteToLine(kermit_test::MakePacket(0, 'S', "~! @-#Y1") +
                kermit_test::MakePacket(1, 'F', "plot.dat") +
                kermit_test::MakePacket(2, 'E', "STOPPED"));
    EXPECT_EQ(Finish(), 1);
    EXPECT_NE(err.find("transfer failed: "), std::string::npos) << err;

    REQUIRE_CKERMIT();
    char stale[4096];  // corvix-cli's answers, which C-Kermit must not take for its own
    for (pollfd p{peerFd, POLLIN, 0}; ::poll(&p, 1, 200) > 0;)
        if (::read(peerFd, stale, sizeof stale) <= 0) break;
    StartCKermit({"finish"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--count", "1"}), 0) << err;
    EXPECT_NE(err.find("the caliper logged out"), std::string::npos) << err;
}

TEST_F(Cli, AnExistingFileIsKeptWhenTheAnswerIsCancelOrNobodyCanBeAsked) {
    REQUIRE_CKERMIT();
    for (const char* onExists : {"cancel", "ask"}) {
        WriteWholeFile(root / "rx" / "plot.dat", "old");
        WriteWholeFile(root / "peer" / "plot.dat", "new");
        StartCKermit({"send plot.dat"});
        EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--on-exists", onExists}), 1)
            << onExists << err;
        EXPECT_EQ(ReadWholeFile(root / "rx" / "plot.dat"), "old") << onExists;
        EXPECT_NE(err.find((root / "rx" / "plot.dat").string() + " exists and is kept as it is"),
                  std::string::npos)
            << err;
        peer.Kill();
    }
    StartCKermit({"send plot.dat"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--on-exists", "replace", "--count",
                   "1"}),
              0);
    EXPECT_EQ(ReadWholeFile(root / "rx" / "plot.dat"), "new");
}

TEST_F(Cli, CaptureWritesEveryLineEvenAnUnfinishedOneAndEndsWithZeroOnSigint) {
    WriteWholeFile(root / "trees.txt", "yesterday's capture");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(root / "trees.txt", mode);
    Start({"capture", "--port", PortA(), "--out", "trees.txt"});
    WaitUntilPortReady();
    const std::string text =
        "Tall;23.5;\r\n" + std::string(700, 'g') + "\r\n" + std::string("Gran;\0;\r\n", 9);
    WriteToLine(text);
    // Each piece is written as soon as it arrived, beside the old file,
    // which stays as it was until the capture ends.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(CaptureSoFar("trees.txt"), text);
    WriteToLine("unfinished");  // kept, though no line end follows
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(ReadWholeFile(root / "trees.txt"), "yesterday's capture");
    const auto stopAt = Clock::now();
    Signal(SIGINT);
    EXPECT_EQ(Finish(5000), 0) << err;
    EXPECT_LT(Clock::now() - stopAt, std::chrono::milliseconds(1000));
    EXPECT_EQ(ReadWholeFile(root / "trees.txt"), text + "unfinished");
    EXPECT_EQ(CaptureSoFar("trees.txt"), "");
    EXPECT_EQ(fs::status(root / "trees.txt").permissions(), mode);
    EXPECT_FALSE(DeviceLocked(line->DevicePath(0)));
}

// A closed terminal ends a capture as a stop does; a capture that cannot be
// written keeps what it captured in its new file and says where and why.
TEST_F(Cli, CaptureEndsWellOnSighupAndKeepsItsTextWhenItCannotWrite) {
    const std::string text = "Tall;23.5;\r\nGran;17.0;\r\n";
    WriteWholeFile(root / "trees.txt", "yesterday");
    CaptureOnRunningLine("trees.txt", text);
    Signal(SIGHUP);
    EXPECT_EQ(Finish(5000), 0) << err;
    EXPECT_EQ(ReadWholeFile(root / "trees.txt"), text);
    EXPECT_EQ(CaptureSoFar("trees.txt"), "");

    // The file size limit stands in for a full disk.
    std::string lines;
    for (int i = 0; i < 40; ++i)
        lines += "Bjork;" + std::to_string(1000 + i) + ";12.25;\r\n";
    LimitChild(RLIMIT_FSIZE, 512);
    Start({"capture", "--port", PortA(), "--out", "trees.txt", "--max-time", "3"});
    WaitUntilPortReady();
    WriteToLine(lines);
    EXPECT_EQ(Finish(10000), 4) << err;
    EXPECT_EQ(ReadWholeFile(root / "trees.txt"), text);
    const std::string kept = CaptureSoFar("trees.txt");
    EXPECT_FALSE(kept.empty());
    EXPECT_TRUE(lines.rfind(kept, 0) == 0);
    EXPECT_NE(err.find(Prefixed("corvix-cli: Could not write file!\ntrees.txt\nFile too large\n"
                                "What was captured is kept in trees.txt.")),
              std::string::npos)
        << err;
}

TEST_F(Cli, CaptureToStandardOutputEndsAtMaxTime) {
    Start({"capture", "--port", PortA(), "--baud", "4800", "--max-time", "1.2"});
    WaitUntilPortReady();
    WriteToLine("Bjork;12.25\r\n");
    const auto started = Clock::now();
    EXPECT_EQ(Finish(5000), 0) << err;
    EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(1500));
    EXPECT_EQ(out, "Bjork;12.25\r\n");
}

TEST_F(Cli, AStoppedSendExitsWithTheStatusOfItsCauseAndOneLine) {
    // Nobody answers on the line: the send waits until it is stopped.
    WriteWholeFile(root / "plots.dat", "data");
    const std::string notSent = "; " + (root / "plots.dat").string() + " was not sent whole\n";
    const struct {
        int signal;
        int status;
        std::string line;
    } stops[] = {
        {SIGINT, 130, "corvix-cli: stopped by Ctrl+C (SIGINT)" + notSent},
        {SIGTERM, 143, "corvix-cli: stopped by SIGTERM" + notSent},
        {SIGHUP, 129, "corvix-cli: stopped: the terminal went away (SIGHUP)" + notSent},
    };
    for (const auto& stop : stops) {
        Start({"send", "--port", PortA(), "plots.dat"});
        WaitUntilPortReady();
        Signal(stop.signal);
        EXPECT_EQ(Finish(5000), stop.status) << err;
        EXPECT_EQ(err, stop.line);
    }
    Start({"send", "--port", PortA(), "--max-time", "0.5", "plots.dat"});
    EXPECT_EQ(Finish(5000), 124) << err;
    EXPECT_EQ(err, "corvix-cli: the time limit of --max-time ran out" + notSent);
}

TEST_F(Cli, ACaptureWaitsForAVanishedAdapterAndASendEndsWithStatus1AndSaysSo) {
    // A capture keeps every line that came before the adapter went away,
    // waits for it, and adds what comes once it is back.
    linesim::Options options;
    options.linkA = (root / "caliper").string();
    line = std::make_unique<linesim::LineSim>(options);
    ASSERT_TRUE(line->IsRunning()) << line->Error();
    const std::string text = "Tall;23.5;\r\nGran;17.0;\r\n";
    CaptureOnRunningLine("trees.txt", text);
    line->CloseEnd(0);
    const std::string waiting =
        "corvix-cli: The connection to the caliper was lost: waiting for the caliper to be "
        "plugged in again (" +
        line->Path(0) + ")\n";
    ASSERT_TRUE(line->ReplugEnd(0)) << line->Error();
    WaitUntilPortReady();
    WriteToLine("Bok;31.0;\r\n");
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (CaptureSoFar("trees.txt").size() < text.size() + 11 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Signal(SIGINT);
    EXPECT_EQ(Finish(5000), 0) << err;
    EXPECT_EQ(err, waiting + "corvix-cli: the caliper is back on " + line->Path(0) + "\n");
    EXPECT_EQ(ReadWholeFile(root / "trees.txt"), text + "Bok;31.0;\r\n");

    // A send waiting for the caliper's answer does not wait for the adapter.
    line = std::make_unique<linesim::LineSim>();
    ASSERT_TRUE(line->IsRunning()) << line->Error();
    WriteWholeFile(root / "plots.dat", "data");
    Start({"send", "--port", PortA(), "plots.dat"});
    WaitUntilPortReady();
    line->CloseEnd(0);
    EXPECT_EQ(Finish(5000), 1) << err;
    EXPECT_EQ(err, "corvix-cli: The connection to the caliper was lost while " +
                       (root / "plots.dat").string() +
                       " was being sent. The caliper has lost its half of the transfer: send the "
                       "file again once the caliper is plugged in again.\n");
}

TEST_F(Cli, ExitStatusesForUsagePortAndFileFailures) {
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(err, "corvix-cli: no command given\nTry 'corvix-cli --help'.\n");
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(out.rfind("usage: corvix-cli", 0), 0u);
    EXPECT_EQ(err, "");
    EXPECT_EQ(Run({"fetch"}), 2);
    EXPECT_EQ(Run({"send", "--port", PortA()}), 2);
    EXPECT_EQ(Run({"send", "--port", PortA(), "x.dat", ""}), 2);
    EXPECT_NE(err.find("send needs one FILE or more, none of them empty"), std::string::npos)
        << err;
    EXPECT_EQ(Run({"receive", "--baud", "14400"}), 2);
    EXPECT_EQ(Run({"capture", "--count", "2"}), 2);
    EXPECT_EQ(Run({"receive", "--max-time"}), 2);

    EXPECT_EQ(Run({"capture", "--port", "/dev/corvix-no-such-port", "--max-time", "1"}), 3);
    EXPECT_EQ(err.rfind("corvix-cli: ERROR: Comport!\ncorvix-cli: /dev/corvix-no-such-port\n", 0),
              0u);
    // A capture whose port never opened leaves its file as it was.
    WriteWholeFile(root / "old.txt", "yesterday");
    const std::size_t files = FilesInRoot();
    EXPECT_EQ(Run({"capture", "--port", "/dev/nonexistent", "--out", "old.txt"}), 3);
    EXPECT_EQ(err.rfind("corvix-cli: ERROR: Comport!\ncorvix-cli: /dev/nonexistent\n", 0), 0u);
    EXPECT_EQ(ReadWholeFile(root / "old.txt"), "yesterday");
    EXPECT_EQ(FilesInRoot(), files);
    const int holder = ::open(line->Path(0).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--max-time", "1"}), 3);
    ::close(holder);

    EXPECT_EQ(Run({"send", "--port", PortA(), "missing.dat"}), 4);
    EXPECT_EQ(err, Prefixed("corvix-cli: Could not open file!\n" + (root / "missing.dat").string() +
                            "\nNo such file or directory\n"));
    EXPECT_EQ(Run({"capture", "--port", PortA(), "--out", "no/such/folder/x.txt"}), 4);
    EXPECT_EQ(err,
              Prefixed("corvix-cli: Could not open file!\nno/such/folder/x.txt\nNo such file or "
                       "directory\n"));
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "no-such-folder"}), 4);
}

// End B of the line, read on a thread of its own: each piece up to a CR
// (a packet, with whatever came before it) goes to `onLine`, which may
// answer through Write. Declared last in its owner, so that the thread stops
// before the owner's other members go.
class PeerEnd {
public:
    using OnLine = std::function<void(PeerEnd&, const std::string&)>;
    PeerEnd(const std::string& device, OnLine onLine)
        : fd_(::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)), onLine_(std::move(onLine)) {
        thread_ = std::thread([this] { Serve(); });
    }
    ~PeerEnd() {
        stop_ = true;
        thread_.join();
        if (fd_ >= 0) ::close(fd_);
    }
    bool Write(const std::string& bytes) { return ::write(fd_, bytes.data(), bytes.size()) >= 0; }

private:
    void Serve() {
        std::string pending;
        while (!stop_ && fd_ >= 0) {
            pollfd p{fd_, POLLIN, 0};
            char chunk[256];
            if (::poll(&p, 1, 50) <= 0) continue;
            const ssize_t n = ::read(fd_, chunk, sizeof chunk);
            if (n <= 0) return;
            pending.append(chunk, static_cast<std::size_t>(n));
            for (std::size_t end; (end = pending.find('\r')) != std::string::npos;) {
                const std::string line = pending.substr(0, end);
                pending.erase(0, end + 1);
                onLine_(*this, line);
            }
        }
    }

    int fd_;
    OnLine onLine_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// A receiving peer on end B that acknowledges everything (its Send-Init asks
// for a time-out of 2 s) but answers the closing B only as `answerBreak`
// says: not at all, or without the CR after the check.
class BreakPeer {
public:
    BreakPeer(const std::string& device, bool answerBreak)
        : answerBreak_(answerBreak),
          end_(device, [this](PeerEnd& end, const std::string& line) { Answer(end, line); }) {}
    std::atomic<int> breaks{0};

private:
    void Answer(PeerEnd& end, const std::string& line) {
        const std::size_t start = line.rfind('\x01');
        if (start == std::string::npos || line.size() - start < 5) return;
        const char type = line[start + 3];
        std::string answer =
            kermit_test::MakePacket(line[start + 2] - 32, 'Y', type == 'S' ? "~\" @-#Y1 " : "");
        if (type == 'B') {
            ++breaks;
            if (!answerBreak_) return;
            answer.pop_back();
        }
        end.Write(answer);
    }

    bool answerBreak_;
    PeerEnd end_;
};

TEST_F(Cli, ASendEndsAsDoneWhenTheAnswerToTheClosingBreakIsLostOrLacksItsEnd) {
    WriteWholeFile(root / "plots.dat", RandomBytes(3000));
    for (const bool answerBreak : {false, true}) {
        SCOPED_TRACE(answerBreak ? "answer without CR" : "no answer");
        BreakPeer peer(line->Path(1), answerBreak);
        EXPECT_EQ(Run({"send", "--port", PortA(), "plots.dat"}, 40000), 0) << err;
        EXPECT_EQ(err, "corvix-cli: done: " + (root / "plots.dat").string() + "\n");
        EXPECT_EQ(peer.breaks, answerBreak ? 1 : 5);
    }
}

// A sender on end B that answers each packet of corvix-cli with the next of
// its script, as a Kermit sender does; once the script has run out it is
// silent, and `onEnd` runs when the answer to its last packet comes.
class ScriptedSender {
public:
    ScriptedSender(const std::string& device, std::vector<std::string> script,
                   std::function<void()> onEnd = {})
        : script_(std::move(script)),
          onEnd_(std::move(onEnd)),
          end_(device, [this](PeerEnd& end, const std::string&) { Answer(end); }) {}

private:
    void Answer(PeerEnd& end) {
        if (next_ == script_.size()) {
            if (onEnd_) std::exchange(onEnd_, nullptr)();
            return;
        }
        if (end.Write(script_[next_])) ++next_;
    }

    std::vector<std::string> script_;
    std::function<void()> onEnd_;
    std::size_t next_ = 0;
    PeerEnd end_;
};

// The start of a file: its S (a time-out of 1 s, no repeat counts), its F and
// its data packets, numbered from `seq` on.
std::vector<std::string> FileStart(const std::string& name, const std::vector<std::string>& data,
                                   int seq = 0) {
    std::vector<std::string> script;
    if (seq == 0) script.push_back(kermit_test::MakePacket(seq++, 'S', "~! @-#Y1"));
    script.push_back(kermit_test::MakePacket(seq++, 'F', name));
    for (const std::string& field : data)
        script.push_back(kermit_test::MakePacket(seq++, 'D', field));
    return script;
}

// Whatever ends a file before it is whole (a stop while the sender is silent,
// an E from the sender, the line lost, the sender's Z with "D"), the file that
// was there stays as it was and what arrived is kept beside it in a marked
// file that an earlier one's does not overwrite; the message names both and
// the byte count.
TEST_F(Cli, AFileThatDoesNotArriveWholeLeavesTheOldFileAndKeepsWhatCame) {
    const fs::path target = root / "rx" / "plot.dat";
    WriteWholeFile(target, "yesterday's 50 kB");
    // The port is named anew each time: the line is replaced after it goes away.
    const auto receive = [this] {
        return QStringList{"receive", "--port", PortA(), "--dir", "rx", "--on-exists", "replace"};
    };
    const auto expectKept = [&](const std::string& kept, const std::string& bytes) {
        EXPECT_EQ(ReadWholeFile(target), "yesterday's 50 kB");
        EXPECT_EQ(ReadWholeFile(root / "rx" / kept), bytes);
        const std::string message = " What arrived is kept in " + (root / "rx" / kept).string() +
                                    " (" + std::to_string(bytes.size()) + " bytes).";
        EXPECT_NE(err.find(message), std::string::npos) << err;
        EXPECT_NE(err.find(target.string()), std::string::npos) << err;
    };
    {  // the sender goes silent and the run is stopped mid-file, twice
        for (const char* kept : {"plot.dat.part", "plot.dat.2.part"}) {
            ScriptedSender sender(line->Path(1), FileStart("plot.dat", {"first ", "second"}));
            EXPECT_EQ(Run(receive() + QStringList{"--max-time", "1.5"}), 124) << err;
            expectKept(kept, "first second");
        }
        EXPECT_EQ(ReadWholeFile(root / "rx" / "plot.dat.part"), "first second");
        fs::remove(root / "rx" / "plot.dat.2.part");
    }
    {  // the sender gives up with E
        auto script = FileStart("plot.dat", {"half"});
        script.push_back(kermit_test::MakePacket(3, 'E', "cancelled"));
        ScriptedSender sender(line->Path(1), script);
        EXPECT_EQ(Run(receive()), 1) << err;
        expectKept("plot.dat.2.part", "half");
        EXPECT_NE(err.find("transfer failed: ERR: GETDATA"), std::string::npos) << err;
        EXPECT_NE(err.find("\ncorvix-cli: The caliper ended the transfer of " + target.string() +
                           ". It says: cancelled\n"),
                  std::string::npos)
            << err;
    }
    {  // the line goes away: the run waits for the adapter until --max-time
        ScriptedSender sender(line->Path(1), FileStart("plot.dat", {"lost"}),
                              [this] { line->CloseEnd(0); });
        EXPECT_EQ(Run(receive() + QStringList{"--max-time", "3"}), 124) << err;
        expectKept("plot.dat.3.part", "lost");
        EXPECT_NE(err.find("waiting for the caliper to be plugged in again"), std::string::npos)
            << err;
        line = std::make_unique<linesim::LineSim>();
        ASSERT_TRUE(line->IsRunning()) << line->Error();
    }
    {  // the sender discards the file and goes on with the next of its batch
        auto script = FileStart("plot.dat", {"partial"});
        script.push_back(kermit_test::MakePacket(3, 'Z', "D"));
        for (const std::string& p : FileStart("next.dat", {"whole"}, 4))
            script.push_back(p);
        script.push_back(kermit_test::MakePacket(6, 'Z', ""));
        script.push_back(kermit_test::MakePacket(7, 'B', ""));
        ScriptedSender sender(line->Path(1), script);
        EXPECT_EQ(Run(receive() + QStringList{"--count", "2"}), 1) << err;
        expectKept("plot.dat.4.part", "partial");
        EXPECT_NE(err.find(target.string() + " was discarded by the sender."), std::string::npos)
            << err;
        EXPECT_EQ(ReadWholeFile(root / "rx" / "next.dat"), "whole");
        EXPECT_NE(err.find("done: "), std::string::npos) << err;
        EXPECT_NE(err.find("transfer failed: a file was discarded by the sender"),
                  std::string::npos);
        EXPECT_NE(out.find(target.string() + ": incomplete, 7 bytes kept in " +
                           (root / "rx" / "plot.dat.4.part").string() + "\n"),
                  std::string::npos)
            << err;
    }
}

// A file that cannot be made (a folder is in its way) or written (the file
// size limit, as a full disk) is named with the reason, exit 4; the file that
// was there stays, and what could be written is kept in the marked file.
TEST_F(Cli, AFileThatCannotBeMadeOrWrittenIsNamedWithTheReasonAndExits4) {
    fs::create_directories(root / "rx" / "plot.dat");
    {
        ScriptedSender sender(line->Path(1), FileStart("plot.dat", {}));
        EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--on-exists", "replace"}), 4);
        EXPECT_NE(err.find(Prefixed("corvix-cli: Could not open file!\n" +
                                    (root / "rx" / "plot.dat").string() + "\nIs a directory\n")),
                  std::string::npos)
            << err;
    }
    const fs::path target = root / "rx" / "big.dat";
    WriteWholeFile(target, "old big");
    auto script = FileStart("big.dat", std::vector<std::string>(16, std::string(80, 'x')));
    script.push_back(kermit_test::MakePacket(18, 'Z', ""));
    ScriptedSender sender(line->Path(1), script);
    LimitChild(RLIMIT_FSIZE, 512);
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--on-exists", "replace"}), 4)
        << err;
    EXPECT_EQ(ReadWholeFile(target), "old big");
    const std::string kept = ReadWholeFile(root / "rx" / "big.dat.part");
    EXPECT_GT(kept.size(), 0u);
    EXPECT_LT(kept.size(), 16u * 80u);
    EXPECT_EQ(kept, std::string(kept.size(), 'x'));
    EXPECT_NE(err.find(Prefixed("corvix-cli: Could not write file!\n" + target.string() +
                                "\nFile too large")),
              std::string::npos)
        << err;
    EXPECT_NE(err.find(target.string() + ".part (" + std::to_string(kept.size()) + " bytes)"),
              std::string::npos)
        << err;
}

TEST_F(Cli, AMissingFileIsRefusedAndTheServerGoesOnToServeTheNext) {
    REQUIRE_CKERMIT();
    const std::string content = RandomBytes(20000);
    WriteWholeFile(root / "rx" / "trees.dat", content);
    StartCKermit({"log packets packets.log", "get missing.dat", "echo GET1 \\v(status)",
                  "get trees.dat", "echo GET2 \\v(status)"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--count", "1", "--quiet"}), 0)
        << err;
    peer.Wait(10000);
    EXPECT_TRUE(ReadWholeFile(root / "peer" / "trees.dat") == content);
    EXPECT_NE(ReadWholeFile(root / "peer" / "packets.log").find("EFILE NOT FOUND"),
              std::string::npos);
    const std::string log = ReadWholeFile(root / "peer.log");
    EXPECT_NE(log.find("GET1 1"), std::string::npos) << log;
    EXPECT_NE(log.find("GET2 0"), std::string::npos) << log;
}

}  // namespace
