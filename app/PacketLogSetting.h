#pragma once

#include <QString>

struct AppSettings;

// The file name of the window's packet log in its default folder.
inline constexpr char kPacketLogName[] = "corvix-packets.log";

// Where the window's packet log goes when the settings name no file: the
// user's documents folder, or the home folder when there is none, where a
// user finds it to send to whoever helps.
QString DefaultPacketLogFile();

// The packet log a window's Kermit job writes, in native form: "" while the
// log is off, the stored file (a bare name in the default folder), or the
// default one when none is stored.
QString PacketLogFileOf(const AppSettings& settings);
