#include "panel/HostConnection.h"

#include "net/SocketApi.h"
#include "panel/MessageWorker.h"
#include "panel/PanelProtocol.h"

#include <QDebug>

namespace pendra {

namespace {

// The step of opening that failed, from the link's status text: "Init:
// Couldn't bind to 10.1.2.3 ! " gives "Couldn't bind to 10.1.2.3".
std::string failedStep(std::string text)
{
    if (text.rfind("Init: ", 0) == 0)
        text.erase(0, 6);
    while (!text.empty() && (text.back() == ' ' || text.back() == '!'))
        text.pop_back();
    return text;
}

} // namespace

HostConnection::HostConnection(ConnectionSettings& connectionSettings)
    : settings(connectionSettings), version(kInitialHostVersion)
{
}

HostConnection::~HostConnection()
{
    closeLink();
}

void HostConnection::setPanelReady()
{
    ready = true;
}

bool HostConnection::openLink()
{
    return open(false);
}

bool HostConnection::open(bool greet)
{
    if (!ready)
        return false;
    // One link at a time: its port is free for the new one, and only one
    // link's thread ever runs the worker.
    closeLink();
    auto opening = std::make_unique<LinkSession>(*this, ++linksOpened, settings.remoteAddress,
                                                 portFromText(settings.remotePort));
    SocketLink& link = opening->link();
    if (settings.localAddress.empty())
        settings.localAddress = localHostAddress();
    if (settings.localPort.empty())
        settings.localPort = kFallbackLocalPort;
    link.setLocalEndpoint(settings.localAddress, 1, portFromText(settings.localPort));
    link.setSendCall(sendCall);
    // Queued before the link's thread starts, so that it leaves first and a
    // version that comes at once is answered at the greetings' pace.
    if (const std::string greeting = buildGreeting(); greet)
        link.write(greeting.data(), static_cast<int>(greeting.size()), 0);
    link.open();
    if (!link.isOpen()) {
        lastFailureCode = link.openErrorCode();
        lastFailedStep = failedStep(link.status());
        return false;
    }
    lastFailureCode = 0;
    lastFailedStep.clear();
    qInfo("pendra: socket receive buffer of %d bytes (asked for %d; Linux caps it at "
          "net.core.rmem_max)",
          link.receiveBufferBytes(), SocketLink::kReceiveBufferRequest);
    session = std::move(opening);
    return true;
}

void HostConnection::closeLink()
{
    // Ends the link's thread; news it sent on the way is dropped by number.
    session.reset();
}

bool HostConnection::connectAndGreet(int displayErrors)
{
    saveFailed = false;
    setStatus({LinkState::Connecting, hostText(), version});
    if (!open(true)) {
        LinkStatus failed{LinkState::NotConnected, hostText(), version};
        failed.problem = !ready                           ? LinkProblem::PanelNotReady
                         : settings.remoteAddress.empty() ? LinkProblem::NoHostAddress
                                                          : LinkProblem::OpenFailed;
        if (failed.problem == LinkProblem::OpenFailed) {
            failed.subject = lastFailedStep;
            failed.code = lastFailureCode;
        }
        failed.retrying = failureMayPass();
        setStatus(failed);
        return false;
    }
    saveFailed = !settings.saveSettings(displayErrors);
    setStatus({LinkState::WaitingForHost, hostText(), version});
    return true;
}

bool HostConnection::restart(int displayErrors)
{
    closeLink();
    return connectAndGreet(displayErrors);
}

std::string HostConnection::failureMessage() const
{
    return "SOURCE_OPEN_SOCKET_ERROR-" + std::to_string(lastFailureCode);
}

bool HostConnection::failureMayPass() const
{
    return ready && !settings.remoteAddress.empty() && lastFailureCode != 0 &&
           socketapi::mayPass(lastFailureCode);
}

std::string HostConnection::failureDescription() const
{
    return socketapi::errorMessage(lastFailureCode);
}

std::string HostConnection::hostText() const
{
    const int port = portFromText(settings.remotePort);
    return settings.remoteAddress + ":" + (port < 0 ? settings.remotePort : std::to_string(port));
}

void HostConnection::setStatusListener(std::function<void(const LinkStatus&)> listener)
{
    statusListener = std::move(listener);
    if (statusListener)
        statusListener(status);
}

void HostConnection::setStatus(const LinkStatus& next)
{
    if (next == status)
        return;
    status = next;
    if (statusListener)
        statusListener(status);
}

void HostConnection::post(const LinkNews& news)
{
    // Said here too, on the link's thread: a command that fails as the panel
    // closes is not lost without a word when no window is left to show it.
    if (news.failure && isButtonCommand(news.failure->text))
        qWarning("pendra: %s", notSentText(*news.failure).c_str());
    newsHome.post([this, news] { takeNews(news); });
}

std::string HostConnection::notSentText(const SendFailure& failure)
{
    return nameOfPanelText(failure.text) +
           " was not sent: " + socketapi::errorMessage(failure.code) + " (" +
           std::to_string(failure.code) + ")";
}

LinkStatus HostConnection::notSent(LinkStatus status, const SendFailure& failure)
{
    status.state = LinkState::SendFailed;
    status.problem = LinkProblem::NotSent;
    status.subject = failure.text;
    status.code = failure.code;
    return status;
}

void HostConnection::takeNews(const LinkNews& news)
{
    LinkStatus next = status;
    if (!session || news.link != session->number()) {
        // The rest of a closed link's news describes a host no longer in
        // use; a command it could not send is still told.
        if (!news.failure || !isButtonCommand(news.failure->text))
            return;
        setStatus(notSent(next, *news.failure));
        return;
    }
    next.hostVersion = news.hostVersion;
    next.hostHeard = news.hostHeard;
    next.lastCommand = news.lastCommand;
    next.lastCommandAt = news.lastCommandAt;
    next.quietSince = news.quietSince;
    next.problem = LinkProblem::None;
    next.subject.clear();
    next.code = 0;
    if (news.failure) {
        next = notSent(next, *news.failure);
    } else if (news.refused) {
        next.state = LinkState::NoAnswer;
    } else {
        next.state = news.hostHeard ? LinkState::Connected : LinkState::WaitingForHost;
    }
    setStatus(next);
}

void HostConnection::sendHello()
{
    sendText(buildGreeting());
}

bool HostConnection::sendText(std::string_view text)
{
    if (!session)
        return false;
    session->link().write(text.data(), static_cast<int>(text.size()), 0);
    return true;
}

bool HostConnection::sendButtonCommand(std::size_t index)
{
    const std::string_view command = commandForButton(index);
    return ready && !command.empty() && sendText(command);
}

bool HostConnection::sendKeyCommand(unsigned keyCode)
{
    const auto command = commandForKey(keyCode);
    return ready && command && sendText(*command);
}

std::size_t HostConnection::waitingMessages() const
{
    return session ? session->link().waitingCount() : 0;
}

std::uint64_t HostConnection::droppedMessages() const
{
    return session ? session->link().droppedMessages() : 0;
}

void HostConnection::attachWorker(MessageWorker* attached)
{
    worker = attached;
    // Messages may already wait on the open link.
    if (session)
        session->link().wake();
}

void HostConnection::setSendCall(SocketLink::SendCall call)
{
    sendCall = call;
    if (session)
        session->link().setSendCall(call);
}

} // namespace pendra
