#include "AppTestSupport.h"
#include "app/AppCore.h"
#include "app/CStemraApp.h"
#include "app/ComportSetting.h"
#include "app/Languages.h"
#include "app/TextTable.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

PortRecord Port(const QString& name, quint16 vendor = 0, quint16 product = 0) {
    PortRecord record;
    record.portName = name;
    record.hasVendorIdentifier = record.hasProductIdentifier = vendor != 0;
    record.vendorIdentifier = vendor;
    record.productIdentifier = product;
    return record;
}

PortRecord CaliperPort(const QString& name) {
    return Port(name, kCaliperVendorId, kCaliperProductId);
}

class Startup : public ::testing::Test {
protected:
    // Runs start-up with `arguments`, the discovery seeing `ports`.
    void Run(const QStringList& arguments, const QList<PortRecord>& ports = {}) {
        app.portNaming = PortNaming::Windows;
        app.portSource = [this, ports] {
            ++discoveries;
            return ports;
        };
        app.runMainWindow = [this](const CommandLineRequest& request) {
            ++windowRuns;
            shownRequest = request;
            if (duringWindow) duringWindow();
        };
        EXPECT_FALSE(app.InitInstance(arguments, programFolder.path()));
    }

    TemporarySettings settings;
    QTemporaryDir programFolder;
    AppCore app;
    int discoveries = 0;
    int windowRuns = 0;
    CommandLineRequest shownRequest;
    std::function<void()> duringWindow;
};

TEST_F(Startup, FirstStartTakesTheDefaultsAndWritesThemBack) {
    Run({});
    EXPECT_EQ(app.settings.Baud, 3);
    EXPECT_EQ(app.settings.Margin, 1);
    EXPECT_EQ(app.settings.Language, 1);
    EXPECT_EQ(app.settings.FontFace, "Courier");
    EXPECT_EQ(app.settings.FontWeight, 400);
    EXPECT_EQ(app.settings.FontHeight, 10);
    EXPECT_EQ(app.settings.FontItalic + app.settings.FontUnderline + app.settings.FontStrike, 0);
    EXPECT_TRUE(app.settings.LastFile.isEmpty());
    EXPECT_TRUE(app.settings.LastDir.isEmpty());
    EXPECT_TRUE(app.settings.Comport.isEmpty());
    EXPECT_EQ(discoveries, 1);
    EXPECT_EQ(windowRuns, 1);
    EXPECT_FALSE(shownRequest.fromCommandLine);

    EXPECT_EQ(app.BaudRateList, DefaultBaudRateList());
    EXPECT_EQ(app.TextTable, EnglishTexts());
    EXPECT_TRUE(app.ProgramFolder.endsWith(QDir::separator()));
    EXPECT_EQ(QDir(app.ProgramFolder), QDir(programFolder.path()));

    auto stored = settings.Open();
    EXPECT_EQ(stored->value("Comport").toInt(), -1);
    EXPECT_EQ(stored->value("Baud").toInt(), 3);
    EXPECT_EQ(stored->value("FontFace").toString(), "Courier");
    EXPECT_EQ(stored->value("BlockCheck").toInt(), 1);
    EXPECT_EQ(stored->value("PacketLength").toInt(), 94);
    EXPECT_EQ(stored->value("Window").toInt(), 1);
    EXPECT_EQ(stored->value("Prefixing").toInt(), 0);
    EXPECT_EQ(stored->value("PacketLog").toInt(), 0);
    // 12, BlockCheck, PacketLength, Window, Prefixing, CaptureDir, PacketLog, PacketLogFile
    EXPECT_EQ(stored->childKeys().size(), 19);
}

TEST_F(Startup, TheLastCaliperPortIsChosenWhenNoneIsStored) {
    Run({}, {Port("COM1"), CaliperPort("COM3"), Port("COM4", 0x0403, 0x6001), CaliperPort("COM7"),
             Port("COM8")});
    EXPECT_EQ(app.settings.Comport, "COM7");
    ASSERT_EQ(app.PortList.size(), 5);
    EXPECT_EQ(app.PortList[1].name, "COM3:");
    EXPECT_EQ(settings.Open()->value("Comport").toInt(), 7);
}

