#include "ui/EndRequests.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace pendra {

namespace {

constexpr std::array<int, 3> kEndSignals{SIGTERM, SIGINT, SIGHUP};

// The write end is all a handler touches: one byte, which wakes the window's
// thread through the read end.
int signalPipe[2] = {-1, -1};
// The one object that watches; another finds the signals taken.
const EndRequests* watcher = nullptr;

extern "C" void noteEndSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void EndRequests::watchSignals()
{
    if (watcher ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        requested();
    });
    watcher = this;
    struct sigaction action = {};
    action.sa_handler = noteEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals)
        ::sigaction(signal, &action, nullptr);
}

void EndRequests::stopWatchingSignals()
{
    if (watcher != this)
        return;
    watcher = nullptr;
    // From here on a signal ends the program as it would without a panel.
    for (const int signal : kEndSignals)
        ::signal(signal, SIG_DFL);
    // The notifier goes before the socket it watches.
    qDeleteAll(findChildren<QSocketNotifier*>());
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

} // namespace pendra
