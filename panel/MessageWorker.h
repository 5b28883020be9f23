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

// Works off host messages as they arrive: acknowledges coordinate messages
// for hosts that want it, at once, and answers version messages with a new
// greeting, at most one per greeting interval, so that a host that answers
// every greeting with its version is not flooded. The readouts get the newest
// values, at most once per frame of the screen.
//
// A pass runs on the thread that brings the messages, the link's receive
// thread, so that a message costs one thread a wake-up, as a bare loop would.
// What must wait for its time (a greeting, the next frame) is left to the
// worker's own thread, which sleeps until then; a stream keeps it to one
// wake-up a frame. Only one thread works at a time: one that finds the work
// taken leaves its share to the thread that has it, and never waits for it.
// When asked to stop it closes the link and ends; stop() waits for that.
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
    enum Work : unsigned { kArrivals = 1, kDueWork = 2 };

    // The worker's own thread: wakes when a greeting or readouts are due.
    void run();
    // Does the asked work and whatever others ask meanwhile, unless another
    // thread is working: that one then does it before it stops.
    void work(unsigned asked);
    void workOffMessages();
    // Takes the version a host announced; the greeting that answers it waits
    // for its turn.
    void noteVersion(const std::shared_ptr<SocketLink>& from, const std::string& text);
    // Sends the greeting that versions call for once it may leave; until then
    // returns when it may.
    std::optional<Clock::time_point> sendOwedGreeting();
    // Hands the newest texts to the view once its frame has come, and returns
    // when the next frame comes; nothing once a frame finds nothing to show.
    std::optional<Clock::time_point> showUnshownReadouts();

    HostConnection& connection;
    PanelView& view;
    std::thread thread;

    std::mutex stateLock;
    std::condition_variable wakeSignal;
    bool stopRequested = false;
    bool stopped = false;
    // Work asked for while a thread was working, and whether one is.
    unsigned askedWork = 0;
    bool working = false;
    // When the worker's thread looks next.
    std::optional<Clock::time_point> dueAt;

    // Used by the working thread only.
    // The link whose host's versions wait for a greeting.
    std::shared_ptr<SocketLink> greetingOwedOn;
    std::optional<ReadoutTexts> unshown;
    std::optional<Clock::time_point> lastShown;
};

// The readout texts of a coordinate message: four decimals for each value
// read, and blank for a value the message lacks.
ReadoutTexts showCoordinates(const std::string& text, bool withErrors);

} // namespace pendra
