#pragma once

#include <QAbstractButton>
#include <QFileDialog>
#include <QString>

// The longest path the platform has always allowed, terminator included:
// the least an output buffer of BrowseForFolder must hold.
inline constexpr int kMaxPath = 260;

// A folder the chooser may return: it exists, it is a folder and it is not
// a symbolic link (a shortcut).
bool IsSelectableFolder(const QString& path);

// The folder chooser's dialog: it shows folders only, starts in
// `startFolder` (the root when that does not exist) and keeps OK disabled
// while the selection is not a selectable folder.
class FolderChooserDialog : public QFileDialog {
    Q_OBJECT
public:
    FolderChooserDialog(QWidget* owner, const QString& startFolder);

    // The folder that OK would return now.
    QString CurrentFolder() const;

    // OK refuses anything but a selectable folder.
    void accept() override;
    // Shows the chooser with the keys of every window (DialogKeys.h).
    void setVisible(bool visible) override;

private:
    void OnCurrentChanged(const QString& path);
    void WidenPlaces();
    QAbstractButton* OkButton() const;
};

// Lets the user pick a folder, starting at `startFolder` (the current
// directory when empty). Returns 1 with the folder's path in `output`, or 0:
// when the user cancelled (output then empty), or at once, showing nothing,
// when `output` is missing or `capacity` (in characters, terminator
// included) is below kMaxPath. A path that does not fit is refused with 0
// rather than cut short.
int BrowseForFolder(QWidget* owner, const QString& startFolder, QString* output, int capacity);
