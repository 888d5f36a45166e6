#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

// One entry of a chooser's filter list: the text shown and its patterns,
// separated by ";" ("*.512;*.128").
struct FileFilter {
    QString description;
    QString patterns;
};

// A file chooser as a command asks for it.
struct FileChooserRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QList<FileFilter> filters;  // the first one is shown at the start
    QString startName;          // a name or a full path; a path opens its folder
    QString defaultExtension;   // added to a name typed without one
    // An open chooser that takes several files at once (they must exist):
    // the first is the chooser's answer, the others are put here.
    QStringList* alsoChosen = nullptr;
};

// Whether the file name of `name` (a name or a path) is one that `filter`
// lists, as the chooser matches it: case-insensitive, "*" any run of
// characters.
bool MatchesFilter(const FileFilter& filter, const QString& name);

// The choosers of the main window's commands; `title` is "Choose file" in
// the current language.
FileChooserRequest KermitSendChooser(const QString& title, const QString& lastFile);
FileChooserRequest LoadProgramChooser(const QString& title, const QString& lastFile);
// The capture choosers offer "treelist.txt" in `folder`, the folder last
// used, or in the chooser's own start folder when it is empty.
FileChooserRequest DataToPrinterChooser(const QString& title, const QString& folder = {});
FileChooserRequest ReceiveAsciiChooser(const QString& title, const QString& folder = {});

// Sets `dialog` up for `request`. The start name is offered only when the
// first filter lists it; otherwise the chooser opens in its folder. An open chooser also takes the
// name of a file that does not exist; a save chooser replaces a file without asking.
void ConfigureFileDialog(QFileDialog& dialog, const FileChooserRequest& request);

// Shows the chooser modally; the full path of the chosen file, or an empty
// text when the user cancelled.
QString ShowFileChooser(QWidget* owner, const FileChooserRequest& request);
