#pragma once

#include <QString>

#include "kermit/KermitEngine.h"
#include "worker/JobTexts.h"

// Why a transfer of `file` failed, as a sentence of the user's language that
// names the file, with the engine's short status word after it in brackets
// for whoever reports a fault. `sending` tells a send from a receive;
// `peerText` is the peer's own E message (empty when it sent none).
QString FailureSentence(const JobTexts& texts, const kermit::KermitEngine& engine,
                        const QString& file, bool sending, const QString& peerText);
