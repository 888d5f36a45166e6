#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Writes `bytes` unchanged into `path`, replacing a file that is there only
// once they are all written. On failure returns false, leaves any earlier
// file as it was and a description in `error`.
bool WriteCaptureFile(const QString& path, const QByteArray& bytes, QString* error);

// The low 32 bits of the size of the file (or folder) at `path`, for the
// transfer window's progress; 0xFFFFFFFF when there is no such entry.
std::uint32_t ReadFileSize(const QString& path);
