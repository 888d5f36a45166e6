#pragma once

#include <QString>
#include <QStringList>

// The desktop's opener of a file in a text editor, where notepad.exe is not
// the system's own (EditorLauncherPosix.cpp): xdg-open `path`
// (DesktopOpenerPosix.cpp), or open -t `path` on macOS (DesktopOpenerMac.cpp).
// Returns the program, empty when there is none, and sets `arguments`.
QString DesktopOpener(const QString& path, QStringList& arguments);
