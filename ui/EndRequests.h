#pragma once

#include <QObject>
#include <functional>

namespace pendra {

// Hears the system ask the program to end, and ends the panel as Exit does,
// so that queued commands leave and the placement is saved: SIGTERM, SIGINT
// and SIGHUP on Linux, the end of the desktop session everywhere. The call
// runs on this object's thread, never inside a signal handler.
class EndRequests : public QObject
{
public:
    explicit EndRequests(std::function<void()> endPanel, QObject* parent = nullptr);
    ~EndRequests() override;

private:
    // The signals are the system's own: EndRequestsPosix.cpp and
    // EndRequestsWin32.cpp hear them.
    void watchSignals();
    void stopWatchingSignals();
    void requested();

    std::function<void()> endPanel;
    bool ended = false;
};

} // namespace pendra
