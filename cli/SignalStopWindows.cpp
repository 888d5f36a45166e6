#include <windows.h>

#include <QMetaObject>
#include <QSocketNotifier>

#include <mutex>

#include "cli/SignalStop.h"

// The console's stops (Ctrl+C, Ctrl+Break, the console window closed, the
// user logging off, the system shutting down) come on a thread of their
// own; each becomes a stop on the main thread. The system ends the process
// once a close, log-off or shutdown handler returns, so that handler waits
// until the stop is through (the SignalStop gone) or the system's patience
// of about five seconds is nearly used up.
namespace {

constexpr DWORD kCloseWaitMs = 4500;

std::mutex g_mutex;
SignalStop* g_target = nullptr;
HANDLE g_stopped = nullptr;

// The numbers a POSIX system gives the like signals.
int SignalNumber(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
            return 2;  // SIGINT
        case CTRL_BREAK_EVENT:
            return 21;  // SIGBREAK
        case CTRL_CLOSE_EVENT:
            return 1;  // SIGHUP
        default:
            return 15;  // SIGTERM
    }
}

BOOL WINAPI OnConsoleEvent(DWORD event) {
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (g_target == nullptr) return FALSE;
        SignalStop* target = g_target;
        const int number = SignalNumber(event);
        QMetaObject::invokeMethod(
            target, [target, number] { emit target->stopRequested(number); }, Qt::QueuedConnection);
    }
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        WaitForSingleObject(g_stopped, kCloseWaitMs);
    return TRUE;
}

}  // namespace

SignalStop::SignalStop(QObject* parent) : QObject(parent) {
    if (g_stopped == nullptr) g_stopped = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (g_stopped == nullptr) return;
    ResetEvent(g_stopped);
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_target = this;
    }
    ok_ = SetConsoleCtrlHandler(OnConsoleEvent, TRUE) != 0;
}

SignalStop::~SignalStop() {
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_target = nullptr;
    }
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    // A close handler still waiting lets the process end now. The event
    // stays: the handler may be between its wait and its return.
    if (g_stopped != nullptr) SetEvent(g_stopped);
}

void SignalStop::OnReadable() {}
