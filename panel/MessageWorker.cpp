#include "panel/MessageWorker.h"

#include "panel/HostConnection.h"
#include "panel/PanelProtocol.h"

#include <algorithm>
#include <utility>

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
        std::lock_guard lock(stateLock);
        stopRequested = false;
        stopped = false;
        // Messages may already wait on a link opened before the worker.
        askedWork = kArrivals;
        dueAt = Clock::now();
    }
    connection.setArrivalHandler([this] { work(kArrivals); });
    thread = std::thread([this] { run(); });
}

void MessageWorker::stop()
{
    {
        std::lock_guard lock(stateLock);
        if (stopped)
            return;
        stopped = true;
        stopRequested = true;
    }
    wakeSignal.notify_all();
    // Once this returns, no receive thread works off messages any more.
    connection.setArrivalHandler(nullptr);
    // Each step of a pass is bounded (the longest, closing the link, ends the
    // link's receive thread at once), so this join is too.
    if (thread.joinable())
        thread.join();
}

void MessageWorker::run()
{
    std::unique_lock lock(stateLock);
    while (!stopRequested) {
        if (!dueAt) {
            wakeSignal.wait(lock);
            continue;
        }
        if (Clock::now() < *dueAt) {
            wakeSignal.wait_until(lock, *dueAt);
            continue;
        }
        dueAt.reset();
        lock.unlock();
        work(kDueWork);
        lock.lock();
    }
    lock.unlock();
    connection.closeLink();
}

void MessageWorker::work(unsigned asked)
{
    {
        std::lock_guard lock(stateLock);
        if (stopRequested)
            return;
        askedWork |= asked;
        if (working)
            return;
        working = true;
    }
    bool wakeWorker = false;
    std::optional<Clock::time_point> due;
    for (;;) {
        unsigned doing = 0;
        {
            std::lock_guard lock(stateLock);
            doing = std::exchange(askedWork, 0u);
            if (doing == 0 || stopRequested) {
                working = false;
                // The worker's thread needs a word only when it must look
                // sooner than it means to.
                wakeWorker = due && (!dueAt || *due < *dueAt);
                if (wakeWorker || !due)
                    dueAt = due;
                break;
            }
        }
        if (doing & kArrivals)
            workOffMessages();
        const auto greetingDue = sendOwedGreeting();
        const auto readoutsDue = showUnshownReadouts();
        due = greetingDue && readoutsDue ? std::min(*greetingDue, *readoutsDue)
                                         : (greetingDue ? greetingDue : readoutsDue);
    }
    if (wakeWorker)
        wakeSignal.notify_one();
}

std::optional<MessageWorker::Clock::time_point> MessageWorker::sendOwedGreeting()
{
    if (!greetingOwedOn)
        return std::nullopt;
    const Clock::time_point allowed = connection.nextGreetingAllowed();
    if (Clock::now() < allowed)
        return allowed;
    // A link replaced meanwhile has been greeted by its own opening.
    connection.sendHelloOn(std::exchange(greetingOwedOn, nullptr));
    return std::nullopt;
}

std::optional<MessageWorker::Clock::time_point> MessageWorker::showUnshownReadouts()
{
    const Clock::time_point now = Clock::now();
    if (lastShown && now < *lastShown + view.readoutInterval())
        return *lastShown + view.readoutInterval();
    if (!unshown) {
        lastShown.reset();
        return std::nullopt;
    }
    lastShown = now;
    view.showReadouts(std::move(*unshown));
    unshown.reset();
    // A stream's next values find the worker's thread already waiting for
    // their frame.
    return now + view.readoutInterval();
}

void MessageWorker::workOffMessages()
{
    // Every message is answered; only the newest of each kind of position
    // decides what the readouts show, so only those are read and formatted.
    const HostConnection::HostTraffic traffic = connection.takeTraffic();
    const std::string* newestPosition = nullptr;
    const std::string* newestWithErrors = nullptr;
    std::size_t acknowledgements = 0;
    for (const std::string& message : traffic.messages) {
        const HostMessageKind kind = classify(message);
        if (kind == HostMessageKind::Version)
            noteVersion(traffic.link, message);
        if (kind == HostMessageKind::Coordinates)
            newestPosition = &message;
        else if (kind == HostMessageKind::CoordinatesWithErrors)
            newestWithErrors = &message;
        else
            continue;
        // By the version in force when the position came.
        if (acknowledgesCoordinates(connection.hostVersion()))
            ++acknowledgements;
    }
    // Together and at once, on the link the positions came from.
    if (acknowledgements > 0)
        connection.sendOn(traffic.link, kAcknowledgement, acknowledgements);
    connection.noteHostTraffic(traffic);
    if (!newestPosition && !newestWithErrors)
        return;
    ReadoutTexts shown;
    if (newestWithErrors)
        shown = showCoordinates(*newestWithErrors, true);
    // A plain position after the last one with errors brings newer values.
    if (newestPosition && (!newestWithErrors || newestPosition > newestWithErrors))
        shown.overlay(showCoordinates(*newestPosition, false));
    if (unshown)
        unshown->overlay(shown);
    else
        unshown = std::move(shown);
}

void MessageWorker::noteVersion(const std::shared_ptr<SocketLink>& from, const std::string& text)
{
    if (const auto announced = parseVersion(text))
        connection.setHostVersion(*announced);
    // Answered by the next greeting that may leave: one for all the versions
    // that came while it waited.
    greetingOwedOn = from;
}

} // namespace pendra
