#pragma once

namespace serial {

// Asks the driver of the open serial device `fd` to hand on received bytes at
// once rather than gather them first. A USB adapter holds what it received
// for up to its latency timer (16 ms on FTDI chips) before the computer sees
// it, which delays every acknowledgement of a stop-and-wait protocol by that
// much; its Linux driver lowers the timer to 1 ms for a port in low-latency
// mode, which an ordinary user may set. Quietly does nothing where the device
// or the system has no such mode or refuses it: the port works without it.
void AskForLowLatency(int fd);

}  // namespace serial
