#include <gtest/gtest.h>

#include <QFile>

#include "serial/PortDiscovery.h"

// Every rule of the Linux package's udev file names the adapter that discovery
// marks "(FV)", or the port it makes usable is not the one Corvix offers; one
// of them sets the adapter's latency timer to 1 ms, one gives its port the
// stable name discovery looks for, /dev/caliper-SERIAL.
TEST(UdevRule, NamesTheAdapterThatDiscoveryMarks) {
    QFile file(QStringLiteral(CORVIX_UDEV_RULE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QByteArray vendor = QByteArray::number(kCaliperVendorId, 16).rightJustified(4, '0');
    const QByteArray product = QByteArray::number(kCaliperProductId, 16).rightJustified(4, '0');
    int rules = 0;
    int latencyRules = 0;
    int linkRules = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        ++rules;
        EXPECT_TRUE(line.contains("idVendor}==\"" + vendor + "\"")) << line.toStdString();
        EXPECT_TRUE(line.contains("idProduct}==\"" + product + "\"")) << line.toStdString();
        if (line.contains("new_id")) {
            EXPECT_TRUE(line.contains("echo " + vendor + ' ' + product));
        }
        // The timer is a file of the port's usb-serial device, not of the tty.
        if (line.contains("latency_timer")) {
            ++latencyRules;
            EXPECT_TRUE(line.contains("SUBSYSTEM==\"usb-serial\""));
            EXPECT_TRUE(line.contains("ATTR{latency_timer}=\"1\""));
        }
        if (line.contains("SYMLINK")) {
            ++linkRules;
            EXPECT_TRUE(line.contains("SUBSYSTEM==\"tty\""));
            EXPECT_TRUE(line.contains("ATTRS{serial}==\"?*\""));
            EXPECT_TRUE(line.contains("SYMLINK+=\"caliper-$attr{serial}\""));
        }
    }
    EXPECT_EQ(rules, 5);
    EXPECT_EQ(latencyRules, 1);
    EXPECT_EQ(linkRules, 1);
}
