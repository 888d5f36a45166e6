#include "ui/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

const FileFilter kAllFiles{QStringLiteral("Filer (*.*)"), QStringLiteral("*.*")};
const FileFilter kKalvex{QStringLiteral("Kalvex (*.512; *.128)"), QStringLiteral("*.512;*.128")};
const FileFilter kForvanta{QStringLiteral("Forvanta (*.m$x; *.b$n)"),
                           QStringLiteral("*.m$x;*.b$n")};
const FileFilter kText{QStringLiteral("Text (*.txt)"), QStringLiteral("*.txt")};
const QString kTreeList = QStringLiteral("treelist.txt");

// The description as it stands, the patterns in Qt's form after it; the
// dialog hides that second part.
QString QtNameFilter(const FileFilter& filter) {
    QStringList patterns = filter.patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns)
        pattern = pattern.trimmed();
    return filter.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
           QLatin1Char(')');
}

}  // namespace

bool MatchesFilter(const FileFilter& filter, const QString& name) {
    const QString fileName = QFileInfo(name).fileName();
    for (const QString& pattern : filter.patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QRegularExpression wildcard(
            QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
            QRegularExpression::CaseInsensitiveOption);
        if (wildcard.match(fileName).hasMatch()) return true;
    }
    return false;
}

FileChooserRequest KermitSendChooser(const QString& title, const QString& lastFile) {
    return {FileChooserRequest::Kind::Open, title, {kAllFiles, kKalvex, kForvanta}, lastFile, {}};
}

FileChooserRequest LoadProgramChooser(const QString& title, const QString& lastFile) {
    return {FileChooserRequest::Kind::Open, title, {kForvanta}, lastFile, {}};
}

namespace {

QString TreeListIn(const QString& folder) {
    return folder.isEmpty() ? kTreeList : QDir(folder).filePath(kTreeList);
}

}  // namespace

FileChooserRequest DataToPrinterChooser(const QString& title, const QString& folder) {
    return {FileChooserRequest::Kind::Save,
            title,
            {kAllFiles},
            TreeListIn(folder),
            QStringLiteral("txt")};
}

FileChooserRequest ReceiveAsciiChooser(const QString& title, const QString& folder) {
    return {
        FileChooserRequest::Kind::Save, title, {kText}, TreeListIn(folder), QStringLiteral("txt")};
}

void ConfigureFileDialog(QFileDialog& dialog, const FileChooserRequest& request) {
    const bool save = request.kind == FileChooserRequest::Kind::Save;
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.alsoChosen != nullptr ? QFileDialog::ExistingFiles
                                                     : QFileDialog::AnyFile);
    // Saving over a file that is there asks first, as the platform does.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters.append(QtNameFilter(filter));
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
    dialog.setDefaultSuffix(request.defaultExtension);
    if (request.startName.isEmpty()) return;
    // A start file the first filter would hide is not offered: its folder is.
    if (request.filters.isEmpty() || MatchesFilter(request.filters.first(), request.startName)) {
        dialog.selectFile(request.startName);
    } else if (const QFileInfo start(request.startName); start.path() != QStringLiteral(".")) {
        dialog.setDirectory(start.absolutePath());
    }
}

QString ShowFileChooser(QWidget* owner, const FileChooserRequest& request) {
    QFileDialog dialog(owner);
    ConfigureFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    if (request.alsoChosen != nullptr) *request.alsoChosen = chosen.mid(1);
    return chosen.value(0);
}
