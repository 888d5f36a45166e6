#pragma once

#include <QString>

#include <functional>

// The help file "Corvix.chm" in `programFolder`, which already ends with a
// separator; one more separator is put between all the same, and a doubled
// separator names the same file.
QString HelpFilePath(const QString& programFolder);

// The page `page` ("index.html") of the HTML help in `helpFolder`, in the
// interface language `language` (its code, "de"): the translation in the
// language's own folder ("<helpFolder>/de/index.html") when it is there,
// otherwise the English page in `helpFolder` itself.
QString HelpPage(const QString& helpFolder, const QString& language, const QString& page);

// What Help shows for the help file `chmPath` in the interface language
// `language` (its code, "de"; empty or "en" for English): the pages
// translated into that language when there are any (the help file itself is
// English); otherwise the file itself when it exists and the desktop can show
// it; otherwise the English HTML pages beside it ("help/index.html" in the
// same folder) when they are there; otherwise the file itself, so that the
// desktop's own error names it.
QString HelpTarget(const QString& chmPath, const std::function<bool()>& haveChmViewer,
                   const QString& language = QString());

// Whether the desktop has a program for files of `mimeType` ("text/html":
// a web browser). On Windows always; on macOS for the pages only; elsewhere
// as xdg-open would find one (DesktopHandlesWindows.cpp, DesktopHandlesMac.cpp,
// DesktopHandlesPosix.cpp).
bool DesktopHandles(const QString& mimeType);
// Whether the desktop has a viewer for CHM files (on Windows always).
bool DesktopHasChmViewer();

// Who shows the help `target` (from HelpTarget): the desktop's viewer for a
// CHM file; for the HTML pages the desktop's browser when it has one,
// otherwise Corvix's own help window; nobody when the file is not there.
enum class HelpViewer { Desktop, OwnWindow, Missing };
HelpViewer ChooseHelpViewer(const QString& target,
                            const std::function<bool(const QString& mimeType)>& desktopHandles);

// Shows the HTML page `page` in Corvix's own help window (one at a time).
void ShowHelpWindow(const QString& page);

// Shows the help for the help file `path` in the interface language
// `language` (as HelpTarget): in the desktop's viewer or browser, in Corvix's
// own help window when there is none, or with the message `missingText`
// (whose %1 is the file) saying it cannot be shown. Never nothing at all.
void OpenHelpFile(const QString& path, const QString& language, const QString& missingText);
