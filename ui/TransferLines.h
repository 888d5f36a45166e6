#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

#include "worker/WorkerJob.h"

// The status lines of a transfer window (CTransferDlg) in the words of its
// text table: the port and rate a status is told with, the file under way,
// and every line the status can show, for the window to widen by. Reads the
// texts and the job where the window keeps them, as they are when asked.
class TransferLines {
public:
    TransferLines(const QStringList& texts, const WorkerJob& job) : texts_(texts), job_(job) {}

    // "COM3: 115200".
    QString PortAndBaud() const;
    // A status, or the name of the file being received, with the port and
    // rate after it.
    QString WithPort(const QString& text) const;
    // Sending: the file's name with its size.
    QString SendFileLine(const QString& fileName, std::uint32_t fileSize) const;
    // A file just received, marked done.
    static QString FileInLine(const QString& name);
    // Every line the status can show, each on a line of its own, with a
    // typical name for a file still to come; `sendFileLine` for the file of
    // a send.
    QStringList LinesToFit(const QString& sendFileLine) const;

private:
    const QStringList& texts_;
    const WorkerJob& job_;
};