TEST_F(Startup, NoCaliperLeavesNoPortAndTheNextStartLooksAgain) {
    Run({}, {Port("COM1")});
    EXPECT_TRUE(app.settings.Comport.isEmpty());
    AppCore again;
    again.portNaming = PortNaming::Windows;
    again.portSource = [] { return QList<PortRecord>{CaliperPort("com9")}; };
    again.InitInstance({}, programFolder.path());
    EXPECT_EQ(again.settings.Comport, "com9");
    EXPECT_EQ(settings.Open()->value("Comport").toInt(), 9);
}

TEST_F(Startup, AStoredPortSkipsDiscovery) {
    settings.Open()->setValue("Comport", 4);
    Run({}, {CaliperPort("COM7")});
    EXPECT_EQ(discoveries, 0);
    EXPECT_EQ(app.settings.Comport, "COM4");
}

TEST_F(Startup, PortNamesThatAreNotComNumbersAreStoredAsNames) {
    settings.Open()->setValue("Comport", "ttyUSB0");
    duringWindow = [this] {
        EXPECT_EQ(app.settings.Comport, "ttyUSB0");
        app.settings.Comport = "/dev/pts/3";
    };
    Run({});
    EXPECT_EQ(settings.Open()->value("Comport").toString(), "/dev/pts/3");
}

TEST(ComportSetting, NumbersForComPortsNamesForOthers) {
    EXPECT_EQ(ComportToSetting(""), QVariant(-1));
    EXPECT_EQ(ComportToSetting("COM10"), QVariant(10));
    EXPECT_EQ(ComportToSetting("com7"), QVariant(7));
    EXPECT_EQ(ComportToSetting("COM3A"), QVariant("COM3A"));
    EXPECT_EQ(ComportToSetting("ttyUSB0"), QVariant("ttyUSB0"));
    EXPECT_EQ(ComportFromSetting(QVariant(7)), "COM7");
    EXPECT_EQ(ComportFromSetting(QVariant("12")), "COM12");
    EXPECT_EQ(ComportFromSetting(QVariant("-1")), "");
    EXPECT_EQ(ComportFromSetting(QVariant()), "");
    EXPECT_EQ(ComportFromSetting(QVariant("  ")), "");
    EXPECT_EQ(ComportFromSetting(QVariant(QStringList{"a", "b"})), "");
}

TEST_F(Startup, ARunWithArgumentsWritesNothing) {
    {
        auto stored = settings.Open();
        stored->setValue("Comport", 2);
        stored->setValue("Baud", 1);
        stored->setValue("LastDir", "/old");
    }
    duringWindow = [this] {
        app.settings.LastDir = "/changed";
        app.settings.Language = 4;
    };
    Run({"COM5", "BAUD38400", "C:\\out\\prog.m$x"});
    EXPECT_EQ(app.settings.Comport, "COM5");
    EXPECT_EQ(app.settings.Baud, 5);
    EXPECT_TRUE(shownRequest.fromCommandLine);
    EXPECT_TRUE(shownRequest.isFile);
    EXPECT_EQ(shownRequest.path, "C:\\out\\prog.m$x");

    auto stored = settings.Open();
    EXPECT_EQ(stored->value("Comport").toInt(), 2);
    EXPECT_EQ(stored->value("Baud").toInt(), 1);
    EXPECT_EQ(stored->value("LastDir").toString(), "/old");
    EXPECT_FALSE(stored->contains("Language"));
}

// 230400 is not in the list but the port takes it: a stored 8 stays 8.
TEST_F(Startup, StoredBaud8ReadsBackAs8) {
    settings.Open()->setValue("Baud", 8);
    Run({});
    EXPECT_EQ(app.settings.Baud, 8);
    EXPECT_EQ(settings.Open()->value("Baud").toInt(), 8);
}

