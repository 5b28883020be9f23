#pragma once

#include <mutex>

namespace pendra {

// A manual-reset event that a socket wait can watch beside the socket: it
// stays signalled until reset. New events are clear.
class WakeEvent
{
public:
    WakeEvent();
    ~WakeEvent();

    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    bool isValid() const { return readEnd >= 0; }
    void signal();
    void reset();
    // What a socket wait polls for readability while the event is signalled.
    int waitHandle() const { return readEnd; }

private:
    std::mutex lock;
    bool signalled = false;
    int readEnd = -1;
    int writeEnd = -1;
};

} // namespace pendra
