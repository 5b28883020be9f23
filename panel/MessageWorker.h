#pragma once

#include "panel/PanelProtocol.h"
#include "panel/PanelView.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace pendra {

class HostConnection;
class SocketLink;

// The background thread that works off host messages. It sleeps until
// messages arrive, then handles every one that waits, in order: acknowledges
// coordinate messages for hosts that want it, at once, and answers version
// messages with a new greeting, at most one per greeting interval, so that
// a host that answers every greeting with its version is not flooded. The
// readouts get the newest values, at most once per frame of the screen. The readouts then get the
// newest values, in one update of the view per pass. When asked to stop it closes the link and
// ends; stop() waits for that.
class MessageWorker
{
public:
    MessageWorker(HostConnection& connection, PanelView& view);
    // Stops the thread if it still runs: it never outlives the view.
    ~MessageWorker();

    MessageWorker(const MessageWorker&) = delete;
    MessageWorker& operator=(const MessageWorker&) = delete;

    void start();
    // Asks the worker to finish and waits until it has. Acts once; later calls
    // return at once.
    void stop();
    bool isRunning() const { return thread.joinable(); }

private:
    using Clock = std::chrono::steady_clock;

    void run();
    // Takes the version a host announced; the greeting that answers it waits
    // for its turn.
    void noteVersion(const std::shared_ptr<SocketLink>& from, const std::string& text);
    // Sends the greeting that versions call for once it may leave; until then
    // returns when it may.
    std::optional<Clock::time_point> sendOwedGreeting();
    // Hands the newest texts to the view once its frame has come; until then
    // returns when it comes.
    std::optional<Clock::time_point> showUnshownReadouts();
    void wake();
    void workOffMessages();

    HostConnection& connection;
    PanelView& view;
    std::thread thread;
    std::mutex stopLock;
    std::condition_variable wakeSignal;
    bool stopRequested = false;
    bool messagesArrived = false;
    bool stopped = false;
    // Used by the worker's thread only.
    // The link whose host's versions wait for a greeting.
    std::shared_ptr<SocketLink> greetingOwedOn;
    std::optional<ReadoutTexts> unshown;
    Clock::time_point lastShown;
};

// The readout texts of a coordinate message: four decimals for each value
// read, and blank for a value the message lacks.
ReadoutTexts showCoordinates(const std::string& text, bool withErrors);

} // namespace pendra
