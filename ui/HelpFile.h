#pragma once

#include <QString>

#include <functional>

// The help file "Corvix.chm" in `programFolder`, which already ends with a
// separator; one more separator is put between, as the system always has.
QString HelpFilePath(const QString& programFolder);

// What Help shows for the help file `chmPath`: the file itself when it exists
// and the desktop can show it; otherwise the HTML pages beside it
// ("help/index.html" in the same folder) when they are there; otherwise the
// file, as before.
QString HelpTarget(const QString& chmPath, const std::function<bool()>& haveChmViewer);

// Whether the desktop has a viewer for CHM files (on Windows always).
bool DesktopHasChmViewer();

// Shows the help with the desktop's viewer for it. Whether that worked is
// not reported.
void OpenHelpFile(const QString& path);
