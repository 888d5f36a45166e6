#include <windows.h>

#include "app/Terminal.h"

bool OutputIsRead() {
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return false;
    const DWORD type = ::GetFileType(output);
    return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE || type == FILE_TYPE_DISK;
}
