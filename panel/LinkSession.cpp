#include "panel/LinkSession.h"

#include "panel/HostConnection.h"
#include "panel/MessageWorker.h"
#include "panel/PanelProtocol.h"

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
    return due;
}

void LinkSession::tell(const LinkPass& pass)
{
    LinkNews news = told;
    if (pass.datagram) {
        news.hostHeard = true;
        news.refused = false;
        news.failure.reset();
    } else if (pass.refusals > 0) {
        news.refused = true;
    }
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
