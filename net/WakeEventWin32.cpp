#include "net/WakeEvent.h"

#include <winsock2.h>

namespace pendra {

// A WSAEVENT is a manual-reset event already: setting or resetting it twice
// is harmless, so it needs no lock of its own.
struct WakeEvent::Native
{
    WSAEVENT event = WSA_INVALID_EVENT;
};

WakeEvent::WakeEvent() : native(std::make_unique<Native>())
{
    native->event = ::WSACreateEvent();
}

WakeEvent::~WakeEvent()
{
    if (native->event != WSA_INVALID_EVENT)
        ::WSACloseEvent(native->event);
}

bool WakeEvent::isValid() const
{
    return native->event != WSA_INVALID_EVENT;
}

socketapi::WaitHandle WakeEvent::waitHandle() const
{
    return reinterpret_cast<socketapi::WaitHandle>(native->event);
}

void WakeEvent::signal()
{
    if (isValid())
        ::WSASetEvent(native->event);
}

void WakeEvent::reset()
{
    if (isValid())
        ::WSAResetEvent(native->event);
}

} // namespace pendra
