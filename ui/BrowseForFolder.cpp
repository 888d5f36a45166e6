#include "ui/BrowseForFolder.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>

#include <algorithm>

#include "ui/DialogKeys.h"

namespace {

// The start folder is kept in a buffer of 2048 characters with room for the
// terminator and a spare one.
constexpr int kStartFolderLength = 2046;

}  // namespace

bool IsSelectableFolder(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.exists() && info.isDir() && !info.isSymLink();
}

FolderChooserDialog::FolderChooserDialog(QWidget* owner, const QString& startFolder)
    : QFileDialog(owner) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::ShowDirsOnly, true);
    setOption(QFileDialog::DontResolveSymlinks, true);
    setOption(QFileDialog::DontUseCustomDirectoryIcons, true);
    setFileMode(QFileDialog::Directory);
    setAcceptMode(QFileDialog::AcceptOpen);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setDirectory(QFileInfo(startFolder).isDir() ? startFolder : QDir::rootPath());
    resize(sizeHint() + QSize(40, 30));
    connect(this, &QFileDialog::currentChanged, this, &FolderChooserDialog::OnCurrentChanged);
}

QAbstractButton* FolderChooserDialog::OkButton() const {
    const auto* buttons = findChild<QDialogButtonBox*>();
    if (!buttons) return nullptr;
    QAbstractButton* ok = buttons->button(QDialogButtonBox::Open);
    return ok ? ok : buttons->button(QDialogButtonBox::Save);
}

QString FolderChooserDialog::CurrentFolder() const {
    const QStringList selected = selectedFiles();
    return selected.isEmpty() ? directory().absolutePath() : selected.first();
}

// The dialog sets OK by its own rules first; a selection that is no
// selectable folder then turns it off. It is never turned on here.
void FolderChooserDialog::OnCurrentChanged(const QString& path) {
    if (IsSelectableFolder(path)) return;
    if (QAbstractButton* ok = OkButton()) ok->setEnabled(false);
}

void FolderChooserDialog::accept() {
    if (!IsSelectableFolder(CurrentFolder())) return;
    QFileDialog::accept();
}

void FolderChooserDialog::setVisible(bool visible) {
    const bool showing = visible && !isVisible();
    if (showing) PrepareDialogKeys(*this);
    QFileDialog::setVisible(visible);
    if (showing) WidenPlaces();
}

// The places at the left (the computer, the home folder) show their names
// whole: the chooser widens by what their column lacks.
void FolderChooserDialog::WidenPlaces() {
    auto* places = findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = findChild<QSplitter*>(QStringLiteral("splitter"));
    if (!places || !splitter || splitter->count() < 2) return;
    QList<int> sizes = splitter->sizes();
    const int needed = places->sizeHintForColumn(0) + 2 * places->frameWidth() +
                       places->verticalScrollBar()->sizeHint().width();
    const int lacking = needed - sizes[0];
    if (lacking <= 0) return;
    resize(width() + lacking, height());
    sizes[0] = needed;
    sizes[1] = std::max(0, splitter->width() - needed - splitter->handleWidth());
    splitter->setSizes(sizes);
}

int BrowseForFolder(QWidget* owner, const QString& startFolder, QString* output, int capacity) {
    if (!output || capacity < kMaxPath) return 0;
    output->clear();
    const QString start = startFolder.isEmpty() ? QDir::currentPath() : startFolder;
    FolderChooserDialog dialog(owner, start.left(kStartFolderLength));
    if (dialog.exec() != QDialog::Accepted) return 0;
    const QString chosen = QDir::toNativeSeparators(dialog.CurrentFolder());
    if (chosen.isEmpty() || chosen.size() > capacity - 1) return 0;
    *output = chosen;
    return 1;
}
