#include "worker/JobTexts.h"

#include <QDir>

#include "app/TextTable.h"

JobTexts JobTexts::From(const QStringList& textTable) {
    return JobTexts{.table = textTable};
}

QString JobTexts::At(int id) const {
    return TextAt(table, id);
}

QString FileProblemText(const QString& text, const QString& path, const QString& reason) {
    QString message = text + QLatin1Char('\n') + QDir::toNativeSeparators(path);
    if (!reason.isEmpty()) message += QLatin1Char('\n') + reason;
    return message;
}

QString NotReceivedText(const JobTexts& texts, int whatId, const QString& target,
                        const QString& kept, quint64 bytes) {
    const QString what = texts.At(whatId);
    const QString where = kept.isEmpty() ? texts.At(TextId::NothingArrived)
                                         : texts.At(TextId::ArrivedKeptIn).arg(kept).arg(bytes);
    return what.arg(target) + QLatin1Char(' ') + where;
}
