#pragma once

#include <QString>

#include "serial/PortFailure.h"
#include "worker/JobTexts.h"

// The message for a port that could not be opened: "ERROR: Comport!", then
// the port as the user knows it (its device path, or its name on Windows),
// then why, each on its own line.
QString PortFailureText(const JobTexts& texts, const QString& portName,
                        const serial::PortFailure& failure);
