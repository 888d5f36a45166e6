#pragma once

#include <QString>
#include <QStringList>

// The interface texts a job shows: the text table, copied when the job is
// created, so that the worker never reads the application's table itself.
struct JobTexts {
    QStringList table;

    static JobTexts From(const QStringList& textTable);

    // Entry `id` of the copied table.
    QString At(int id) const;
};

// Fixed texts, the same in every language.
inline const char* const kComportErrorText = "ERROR: Comport!";

// A message about one file: its own text, then the file as the user knows
// it, then why (left out when `reason` is empty), each on its own line.
QString FileProblemText(const QString& text, const QString& path, const QString& reason);

// What became of a received file that did not arrive whole: the text `whatId`
// says why (FileNotWhole, FileDiscarded, FileLengthDiffers), `target` is as it
// was, what arrived is in `kept` (empty when nothing had), `bytes` long.
QString NotReceivedText(const JobTexts& texts, int whatId, const QString& target,
                        const QString& kept, quint64 bytes);
