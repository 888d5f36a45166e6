#pragma once

#include <QString>
#include <QVariant>

#include <functional>

class QSettings;

// The settings that persist between runs, as one value. Each member is one
// row of the table in AppSettings.cpp (its key, kind, default and range),
// which both reads and writes them; a value made here holds every default
// (the zero initialisers only stand until the constructor has read the table).
// A member carries the name of its stored key, but for `SlidingWindow`,
// which users' settings files keep as "Window".
struct AppSettings {
    AppSettings();

    // The chosen port by name ("COM5", "ttyUSB0", "/dev/pts/3"); "" for none.
    // See ComportSetting.h for how it is stored.
    QString Comport;
    int Baud{};        // position in serial::kBaudTable; serial::BaudRateAt gives the rate
    int Language{};    // index of the interface language (Languages.h)
    QString LastFile;  // last file sent or received
    QString LastDir;   // last folder received into
    // The viewer's font, as a LOGFONT has it: height in logical units, the
    // three styles 0 or 1, weight 400 normal or 700 bold, face name.
    int FontHeight{};
    int FontItalic{};
    int FontUnderline{};
    int FontStrike{};
    int FontWeight{};
    QString FontFace;
    int Margin{};  // print margin of the viewer, in characters

    int BlockCheck{};     // block check a send proposes: 1, or 3 for peers that speak it
    int PacketLength{};   // long packets a send proposes: 94 for none, up to 4096
    int SlidingWindow{};  // slots of the sliding window a send proposes: 1 for none, up to 31
    // Control characters prefixed in data: 0 the cautious set once long
    // packets or a window are agreed, else all; 1 the cautious set; 2 all.
    int Prefixing{};
    QString CaptureDir;  // where the last capture was saved or printed to a file
    // The packet log of the window's Kermit jobs, and its file ("" for
    // DefaultPacketLogFile()).
    bool PacketLog{};
    QString PacketLogFile;

    // Reads every setting from `stored` (already in group "Settings"). A
    // value that is missing, of the wrong kind or out of range gives the
    // default.
    void Read(const QSettings& stored);

    // Writes every setting through `write`, in the table's fixed order.
    using Writer = std::function<void(const QString& key, const QVariant& value)>;
    void Write(const Writer& write) const;

    bool operator==(const AppSettings&) const = default;
};
