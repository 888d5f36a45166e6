#include <linux/serial.h>
#include <sys/ioctl.h>

#include "serial/LowLatency.h"

namespace serial {

// Linux: the low-latency flag of the driver's serial settings. Every other
// setting goes back as the driver gave it, so that a user without
// administrator rights, who may change only this flag and a few like it, is
// not refused for the others. A pseudo-terminal has no serial settings at all
// (ENOTTY); a driver may refuse the change (EPERM, EINVAL).
void AskForLowLatency(int fd) {
    serial_struct settings{};
    if (::ioctl(fd, TIOCGSERIAL, &settings) != 0) return;
    if ((settings.flags & ASYNC_LOW_LATENCY) != 0) return;
    settings.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd, TIOCSSERIAL, &settings);
}

}  // namespace serial
