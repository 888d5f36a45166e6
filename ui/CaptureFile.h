#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Writes `bytes` unchanged into `path`, replacing a file that is there only
// once they are all written. On failure returns false, leaves any earlier
// file as it was and puts in `error` the text `failedText` (a sentence whose
// %1 is the file) with the reason on the line below.
bool WriteCaptureFile(const QString& path, const QByteArray& bytes, QString* error,
                      const QString& failedText);

// The low 32 bits of the size of the file (or folder) at `path`, for the
// transfer window's progress; 0xFFFFFFFF when there is no such entry.
std::uint32_t ReadFileSize(const QString& path);
