#include "serial/LowLatency.h"

namespace serial {

// macOS has no serial settings with a low-latency flag; its FTDI driver keeps
// the adapter's own timer.
void AskForLowLatency(int) {}

}  // namespace serial
