#include "net/WakeEvent.h"

#include <atomic>
#include <fcntl.h>
#include <unistd.h>

namespace pendra {

// A pipe: the event is signalled while the pipe holds a byte. Only the
// signal that finds it clear writes, so the pipe holds one byte at most.
struct WakeEvent::Native
{
    std::atomic<bool> signalled{false};
    int readEnd = -1;
    int writeEnd = -1;
};

WakeEvent::WakeEvent() : native(std::make_unique<Native>())
{
    int ends[2];
    if (::pipe(ends) != 0)
        return;
    for (int fd : ends) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    native->readEnd = ends[0];
    native->writeEnd = ends[1];
}

WakeEvent::~WakeEvent()
{
    if (native->readEnd >= 0)
        ::close(native->readEnd);
    if (native->writeEnd >= 0)
        ::close(native->writeEnd);
}

bool WakeEvent::isValid() const
{
    return native->readEnd >= 0;
}

socketapi::WaitHandle WakeEvent::waitHandle() const
{
    return native->readEnd;
}

void WakeEvent::signal()
{
    if (native->writeEnd < 0 || native->signalled.exchange(true))
        return;
    const char byte = 1;
    if (::write(native->writeEnd, &byte, 1) != 1)
        native->signalled = false;
}

void WakeEvent::reset()
{
    // Emptied before it is marked clear: a signal in between finds it still
    // signalled and writes nothing, and the waiter looks at what was asked
    // of it after every reset anyway.
    char drain[16];
    while (::read(native->readEnd, drain, sizeof drain) > 0) {
    }
    native->signalled = false;
}

} // namespace pendra
