#include "panel/LinkSession.h"

#include "panel/HostConnection.h"
#include "panel/MessageWorker.h"
#include "panel/PanelProtocol.h"

#include <chrono>
#include <utility>

namespace pendra {

LinkSession::LinkSession(HostConnection& hostConnection, std::uint64_t number,
                         std::string remoteAddress, int remotePort)
    : connection(hostConnection), linkNumber(number),
      socketLink(std::move(remoteAddress), remotePort)
{
    told.link = linkNumber;
    told.hostVersion = connection.hostVersion();
    socketLink.setHandler(this);
}

LinkSession::Clock::time_point LinkSession::greetingAllowedAt() const
{
    return lastGreeting ? *lastGreeting + HostConnection::kGreetingInterval
                        : Clock::time_point::min();
}

void LinkSession::greet()
{
    if (socketLink.sendNow(buildGreeting()) == 0)
        lastGreeting = Clock::now();
}

std::optional<LinkSession::Clock::time_point> LinkSession::afterPass(SocketLink&, LinkPass& pass)
{
    // The opening greeting is queued before the link opens: it sets the
    // pace for the greetings that answer the host's versions.
    for (const std::string& text : pass.sentFromQueue) {
        if (text == buildGreeting())
            lastGreeting = Clock::now();
    }
    std::optional<Clock::time_point> due;
    if (MessageWorker* worker = connection.attachedWorker()) {
        const bool fresh = std::exchange(servedBy, worker) != worker;
        due = worker->workOff(*this, fresh);
    }
    tell(pass);
    // One wake-up when the host falls quiet; none while it talks, since
    // each message moves the time on.
    const auto quiet = quietAt();
    return quiet && (!due || *quiet < *due) ? quiet : due;
}

void LinkSession::beforeClose(SocketLink&, const LinkPass& pass)
{
    // The commands of the last pass are told too: the window hears of one
    // that could not be sent, though the link is gone by then.
    tell(pass);
}

std::optional<LinkSession::Clock::time_point> LinkSession::quietAt() const
{
    if (!lastHeard || told.quietSince != 0)
        return std::nullopt;
    return *lastHeard + kQuietAfter;
}

void LinkSession::tell(const LinkPass& pass)
{
    LinkNews news = told;
    const Clock::time_point now = Clock::now();
    const auto wallNow = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
    for (const std::string& text : pass.sentFromQueue) {
        if (isButtonCommand(text)) {
            news.lastCommand = text;
            news.lastCommandAt = wallNow();
        }
    }
    if (pass.datagram) {
        lastHeard = now;
        lastHeardAt = wallNow();
        news.hostHeard = true;
        news.refused = false;
        news.failure.reset();
        news.quietSince = 0;
    } else if (const auto quiet = quietAt(); quiet && now >= *quiet) {
        news.quietSince = lastHeardAt;
    }
    if (!pass.datagram && pass.refusals > 0)
        news.refused = true;
    // The last send of the pass decides: a failure stands until a send
    // succeeds or the host is heard.
    if (pass.sends > 0)
        news.failure = pass.failure;
    news.hostVersion = connection.hostVersion();
    if (news == told)
        return;
    told = news;
    connection.post(news);
}

} // namespace pendra
