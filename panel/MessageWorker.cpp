#include "panel/MessageWorker.h"

#include "panel/HostConnection.h"
#include "panel/LinkSession.h"
#include "panel/PanelProtocol.h"

#include <algorithm>
#include <cstring>

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
    if (running || stopped)
        return;
    running = true;
    connection.attachWorker(this);
}

void MessageWorker::stop()
{
    if (stopped)
        return;
    stopped = true;
    // Once the link's thread has ended, nothing calls the worker any more.
    connection.closeLink();
    connection.attachWorker(nullptr);
    running = false;
}

std::optional<MessageWorker::Clock::time_point> MessageWorker::workOff(LinkSession& session,
                                                                       bool fresh)
{
    if (fresh) {
        greetingOwed = false;
        unshown.reset();
        lastShown.reset();
    }
    SocketLink& link = session.link();
    // Every position is answered; only the newest of each kind decides what
    // the readouts show, so only those are kept, read and formatted. The
    // texts reuse their room from pass to pass.
    bool position = false;
    bool withErrors = false;
    bool positionLast = false;
    incoming.resize(SocketLink::kReceiveAreaSize);
    for (;;) {
        const int length = link.read(incoming.data(), static_cast<int>(incoming.size()));
        if (length <= 0)
            break;
        const std::string_view message(
            incoming.data(),
            strnlen(incoming.data(),
                    std::min<std::size_t>(static_cast<std::size_t>(length), incoming.size())));
        const HostMessageKind kind = classify(message);
        if (kind == HostMessageKind::Version) {
            if (const auto announced = parseVersion(message))
                connection.setHostVersion(*announced);
            // Answered by the next greeting that may leave: one for all the
            // versions that come while it waits.
            greetingOwed = true;
            continue;
        }
        if (kind == HostMessageKind::Coordinates) {
            newestPosition.assign(message);
            position = positionLast = true;
        } else if (kind == HostMessageKind::CoordinatesWithErrors) {
            newestWithErrors.assign(message);
            withErrors = true;
            positionLast = false;
        } else {
            continue;
        }
        // By the version in force when the position came.
        if (acknowledgesCoordinates(connection.hostVersion()))
            link.sendNow(kAcknowledgement);
    }
    if (position || withErrors) {
        ReadoutTexts shown;
        if (withErrors)
            shown = showCoordinates(newestWithErrors, true);
        // A plain position after the last one with errors brings newer values.
        if (position && (!withErrors || positionLast))
            shown.overlay(showCoordinates(newestPosition, false));
        if (unshown)
            unshown->overlay(shown);
        else
            unshown = std::move(shown);
    }
    if (unshown)
        unshown->link = session.number();
    const auto greetingDue = answerVersions(session);
    const auto readoutsDue = showUnshownReadouts();
    if (greetingDue && readoutsDue)
        return std::min(*greetingDue, *readoutsDue);
    return greetingDue ? greetingDue : readoutsDue;
}

std::optional<MessageWorker::Clock::time_point> MessageWorker::answerVersions(LinkSession& session)
{
    if (!greetingOwed)
        return std::nullopt;
    const Clock::time_point allowed = session.greetingAllowedAt();
    if (Clock::now() < allowed)
        return allowed;
    greetingOwed = false;
    session.greet();
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
    // The link's thread looks once more a frame later: a stream's next
    // values are shown then, together.
    return now + view.readoutInterval();
}

} // namespace pendra
