#include "UiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ComportSetting.h"
#include "app/PacketLogSetting.h"
#include "ui/CSettingsDlg.h"
#include "ui/CStemraDlg.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

namespace {

class SettingsDialog : public ::testing::Test {
protected:
    QStringList Entries(CSettingsDlg& dialog, const char* list) {
        QStringList entries;
        auto* combo = dialog.findChild<QComboBox*>(QLatin1String(list));
        for (int i = 0; i < combo->count(); ++i)
            entries.append(combo->itemText(i));
        return entries;
    }
    QComboBox* PortList(CSettingsDlg& dialog) {
        return dialog.findChild<QComboBox*>(QStringLiteral("portList"));
    }
    QComboBox* BaudList(CSettingsDlg& dialog) {
        return dialog.findChild<QComboBox*>(QStringLiteral("baudList"));
    }
    // Picks entry `port` of the port list and entry `baud` of the rates.
    void Choose(CSettingsDlg& dialog, int port, int baud) {
        PortList(dialog)->setCurrentIndex(port);
        BaudList(dialog)->setCurrentIndex(baud);
    }

    // Runs Settings from the main window; `inDialog` works the open dialog
    // and returns how it ends.
    void RunSettings(const std::function<int(CSettingsDlg&)>& inDialog) {
        recorder.dialogAnswer = [&](QDialog& dialog) {
            auto& settings = static_cast<CSettingsDlg&>(dialog);
            settings.show();
            return inDialog(settings);
        };
        CStemraDlg window(test.app, recorder.Services());
        window.Button(CommandId::SettingsButton)->click();
    }
    int Ok(CSettingsDlg& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        return dialog.result();
    }

