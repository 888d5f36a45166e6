#pragma once

#include <QString>

// The help file "Corvix.chm" in `programFolder`, which already ends with a
// separator; one more separator is put between, as the system always has.
QString HelpFilePath(const QString& programFolder);

// Shows the help file with the desktop's viewer for it. Whether that worked
// is not reported.
void OpenHelpFile(const QString& path);
