#include "net/WakeEvent.h"

#include <fcntl.h>
#include <unistd.h>

namespace pendra {

// A pipe: the event is signalled while the pipe holds a byte.
WakeEvent::WakeEvent()
{
    int ends[2];
    if (::pipe(ends) != 0)
        return;
    for (int fd : ends) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    readEnd = ends[0];
    writeEnd = ends[1];
}

WakeEvent::~WakeEvent()
{
    if (readEnd >= 0)
        ::close(readEnd);
    if (writeEnd >= 0)
        ::close(writeEnd);
}

void WakeEvent::signal()
{
    std::lock_guard guard(lock);
    if (signalled || writeEnd < 0)
        return;
    const char byte = 1;
    signalled = ::write(writeEnd, &byte, 1) == 1;
}

void WakeEvent::reset()
{
    std::lock_guard guard(lock);
    if (!signalled)
        return;
    char drain[16];
    while (::read(readEnd, drain, sizeof drain) > 0) {
    }
    signalled = false;
}

} // namespace pendra
