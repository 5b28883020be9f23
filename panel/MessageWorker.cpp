#include "panel/MessageWorker.h"

#include "panel/HostConnection.h"
#include "panel/PanelProtocol.h"

namespace pendra {

ReadoutTexts showCoordinates(const std::string& text, bool withErrors)
{
    const std::vector<double> values = parseCoordinates(text, withErrors);
    auto textOf = [&](std::size_t index) {
        return index < values.size() ? formatReadout(values[index]) : std::string();
    };
    ReadoutTexts texts;
    for (std::size_t i = 0; i < texts.values.size(); ++i)
        texts.values[i] = textOf(i);
    if (withErrors) {
        for (std::size_t i = 0; i < texts.errors.size(); ++i)
            texts.errors[i] = textOf(texts.values.size() + i);
    }
    return texts;
}

MessageWorker::MessageWorker(HostConnection& hostConnection, PanelView& panelView)
    : connection(hostConnection), view(panelView)
{
}

MessageWorker::~MessageWorker()
{
    stop();
}

void MessageWorker::start()
{
    if (thread.joinable())
        return;
    {
        std::lock_guard lock(stopLock);
        stopRequested = false;
        stopped = false;
    }
    thread = std::thread([this] { run(); });
}

void MessageWorker::stop()
{
    {
        std::lock_guard lock(stopLock);
        if (stopped)
            return;
        stopped = true;
        stopRequested = true;
    }
    stopSignal.notify_all();
    // Each step of a cycle is bounded (the longest, closing the link, waits
    // one receive-thread wake-up), so this join is too.
    if (thread.joinable())
        thread.join();
}

void MessageWorker::run()
{
    std::unique_lock lock(stopLock);
    while (!stopRequested) {
        lock.unlock();
        if (const auto message = connection.takeMessage())
            handleMessage(*message);
        lock.lock();
        stopSignal.wait_for(lock, kCycle, [this] { return stopRequested; });
    }
    lock.unlock();
    connection.closeLink();
}

void MessageWorker::handleMessage(const std::string& text)
{
    const HostMessageKind kind = classify(text);
    switch (kind) {
    case HostMessageKind::Version:
        if (const auto announced = parseVersion(text))
            connection.setHostVersion(*announced);
        connection.sendHello();
        break;
    case HostMessageKind::Coordinates:
    case HostMessageKind::CoordinatesWithErrors:
        view.showReadouts(showCoordinates(text, kind == HostMessageKind::CoordinatesWithErrors));
        if (acknowledgesCoordinates(connection.hostVersion()))
            connection.sendText(kAcknowledgement);
        break;
    case HostMessageKind::Other:
        break;
    }
}

} // namespace pendra
