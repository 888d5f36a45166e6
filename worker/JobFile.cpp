#include "worker/JobFile.h"

#include <QDir>
#include <QFileInfo>

#include "app/TextTable.h"

namespace {

QString Shown(const QString& path, bool fullPaths) {
    return fullPaths ? path : QFileInfo(path).fileName();
}

}  // namespace

QString JobFileLine(const QStringList& texts, const JobFile& file, bool fullPaths) {
    const QString name = Shown(file.path, fullPaths);
    const QString bytes = QString::number(file.bytes);
    switch (file.fate) {
        case JobFile::Fate::Received:
            // A file saved under another name or folder shows where it went.
            if (!file.asked.isEmpty()) {
                return TextAt(texts, TextId::FileListSavedAs)
                    .arg(file.asked, bytes, QDir::toNativeSeparators(file.path));
            }
            return TextAt(texts, TextId::FileListReceived).arg(name, bytes);
        case JobFile::Fate::KeptAsPart:
            return TextAt(texts, TextId::FileListKept)
                .arg(name, bytes, Shown(file.kept, fullPaths));
        case JobFile::Fate::NotReceived:
            return TextAt(texts, TextId::FileListNotReceived).arg(name);
        case JobFile::Fate::Refused:
            return TextAt(texts, TextId::FileListRefused)
                .arg(name, bytes, QString::number(file.room));
        case JobFile::Fate::Cancelled:
            return TextAt(texts, TextId::FileListCancelled).arg(name);
    }
    return name;
}

QString JobFileCountLine(const QStringList& texts, int count) {
    return TextAt(texts, TextId::FileListCount).arg(count);
}
