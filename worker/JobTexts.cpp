#include "worker/JobTexts.h"

#include <QDir>

#include "app/TextTable.h"

JobTexts JobTexts::From(const QStringList& textTable) {
    JobTexts texts;
    texts.couldNotOpenFile = TextAt(textTable, TextId::CouldNotOpenFile);
    texts.outOfMemory = TextAt(textTable, TextId::OutOfMemory);
    texts.transmissionError = TextAt(textTable, TextId::TransmissionError);
    texts.fileExistsOverwrite = TextAt(textTable, TextId::FileExistsOverwrite);
    texts.table = textTable;
    return texts;
}

QString JobTexts::At(int id) const {
    return TextAt(table, id);
}

QString FileProblemText(const QString& text, const QString& path, const QString& reason) {
    QString message = text + QLatin1Char('\n') + QDir::toNativeSeparators(path);
    if (!reason.isEmpty()) message += QLatin1Char('\n') + reason;
    return message;
}

QString NotReceivedText(const QString& target, const QString& kept, quint64 bytes, bool discarded) {
    const QString what = discarded ? QStringLiteral("%1 was discarded by the sender.")
                                   : QStringLiteral("%1 did not arrive whole.");
    const QString where =
        kept.isEmpty()
            ? QStringLiteral("Nothing of it had arrived.")
            : QStringLiteral("What arrived is kept in %1 (%2 bytes).").arg(kept).arg(bytes);
    return what.arg(target) + QLatin1Char(' ') + where;
}
