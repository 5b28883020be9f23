#pragma once

#include "net/SocketApi.h"

#include <memory>

namespace pendra {

// A manual-reset event that a socket wait can watch beside the socket: it
// stays signalled until reset. New events are clear. WakeEventPosix.cpp (a
// pipe) and WakeEventWin32.cpp (a WSAEVENT) implement it.
class WakeEvent
{
public:
    WakeEvent();
    ~WakeEvent();

    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    bool isValid() const;
    void signal();
    void reset();
    // What socketapi::waitForAny watches for this event.
    socketapi::WaitHandle waitHandle() const;

private:
    struct Native;
    std::unique_ptr<Native> native;
};

} // namespace pendra