TEST_F(Startup, ChangesMadeWhileTheWindowRunsAreSaved) {
    duringWindow = [this] {
        app.settings.Comport = "COM12";
        app.settings.Baud = 7;
        app.settings.Language = 0;
        app.settings.LastFile = QString::fromUtf8("/home/ana/Mätning 3.m$x");
        app.settings.LastDir = "/home/ana, data";
        app.settings.FontHeight = -13;
        app.settings.FontItalic = 1;
        app.settings.FontWeight = 700;
        app.settings.FontFace = "DejaVu Sans Mono";
        app.settings.Margin = 4;
        app.settings.BlockCheck = 3;
        app.settings.PacketLength = 4000;
        app.settings.SlidingWindow = 8;
        app.settings.Prefixing = 1;
    };
    Run({});
    AppCore next;
    next.portSource = [] { return QList<PortRecord>{CaliperPort("COM3")}; };
    next.InitInstance({}, programFolder.path());
    EXPECT_EQ(next.settings.Comport, "COM12");
    EXPECT_EQ(next.settings.Baud, 7);
    EXPECT_EQ(next.settings.Language, 0);
    EXPECT_EQ(next.settings.LastFile, QString::fromUtf8("/home/ana/Mätning 3.m$x"));
    EXPECT_EQ(next.settings.LastDir, "/home/ana, data");
    EXPECT_EQ(next.settings.FontHeight, -13);
    EXPECT_EQ(next.settings.FontItalic, 1);
    EXPECT_EQ(next.settings.FontWeight, 700);
    EXPECT_EQ(next.settings.FontFace, "DejaVu Sans Mono");
    EXPECT_EQ(next.settings.Margin, 4);
    EXPECT_EQ(next.settings.BlockCheck, 3);
    EXPECT_EQ(next.settings.PacketLength, 4000);
    EXPECT_EQ(next.settings.SlidingWindow, 8);
    EXPECT_EQ(next.settings.Prefixing, 1);
}

TEST(Settings, AreWrittenInTheirFixedOrder) {
    AppCore app;
    QStringList keys;
    app.settings.Write([&keys](const QString& key, const QVariant&) { keys.append(key); });
    EXPECT_EQ(keys, QStringList({"Comport", "Baud", "Language", "LastFile", "LastDir", "FontHeight",
                                 "FontItalic", "FontUnderline", "FontStrike", "FontWeight",
                                 "FontFace", "Margin", "BlockCheck", "PacketLength", "Window",
                                 "Prefixing", "CaptureDir", "PacketLog", "PacketLogFile"}));
}

TEST_F(Startup, BadStoredValuesReadBackAsSafeOnes) {
    {
        auto stored = settings.Open();
        stored->setValue("Baud", 9);
        stored->setValue("Margin", "wide");
        stored->setValue("Language", kLanguageCount);  // one past the last
        stored->setValue("FontHeight", 5000000);
        stored->setValue("FontItalic", 7);
        stored->setValue("FontUnderline", "yes");
        stored->setValue("FontWeight", -400);
        stored->setValue("FontFace", "");
        stored->setValue("Comport", -5);
        stored->setValue("LastDir", QStringList{"a", "b"});
        stored->setValue("BlockCheck", 2);
        stored->setValue("PacketLength", 5000);
        stored->setValue("Window", 0);
        stored->setValue("Prefixing", 3);
    }
    Run({});
    EXPECT_EQ(app.settings.Baud, 3);
    EXPECT_EQ(app.settings.Margin, 1);
    EXPECT_EQ(app.settings.Language, 1);
    EXPECT_EQ(app.settings.FontHeight, 10);
    EXPECT_EQ(app.settings.FontItalic, 1);
    EXPECT_EQ(app.settings.FontUnderline, 0);
    EXPECT_EQ(app.settings.FontWeight, 400);
    EXPECT_EQ(app.settings.FontFace, "Courier");
    EXPECT_TRUE(app.settings.Comport.isEmpty());
    EXPECT_EQ(discoveries, 1);
    EXPECT_EQ(app.settings.LastDir, "a, b");
    EXPECT_EQ(app.settings.BlockCheck, 1);
    EXPECT_EQ(app.settings.PacketLength, 94);
    EXPECT_EQ(app.settings.SlidingWindow, 1);
    EXPECT_EQ(app.settings.Prefixing, 0);
}

