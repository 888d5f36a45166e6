#include <sys/stat.h>
#include <unistd.h>

#include "app/Terminal.h"

bool OutputIsRead() {
    if (::isatty(STDOUT_FILENO) == 1) return true;
    struct stat output {};
    if (::fstat(STDOUT_FILENO, &output) != 0) return false;
    return S_ISFIFO(output.st_mode) || S_ISREG(output.st_mode);
}
