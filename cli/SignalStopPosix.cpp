#include "cli/SignalStop.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {

int g_pipe[2] = {-1, -1};

extern "C" void OnSignal(int number) {
    const unsigned char byte = static_cast<unsigned char>(number);
    const int saved = errno;
    (void)!::write(g_pipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

SignalStop::SignalStop(QObject* parent) : QObject(parent) {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SignalStop::OnReadable);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ok_ = ::sigaction(SIGINT, &action, nullptr) == 0 &&
          ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGHUP, &action, nullptr) == 0;
}

SignalStop::~SignalStop() {
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGHUP, SIG_DFL);
    notifier_.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SignalStop::OnReadable() {
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        emit stopRequested(byte);
}