// A settings file edited by hand or damaged: each bad value gives its
// default, numbers too large do not wrap round into plausible ones, and the
// good values and everything else in the file survive the write-back.
TEST_F(Startup, AHandEditedSettingsFileKeepsItsGoodValuesAndMendsTheRest) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the settings are registry values on Windows: there is no file to edit";
#endif
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settings.FilePath()).path()));
    ASSERT_TRUE(WriteBytes(settings.FilePath(),
                           "[Settings]\n"
                           "Baud=4294967301\n"
                           "Comport=99999999999\n"
                           "Language=2\n"
                           "LastFile=/data/stand 7.dat\n"
                           "LastDir=\"/data, old\"\n"
                           "FontHeight=-4294967284\n"
                           "FontItalic=1\n"
                           "FontUnderline=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x4junk)\n"
                           "FontStrike=@Rect(1 2 3 4)\n"
                           "FontWeight=\n"
                           "FontFace=@ByteArray(Lucida Console)\n"
                           "Margin=4294967308\n"
                           "Unknown=kept\n"
                           "[Other]\n"
                           "Key=also kept\n"));
    Run({}, {CaliperPort("COM7")});
    EXPECT_EQ(app.settings.Baud, 3);
    EXPECT_EQ(app.settings.Comport, "COM7");  // no usable port stored: discovery chose
    EXPECT_EQ(app.settings.Language, 2);
    EXPECT_EQ(app.settings.LastFile, "/data/stand 7.dat");
    EXPECT_EQ(app.settings.LastDir, "/data, old");
    EXPECT_EQ(app.settings.FontHeight, 10);
    EXPECT_EQ(app.settings.FontItalic, 1);
    EXPECT_EQ(app.settings.FontUnderline + app.settings.FontStrike, 0);
    EXPECT_EQ(app.settings.FontWeight, 400);
    EXPECT_EQ(app.settings.FontFace, "Lucida Console");
    EXPECT_EQ(app.settings.Margin, 1);

    auto stored = settings.Open();
    EXPECT_EQ(stored->value("Language").toInt(), 2);
    EXPECT_EQ(stored->value("LastDir").toString(), "/data, old");
    EXPECT_EQ(stored->value("Baud").toInt(), 3);
    EXPECT_EQ(stored->value("Comport").toInt(), 7);
    EXPECT_EQ(stored->value("Unknown").toString(), "kept");
    stored->endGroup();
    EXPECT_EQ(stored->value("Other/Key").toString(), "also kept");

    // A file that is no settings file at all gives the defaults.
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919 + 13) & 0xff);
    ASSERT_TRUE(WriteBytes(settings.FilePath(), garbage));
    AppCore again;
    again.portSource = [] { return QList<PortRecord>{}; };
    again.InitInstance({}, programFolder.path());
    EXPECT_EQ(again.settings.Baud, 3);
    EXPECT_EQ(again.settings.Margin, 1);
    EXPECT_EQ(again.settings.FontFace, "Courier");
    EXPECT_EQ(settings.Open()->value("Margin").toInt(), 1);
}

TEST_F(Startup, TheApplicationObjectRunsStartUpAndEndsWithStatusOne) {
    auto* object = dynamic_cast<CStemraApp*>(QCoreApplication::instance());
    ASSERT_NE(object, nullptr);
    object->portSource = [] { return QList<PortRecord>{}; };
    int runs = 0;
    object->runMainWindow = [&runs](const CommandLineRequest&) { ++runs; };
    EXPECT_FALSE(object->InitInstance());
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(QDir(object->ProgramFolder), QDir(QCoreApplication::applicationDirPath()));
    EXPECT_EQ(object->ExitInstance(), 1);
    EXPECT_TRUE(settings.Open()->contains("Margin"));
}

}  // namespace

// A first start speaks the system's language when its file is in the program
// folder, and stores it; a stored language, another locale or a missing
// file leave the choice as it was (English by default).
TEST(StartupLanguage, AFirstStartSpeaksTheSystemsLanguageWhenItsFileIsThere) {
    struct Case {
        const char* locale;
        const char* fileThere;
        int stored;  // -1: none stored
        int chosen;
    };
    const Case cases[] = {
        {"de_DE", "Corvix-DEU.xml", -1, 0}, {"fr_FR", "Corvix-FRA.xml", -1, 3},
        {"ja_JP", "Corvix-DEU.xml", -1, 1}, {"sv_SE", "Corvix-DEU.xml", -1, 1},
        {"de_AT", "Corvix-DEU.xml", 2, 2},  {"C", "Corvix-DEU.xml", -1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        TemporarySettings settings;
        QTemporaryDir programFolder;
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/" + c.fileThere,
                                programFolder.filePath(c.fileThere)));
        if (c.stored >= 0) settings.Open()->setValue("Language", c.stored);
        AppCore app;
        app.portSource = [] { return QList<PortRecord>{}; };
        app.systemLocale = [&c] { return QLocale(QString::fromLatin1(c.locale)); };
        app.InitInstance({}, programFolder.path());
        EXPECT_EQ(app.settings.Language, c.chosen);
        EXPECT_EQ(settings.Open()->value("Language").toInt(), c.chosen);
    }
}
