#include "app/AppSettings.h"

#include <gtest/gtest.h>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// Every setting away from its default, each to a value of its own.
AppSettings Changed() {
    AppSettings s;
    s.Comport = "ttyUSB1", s.Baud = 8, s.Language = 0, s.LastFile = "/in/7.dat", s.LastDir = "/in";
    s.FontHeight = -13, s.FontItalic = 1, s.FontUnderline = 1, s.FontStrike = 1;
    s.FontWeight = 700, s.FontFace = "Mono", s.Margin = 5, s.BlockCheck = 3;
    s.PacketLength = 1000, s.SlidingWindow = 9, s.Prefixing = 2, s.CaptureDir = "/out";
    s.PacketLog = true, s.PacketLogFile = "p.log";
    return s;
}

// Through a file, each row of the table reads back what it wrote; a value of
// a kind no setting takes gives every setting its default.
TEST(SettingsTable, EveryRowReadsBackWhatItWroteAndTheDefaultForWhatItCannotUse) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.ini"));
    const AppSettings changed = Changed();
    {
        QSettings stored(path, QSettings::IniFormat);
        changed.Write(
            [&](const QString& key, const QVariant& value) { stored.setValue(key, value); });
    }
    QSettings stored(path, QSettings::IniFormat);
    EXPECT_EQ(stored.value("PacketLog").toString(), "1");  // a number, as it always was
    AppSettings read;
    read.Read(stored);
    EXPECT_TRUE(read == changed);

    for (const QString& key : stored.childKeys())
        stored.setValue(key, QRect(1, 2, 3, 4));
    read.Read(stored);
    EXPECT_TRUE(read == AppSettings());
    EXPECT_EQ(read.FontFace, "Courier");
}

}  // namespace
