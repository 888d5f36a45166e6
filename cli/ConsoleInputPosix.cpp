#include <poll.h>
#include <unistd.h>

#include "cli/ConsoleInput.h"

bool StandardInputIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

int ReadInputByte(char& c, int milliseconds) {
    pollfd in{STDIN_FILENO, POLLIN, 0};
    if (::poll(&in, 1, milliseconds) <= 0) return 0;
    return ::read(STDIN_FILENO, &c, 1) == 1 ? 1 : -1;
}
