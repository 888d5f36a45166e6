#include <csignal>

#include "app/FileSizeSignal.h"

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}
