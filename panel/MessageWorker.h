#pragma once

#include "panel/PanelView.h"

#include <chrono>
#include <optional>
#include <string>

namespace pendra {

class HostConnection;
class LinkSession;

// Works off host messages as they arrive, on the thread of the link that
// brings them: acknowledges coordinate messages at once for hosts that want
// it, and answers version messages with a new greeting, at most one per
// greeting interval, so that a host that answers every greeting with its
// version is not flooded. The readouts get the newest values, at most once
// per frame of the screen. It has no thread of its own: the link's thread
// comes back when a greeting or a frame is due.
class MessageWorker
{
public:
    using Clock = std::chrono::steady_clock;

    MessageWorker(HostConnection& connection, PanelView& view);
    // Stops it if it still runs: it never outlives the view.
    ~MessageWorker();

    MessageWorker(const MessageWorker&) = delete;
    MessageWorker& operator=(const MessageWorker&) = delete;

    // Both on the window's thread. Start takes the turn on every link's
    // passes from now on; stop closes the link, which ends its thread, and
    // gives the turn up. Stop acts once; later calls return at once.
    void start();
    void stop();
    bool isRunning() const { return running; }

    // On the link's thread: works off what waits on the session's link and
    // returns when it must look again. Fresh: the first turn on this link.
    std::optional<Clock::time_point> workOff(LinkSession& session, bool fresh);

private:
    // Sends the greeting that versions call for once it may leave; until then
    // returns when it may.
    std::optional<Clock::time_point> answerVersions(LinkSession& session);
    // Hands the newest texts to the view once its frame has come, and returns
    // when the next frame comes; nothing once a frame finds nothing to show.
    std::optional<Clock::time_point> showUnshownReadouts();

    HostConnection& connection;
    PanelView& view;
    bool running = false;
    bool stopped = false;

    // The link's thread's own, for the link it works on.
    std::string incoming;
    std::string newestPosition;
    std::string newestWithErrors;
    bool greetingOwed = false;
    std::optional<ReadoutTexts> unshown;
    std::optional<Clock::time_point> lastShown;
};

// The readout texts of a coordinate message: four decimals for each value
// read, and blank for a value the message lacks.
ReadoutTexts showCoordinates(const std::string& text, bool withErrors);

} // namespace pendra
