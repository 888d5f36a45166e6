#pragma once

#include <QString>

class QLabel;

// Shows `text` in `label` so that none of it runs out of sight: wrapped at
// word boundaries when that fits the label's height, otherwise each line
// shortened in its middle with an ellipsis. `rightReserve` pixels at the
// right stay free (for a status dot drawn there). The whole text is the
// label's tool tip whenever it had to be shortened.
void ShowFittedText(QLabel* label, const QString& text, int rightReserve);
