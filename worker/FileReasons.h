#pragma once

#include <QString>

#include <system_error>

#include "worker/JobTexts.h"

// Why a file could not be opened, made or written, in the user's language:
// the common causes from the text table, anything else in the system's own
// words.
QString ReasonText(const JobTexts& texts, std::error_code reason);
