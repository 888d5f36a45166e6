#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// What became of one file of a receive job, as its window lists it.
struct JobFile {
    enum class Fate {
        Received,     // whole and in its place
        KeptAsPart,   // not whole: what arrived is kept in `kept`
        NotReceived,  // not whole, and nothing of it was kept
        Refused,      // refused before its data: too large for the disk
        Cancelled,    // the user cancelled at the question whether to replace it
    };

    Fate fate = Fate::Received;
    QString path;             // the file as the user knows it (the target)
    std::uint64_t bytes = 0;  // what arrived; for a refused file what was announced
    QString kept;             // KeptAsPart: the file that keeps what arrived
    std::uint64_t room = 0;   // Refused: the room the disk had
    QString asked;            // the sender's name when Save As put the file at `path`
};

// One file of a send job and what became of it.
struct SentFile {
    enum class Fate {
        Sent,     // the receiver acknowledged all of it
        Refused,  // the receiver refused it before its data
        NotSent,  // it could not be read, or the transfer failed or stopped first
    };

    Fate fate = Fate::Sent;
    QString path;             // the file as the user named it, absolute
    std::uint64_t bytes = 0;  // its length; 0 when it could not be read
};

// One line of the file list: "NAME: 2193 bytes, received" and the like.
// `fullPaths` names the files with their folders, otherwise by name alone.
QString JobFileLine(const QStringList& texts, const JobFile& file, bool fullPaths);

// "Files: 3".
QString JobFileCountLine(const QStringList& texts, int count);
