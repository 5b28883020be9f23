#pragma once

#include "panel/PanelView.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace pendra {

class HostConnection;

// The background thread that works off host messages, one per 20 ms cycle:
// answers version messages with a new greeting, turns coordinate messages
// into readout texts for the view and acknowledges them for hosts that want
// it. When asked to stop it closes the link and ends; stop() waits for that.
class MessageWorker
{
public:
    static constexpr std::chrono::milliseconds kCycle{20};

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

    // What one host message does; the worker calls it for each message it takes.
    void handleMessage(const std::string& text);

private:
    void run();

    HostConnection& connection;
    PanelView& view;
    std::thread thread;
    std::mutex stopLock;
    std::condition_variable stopSignal;
    bool stopRequested = false;
    bool stopped = false;
};

// The readout texts of a coordinate message: four decimals for each value
// read, and blank for a value the message lacks.
ReadoutTexts showCoordinates(const std::string& text, bool withErrors);

} // namespace pendra
