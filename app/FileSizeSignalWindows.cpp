#include "app/FileSizeSignal.h"

// Windows has no such signal: a write over a quota simply fails.
void IgnoreFileSizeSignal() {}
