#pragma once

#include "panel/PanelProtocol.h"
#include "panel/PanelView.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace pendra {

class HostConnection;

// The background thread that works off host messages. It sleeps until
// messages arrive, then handles every one that waits, in order: answers
// version messages with a new greeting, and acknowledges coordinate messages
// for hosts that want it. The readouts then get the newest values, in one
// update of the view per pass. When asked to stop it closes the link and
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

    // The replies one host message calls for go out at once; returns what
    // kind of message it was.
    HostMessageKind answerMessage(const std::string& text);

private:
    void run();
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
};

// The readout texts of a coordinate message: four decimals for each value
// read, and blank for a value the message lacks.
ReadoutTexts showCoordinates(const std::string& text, bool withErrors);

} // namespace pendra
