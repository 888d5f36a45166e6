#pragma once

#include <QString>

#include <system_error>

#include "worker/JobTexts.h"

// Why a file could not be opened, made or written, in the user's language:
// the common causes from the text table, anything else in the system's own
// words.
QString ReasonText(const JobTexts& texts, std::error_code reason);

// A received file refused before its data: the sender announced `announced`
// bytes, and the disk had room for `room`; `target` as the user knows it.
QString FileRefusedText(const JobTexts& texts, const QString& target, quint64 announced,
                        quint64 room);
// A send the receiver refused: `refusedBy` is what its answer named ("1" or
// "!" for the file's length, `length`).
QString SendRefusedText(const JobTexts& texts, const QString& file, const QString& refusedBy,
                        quint64 length);
