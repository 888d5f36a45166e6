#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include "serial/PortDiscovery.h"

namespace {

// The udev rule of the Linux package must name the adapter that discovery
// marks "(FV)", or the port it makes usable is not the one Corvix offers.
TEST(UdevRule, BindsTheDriverToTheAdapterThatDiscoveryMarks) {
    QFile file(QStringLiteral(CORVIX_UDEV_RULE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString ids = QString::asprintf("%04x %04x", kCaliperVendorId, kCaliperProductId);
    const QString match = QString::asprintf(R"(idVendor}=="%04x", ATTRS?{idProduct}=="%04x")",
                                            kCaliperVendorId, kCaliperProductId);
    QStringList rules;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#')) rules.append(line);
    }
    ASSERT_EQ(rules.size(), 3);
    for (const QString& rule : rules)
        EXPECT_TRUE(rule.contains(QRegularExpression(match))) << rule.toStdString();
    EXPECT_TRUE(rules[1].contains("kmod load ftdi_sio"));
    EXPECT_TRUE(
        rules[1].contains("echo " + ids + " > /sys/bus/usb-serial/drivers/ftdi_sio/new_id"));
    for (const char* setting : {"GROUP=\"dialout\"", "MODE=\"0660\"", "ID_MM_DEVICE_IGNORE}=\"1\""})
        EXPECT_TRUE(rules[2].contains(setting)) << setting;
}

}  // namespace
