#include "serial/PortDiscovery.h"

#include <gtest/gtest.h>

namespace {

PortRecord Port(const QString& name) {
    PortRecord record;
    record.portName = name;
    return record;
}

PortRecord UsbPort(const QString& name, quint16 vendor, quint16 product) {
    PortRecord record = Port(name);
    record.hasVendorIdentifier = record.hasProductIdentifier = true;
    record.vendorIdentifier = vendor;
    record.productIdentifier = product;
    return record;
}

QList<_tagPORTS> Discover(const QList<PortRecord>& records, PortNaming naming) {
    return EnumeratePorts([records] { return records; }, naming);
}

TEST(PortDiscovery, KeepsTheSystemsOrderAndMarksTheCaliper) {
    const QList<_tagPORTS> ports =
        Discover({Port("COM1"), UsbPort("COM5", 0x0403, 0xAFB8)}, PortNaming::Windows);
    ASSERT_EQ(ports.size(), 2);
    EXPECT_EQ(ports[0].name, "COM1:");
    EXPECT_EQ(ports[0].isCaliper, 0);
    EXPECT_EQ(ports[1].name, "COM5:");
    EXPECT_EQ(ports[1].isCaliper, 1);
}

TEST(PortDiscovery, WindowsNamesMustBeComAndDigits) {
    const QList<_tagPORTS> ports =
        Discover({Port("LPT1"), Port("COM"), Port("COM3A"), Port("com7"), Port("COM10"),
                  Port("ttyUSB0"), Port(" COM2"), Port("COM 2"), Port("COM12"), Port("COM12")},
                 PortNaming::Windows);
    QStringList names;
    for (const _tagPORTS& port : ports)
        names.append(port.name);
    // Not sorted, duplicates kept, the stored case of the name kept.
    EXPECT_EQ(names, QStringList({"com7:", "COM10:", "COM12:", "COM12:"}));
}

TEST(PortDiscovery, ElsewhereTtyDevicesAreThePorts) {
    const QList<_tagPORTS> ports =
        Discover({Port("ttyS0"), Port("COM4"), Port("tty"), Port("ttyUSB0"), Port("cu.usbserial"),
                  Port("ttyACM1")},
                 PortNaming::Posix);
    QStringList names;
    for (const _tagPORTS& port : ports)
        names.append(port.name);
    EXPECT_EQ(names, QStringList({"ttyS0:", "ttyUSB0:", "ttyACM1:"}));
}

TEST(PortDiscovery, OnlyTheCalipersOwnIdsMarkIt) {
    EXPECT_EQ(IsCaliperPort(UsbPort("COM5", 0x0403, 0xAFB8)), 1);
    EXPECT_EQ(IsCaliperPort(UsbPort("COM6", 0x0403, 0x6001)), 0);  // another FTDI adapter
    EXPECT_EQ(IsCaliperPort(UsbPort("COM6", 0x0404, 0xAFB8)), 0);
    EXPECT_EQ(IsCaliperPort(Port("COM1")), 0);
    PortRecord vendorOnly = UsbPort("COM7", 0x0403, 0xAFB8);
    vendorOnly.hasProductIdentifier = false;
    EXPECT_EQ(IsCaliperPort(vendorOnly), 0);
}

TEST(PortDiscovery, NoPortsOrNoSourceGiveAnEmptyList) {
    EXPECT_TRUE(Discover({}, PortNaming::Windows).isEmpty());
    EXPECT_TRUE(EnumeratePorts(PortSource(), PortNaming::Posix).isEmpty());
}

// Where the system names the device by its first hardware identifier, only
// the caliper adapter's exact text marks it, whatever the two ids say; an
// identifier that could not be read lists the port all the same.
TEST(PortDiscovery, AHardwareIdMarksTheCaliperOnlyWhenItIsExactlyTheAdapters) {
    const auto withId = [](const QString& name, const QString& id) {
        PortRecord record = UsbPort(name, 0x0403, 0xAFB8);
        record.hasHardwareId = true;
        record.hardwareId = id;
        return record;
    };
    const QList<_tagPORTS> ports =
        Discover({withId("COM3", "FTDIBUS\\COMPORT&VID_0403&PID_AFB8"),
                  withId("COM4", "FTDIBUS\\COMPORT&VID_0403&PID_afb8"),
                  withId("COM5", "FTDIBUS\\COMPORT&VID_0403&PID_6001"), withId("COM6", QString()),
                  withId("COM7", "ACPI\\PNP0501")},
                 PortNaming::Windows);
    ASSERT_EQ(ports.size(), 5);
    EXPECT_EQ(ports[0].isCaliper, 1);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(ports[i].isCaliper, 0) << ports[i].name.toStdString();
    EXPECT_EQ(ports[3].name, "COM6:");
}

TEST(PortDiscovery, TheSystemsPortsAreAllTtyNamesHere) {
#ifndef Q_OS_WIN
    for (const _tagPORTS& port : EnumeratePorts()) {
        EXPECT_TRUE(port.name.startsWith("tty")) << port.name.toStdString();
        EXPECT_TRUE(port.name.endsWith(':'));
    }
#endif
    EXPECT_EQ(EnumeratePorts().size(), EnumeratePorts().size());
}

}  // namespace
