#pragma once

#include <QList>
#include <QStringList>

#include "worker/JobFile.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

// The file list of a receive window: a count ("Files: 3") above a read-only
// list with one row per file of the job and what became of it. The list is
// as wide as the row of a file received whole; a longer row wraps onto more
// lines. A row's tool tip names the files with their folders.
class TransferFileList {
public:
    TransferFileList(const QStringList& texts, QLabel* count, QListWidget* list);

    void Show();
    void Add(const JobFile& file);
    const QList<JobFile>& files() const { return files_; }
    // True when some file of the job did not arrive whole.
    bool AnyNotWhole() const;
    // How much wider the list must grow to show the row of a file with a
    // typical name, received or not, on one line.
    int ExtraWidthWanted() const;

private:
    void FitRow(QListWidgetItem* row) const;

    const QStringList& texts_;
    QLabel* count_;
    QListWidget* list_;
    QList<JobFile> files_;
};