    TestApp test;
    ServiceRecorder recorder;
};

TEST_F(SettingsDialog, TheStoredCaliperPortIsSelectedAndKept) {
    test.ports = {SystemPort("COM1"), SystemPort("COM5", true)};
    test.app.settings.Comport = QStringLiteral("COM5");
    RunSettings([&](CSettingsDlg& dialog) {
        EXPECT_EQ(Entries(dialog, "portList"), (QStringList{"COM1:", "COM5: (FV)"}));
        EXPECT_EQ(PortList(dialog)->currentIndex(), 1);
        EXPECT_EQ(BaudList(dialog)->currentText(), "9600");
        EXPECT_EQ(Entries(dialog, "baudList"), DefaultBaudRateList());
        EXPECT_EQ(Ok(dialog), QDialog::Accepted);
        return dialog.result();
    });
    EXPECT_EQ(test.app.settings.Comport, "COM5");
    EXPECT_EQ(ComportToSetting(test.app.settings.Comport).toInt(), 5);
    EXPECT_EQ(test.app.settings.Baud, 3);
    EXPECT_EQ(recorder.dialogs, QStringList{"CSettingsDlg"});
}

TEST_F(SettingsDialog, WithNoPortStoredTheFirstCaliperPortIsPreselected) {
    test.ports = {SystemPort("COM1"), SystemPort("COM5", true), SystemPort("COM7", true)};
    RunSettings([&](CSettingsDlg& dialog) {
        EXPECT_EQ(PortList(dialog)->currentIndex(), 1);
        return Ok(dialog);
    });
    EXPECT_EQ(test.app.settings.Comport, "COM5");
}

TEST_F(SettingsDialog, AStoredPortThatWasNotDiscoveredIsListedAndKeptAndAPathCanBeTyped) {
    test.ports = {SystemPort("COM1"), SystemPort("COM5", true)};
    test.app.settings.Comport = QStringLiteral("/dev/serial/by-id/usb-caliper-if00");
    RunSettings([&](CSettingsDlg& dialog) {
        EXPECT_EQ(
            Entries(dialog, "portList"),
            (QStringList{"COM1:", "COM5: (FV)", test.app.settings.Comport + " (not plugged in)"}));
        EXPECT_EQ(PortList(dialog)->currentIndex(), 2);
        return Ok(dialog);
    });
    EXPECT_EQ(test.app.settings.Comport, "/dev/serial/by-id/usb-caliper-if00");

    RunSettings([&](CSettingsDlg& dialog) {
        PortList(dialog)->setEditText(QStringLiteral("/dev/ttyS4"));
        return Ok(dialog);
    });
    EXPECT_EQ(test.app.settings.Comport, "/dev/ttyS4");
    RunSettings([&](CSettingsDlg& dialog) {
        PortList(dialog)->setEditText(QStringLiteral(" COM5: (FV) "));
        return Ok(dialog);
    });
    EXPECT_EQ(test.app.settings.Comport, "COM5") << "a typed entry text names its port";
}

// A stable link to a port that is there is that port plugged in: listed as
// typed, chosen, and kept by OK. The field shows its longest entry whole.
TEST_F(SettingsDialog, ALinkToAPresentPortIsNotCalledAbsentAndTheFieldFitsIt) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "device links are a thing of Linux and macOS";
#else
    // Any terminal device of this machine stands in for the adapter.
    const QStringList devices =
        QDir(QStringLiteral("/dev")).entryList({QStringLiteral("tty?*")}, QDir::System);
    if (devices.isEmpty()) GTEST_SKIP() << "no /dev/tty* device to link to";
    QTemporaryDir byId;
    const QString link =
        byId.filePath(QStringLiteral("usb-FTDI_FT232R_USB_UART_A10KZP3M-if00-port0"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/") + devices.first(), link));
    test.ports = {SystemPort(devices.first(), true)};
    test.app.portNaming = PortNaming::Posix;
    test.app.settings.Comport = link;
    RunSettings([&](CSettingsDlg& dialog) {
        const QStringList entries = Entries(dialog, "portList");
        EXPECT_EQ(entries.last(), link) << entries.join(u',').toStdString();
        EXPECT_EQ(PortList(dialog)->currentIndex(), entries.size() - 1);
        const QFontMetrics metrics = PortList(dialog)->fontMetrics();
        for (const QString& entry : entries)
            EXPECT_GE(PortList(dialog)->lineEdit()->width(), metrics.horizontalAdvance(entry))
                << entry.toStdString();
        EXPECT_LE(PortList(dialog)->geometry().right(), dialog.width());
        return Ok(dialog);
    });
    EXPECT_EQ(test.app.settings.Comport, link);
#endif
}

// Without a caliper adapter the main window says below its buttons which
// port a job will use, or that none is set and where to set it; with an
// adapter it says nothing.
TEST_F(SettingsDialog, WithoutAnAdapterTheMainWindowNamesThePortAJobUses) {
    const QString noneSet =
        "No caliper adapter was found, and no port is set. Choose the port under "
        "Communication > Settings.";
    const struct {
        QList<PortRecord> ports;
        QString stored;
        QString hint;
    } cases[] = {
        {{}, QString(), noneSet},
        {{SystemPort("COM1")}, "COM1", "No caliper adapter was found. Jobs use the port COM1:."},
        {{SystemPort("COM1"), SystemPort("COM5", true)}, "COM1", QString()},
    };
    for (const auto& c : cases) {
        test.ports = c.ports;
        test.app.settings.Comport = c.stored;
        CStemraDlg window(test.app, recorder.Services());
        window.OnInitDialog();
        auto* hint = window.findChild<QLabel*>(QStringLiteral("portHint"));
        EXPECT_EQ(hint->text(), c.hint);
        EXPECT_EQ(hint->isVisibleTo(&window), !c.hint.isEmpty());
        EXPECT_LE(hint->geometry().bottom(), window.height());
    }
}

TEST_F(SettingsDialog, OkTakesTheChosenPortAndRate) {
    test.ports = {SystemPort("COM1"), SystemPort("COM12", true)};
    test.app.settings.Comport = QStringLiteral("COM1");
    RunSettings([&](CSettingsDlg& dialog) {
        Choose(dialog, 1, 7);
        EXPECT_EQ(BaudList(dialog)->currentText(), "115200");
        return Ok(dialog);
    });
    EXPECT_EQ(test.app.settings.Comport, "COM12");
    EXPECT_EQ(ComportToSetting(test.app.settings.Comport).toInt(), 12);
    EXPECT_EQ(test.app.settings.Baud, 7);
}

TEST_F(SettingsDialog, CancelAfterChangingBothListsChangesNothing) {
    test.ports = {SystemPort("COM1"), SystemPort("COM5", true)};
    test.app.settings.Comport = QStringLiteral("COM5");
    RunSettings([&](CSettingsDlg& dialog) {
        Choose(dialog, 0, 0);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    EXPECT_EQ(test.app.settings.Comport, "COM5");
    EXPECT_EQ(test.app.settings.Baud, 3);
}

TEST_F(SettingsDialog, OkWithoutAnyPortIsRefusedInTheUsersWordsAndChangesNothing) {
    test.app.settings.Comport.clear();
    test.app.TextTable[TextId::EmptyPortRefused] = QStringLiteral("Geben Sie einen Anschluss an.");
    RunSettings([&](CSettingsDlg& dialog) {
        EXPECT_EQ(PortList(dialog)->count(), 0);
        BaudList(dialog)->setCurrentIndex(6);
        return Ok(dialog);
    });
    ASSERT_EQ(test.messages.shown.size(), 1);
    EXPECT_EQ(test.messages.shown[0].text, "Geben Sie einen Anschluss an.");
    EXPECT_EQ(test.messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(test.app.settings.Comport, "");
    EXPECT_EQ(test.app.settings.Baud, 3);
}

TEST_F(SettingsDialog, ARateOutsideTheListShowsNoneAndOkKeepsIt) {
    test.ports = {SystemPort("COM1")};
    test.app.settings.Baud = 38400;
    RunSettings([&](CSettingsDlg& dialog) {
        EXPECT_EQ(BaudList(dialog)->currentIndex(), -1);
        return Ok(dialog);
    });
    EXPECT_EQ(test.app.settings.Baud, 38400);
    EXPECT_EQ(test.app.settings.Comport, "COM1");
}

TEST_F(SettingsDialog, TextsComeFromTheTableAndDiscoveryRunsAtEveryOpening) {
    test.app.TextTable = ShippedTexts(QStringLiteral("DEU"));
    test.app.TextTable[22] = QStringLiteral("A rather long label for the baud rate");
    test.ports = {SystemPort("COM1")};
    for (int run = 1; run <= 2; ++run) {
        CSettingsDlg dialog(test.app, 3, QString());
        dialog.show();
        EXPECT_EQ(test.discoveries, run);
        EXPECT_EQ(dialog.windowTitle(), test.app.TextTable[20]);
        auto* baudLabel = dialog.findChild<QLabel*>(QStringLiteral("baudrateLabel"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("comportLabel"))->text(),
                  "Schnittstelle");
        EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->text(),
                  "Abbrechen");
        // A long label pushes the lists aside instead of being cut or covered.
        EXPECT_GE(baudLabel->width(),
                  baudLabel->fontMetrics().horizontalAdvance(baudLabel->text()));
        EXPECT_LT(baudLabel->geometry().right(), BaudList(dialog)->x());
        EXPECT_LE(BaudList(dialog)->geometry().right(), dialog.width());
    }
}

TEST_F(SettingsDialog, APortPluggedInOrPulledOutShowsWhileTheDialogIsOpen) {
    test.ports = {SystemPort("COM1"), SystemPort("COM3")};
    CSettingsDlg dialog(test.app, 3, QStringLiteral("COM9"));
    dialog.SetRefreshInterval(20);
    dialog.show();
    PortList(dialog)->setCurrentIndex(1);

    test.ports = {SystemPort("COM1"), SystemPort("COM3"), SystemPort("COM8", true)};
    ASSERT_TRUE(WaitFor([&] { return PortList(dialog)->count() == 4; }));
    EXPECT_EQ(PortList(dialog)->itemText(2), "COM8: (FV)");
    EXPECT_EQ(PortList(dialog)->itemText(3), "COM9: (not plugged in)") << "stored port stays last";
    EXPECT_EQ(PortList(dialog)->currentText(), "COM3:") << "the user's choice stays";

    test.ports = {SystemPort("COM8", true), SystemPort("COM1")};
    ASSERT_TRUE(WaitFor([&] { return PortList(dialog)->count() == 3; }));
    EXPECT_EQ(PortList(dialog)->currentIndex(), 0) << "a vanished choice falls back to entry 0";

    dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    EXPECT_EQ(dialog.portIndex, 0);
    EXPECT_EQ(test.app.PortList.value(dialog.portIndex).name, "COM8:");
}

// The packet log: off at first, the default file shown whole; switched on
// with a file from Browse, it is kept in the stored settings and the
// window's Kermit jobs write it, its captures not. The default file is not
// stored, so that it follows the documents folder.
TEST_F(SettingsDialog, ThePacketLogIsShownStoredAndWrittenByKermitJobs) {
    test.ports = {SystemPort("COM1")};
    test.app.settings.Comport = QStringLiteral("COM1");
    const QString chosen = QDir::toNativeSeparators(test.FolderFile(QStringLiteral("support.log")));
    recorder.fileAnswer = chosen;
    const auto row = [](CSettingsDlg& dialog) {
        return std::tuple{dialog.findChild<QCheckBox*>(QStringLiteral("packetLogCheck")),
                          dialog.findChild<QLineEdit*>(QStringLiteral("packetLogPath")),
                          dialog.findChild<QPushButton*>(QStringLiteral("packetLogBrowse"))};
    };
    RunSettings([&](CSettingsDlg& dialog) {
        auto [check, path, browse] = row(dialog);
        EXPECT_EQ(check->text(), TextAt(test.app.TextTable, TextId::PacketLogCheck));
        EXPECT_FALSE(check->isChecked());
        EXPECT_EQ(path->text(), DefaultPacketLogFile());
        EXPECT_FALSE(path->isEnabled());
        EXPECT_LE(browse->geometry().right(), dialog.width());
        check->click();
        EXPECT_TRUE(path->isEnabled() && browse->isEnabled());
        browse->click();
        EXPECT_EQ(path->text(), chosen);
        return Ok(dialog);
    });
    ASSERT_EQ(recorder.fileChoosers.size(), 1);
    EXPECT_EQ(recorder.fileChoosers[0].startName, DefaultPacketLogFile());
    EXPECT_EQ(test.app.settings.PacketLog, 1);
    EXPECT_EQ(PacketLogFileOf(test.app.settings), chosen);

    QSettings stored(test.FolderFile(QStringLiteral("stored.ini")), QSettings::IniFormat);
    test.app.settings.Write(
        [&](const QString& key, const QVariant& value) { stored.setValue(key, value); });
    AppCore next;
    next.settings.Read(stored);
    EXPECT_EQ(PacketLogFileOf(next.settings), chosen);

    CStemraDlg window(test.app, recorder.Services());
    window.OnReceiveAscii();
    recorder.folderAnswer = test.folder.path();
    window.OnKermitReceive();
    ASSERT_EQ(recorder.transfers.size(), 1);
    EXPECT_EQ(recorder.transfers[0].job.packetLog, chosen);
    ASSERT_EQ(recorder.captures.size(), 1);
    EXPECT_EQ(recorder.captures[0].job.packetLog, QString());

    RunSettings([&](CSettingsDlg& dialog) {
        auto [check, path, browse] = row(dialog);
        EXPECT_TRUE(check->isChecked());
        EXPECT_EQ(path->text(), chosen);
        path->setText(DefaultPacketLogFile());
        return Ok(dialog);
    });
    EXPECT_EQ(test.app.settings.PacketLogFile, QString());
    EXPECT_EQ(PacketLogFileOf(test.app.settings), DefaultPacketLogFile());
    RunSettings([&](CSettingsDlg& dialog) {
        std::get<0>(row(dialog))->click();
        return Ok(dialog);
    });
    EXPECT_EQ(PacketLogFileOf(test.app.settings), QString());
}

}  // namespace
