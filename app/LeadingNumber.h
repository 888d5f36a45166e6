#pragma once

#include <QStringView>

// Reads a decimal number the way the settings and files of this program
// always have: leading white space, an optional sign, then digits up to the
// first other character. No digits give 0; values beyond the int range stop
// at its limits.
int LeadingNumber(QStringView text);
