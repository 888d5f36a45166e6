#include <windows.h>

#include <string>

#include "cli/ConsoleInput.h"

namespace {

bool IsConsole(DWORD which) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

// A console in line mode hands out a line only once Enter was pressed, and
// its handle stays signalled while any event (a key going up, the mouse) is
// unread: the line is read whole once Enter is among the waiting events.
bool EnterIsWaiting(HANDLE in) {
    INPUT_RECORD records[128];
    DWORD count = 0;
    if (!PeekConsoleInputW(in, records, 128, &count)) return false;
    for (DWORD i = 0; i < count; ++i) {
        const KEY_EVENT_RECORD& key = records[i].Event.KeyEvent;
        if (records[i].EventType == KEY_EVENT && key.bKeyDown && key.uChar.UnicodeChar == L'\r')
            return true;
    }
    return false;
}

std::string g_line;  // what is left of the last line read from the console

int FromConsole(HANDLE in, char& c, int milliseconds) {
    if (g_line.empty()) {
        if (WaitForSingleObject(in, static_cast<DWORD>(milliseconds)) != WAIT_OBJECT_0) return 0;
        if (!EnterIsWaiting(in)) {
            Sleep(static_cast<DWORD>(milliseconds));
            return 0;
        }
        char buffer[512];
        DWORD got = 0;
        if (!ReadFile(in, buffer, sizeof(buffer), &got, nullptr) || got == 0) return -1;
        g_line.assign(buffer, got);
    }
    c = g_line.front();
    g_line.erase(0, 1);
    return 1;
}

int FromPipeOrFile(HANDLE in, char& c, int milliseconds) {
    DWORD available = 0;
    if (GetFileType(in) == FILE_TYPE_PIPE) {
        if (!PeekNamedPipe(in, nullptr, 0, nullptr, &available, nullptr)) return -1;
        if (available == 0) {
            Sleep(static_cast<DWORD>(milliseconds));
            return 0;
        }
    }
    DWORD got = 0;
    return ReadFile(in, &c, 1, &got, nullptr) && got == 1 ? 1 : -1;
}

}  // namespace

bool StandardInputIsTerminal() {
    return IsConsole(STD_INPUT_HANDLE);
}

bool StandardErrorIsTerminal() {
    return IsConsole(STD_ERROR_HANDLE);
}

int ReadInputByte(char& c, int milliseconds) {
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    if (in == nullptr || in == INVALID_HANDLE_VALUE) return -1;
    return StandardInputIsTerminal() ? FromConsole(in, c, milliseconds)
                                     : FromPipeOrFile(in, c, milliseconds);
}
