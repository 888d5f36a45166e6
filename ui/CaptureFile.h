#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Creates `path` (or empties it when it exists) and writes `bytes` into it
// unchanged. On failure returns false and leaves a description in `error`.
bool WriteCaptureFile(const QString& path, const QByteArray& bytes, QString* error);

// The low 32 bits of the size of the file (or folder) at `path`, for the
// transfer window's progress; 0xFFFFFFFF when there is no such entry.
std::uint32_t ReadFileSize(const QString& path);
