#include "net/WakeEvent.h"

#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace pendra {

// A pipe: the event is signalled while the pipe holds a byte.
struct WakeEvent::Native
{
    std::mutex lock;
    bool signalled = false;
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
    std::lock_guard guard(native->lock);
    if (native->signalled || native->writeEnd < 0)
        return;
    const char byte = 1;
    native->signalled = ::write(native->writeEnd, &byte, 1) == 1;
}

void WakeEvent::reset()
{
    std::lock_guard guard(native->lock);
    if (!native->signalled)
        return;
    char drain[16];
    while (::read(native->readEnd, drain, sizeof drain) > 0) {
    }
    native->signalled = false;
}

} // namespace pendra
