#include "panel/HostConnection.h"

#include "net/SocketApi.h"
#include "net/SocketLink.h"
#include "panel/PanelProtocol.h"

#include <QDebug>
#include <cstring>

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
    : settings(connectionSettings), version(kInitialHostVersion),
      lastGreeting(std::chrono::steady_clock::time_point::min().time_since_epoch().count())
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
    if (!ready)
        return false;
    auto opening =
        std::make_shared<SocketLink>(settings.remoteAddress, portFromText(settings.remotePort));
    if (settings.localAddress.empty())
        settings.localAddress = localHostAddress();
    if (settings.localPort.empty())
        settings.localPort = kFallbackLocalPort;
    opening->setLocalEndpoint(settings.localAddress, 1, portFromText(settings.localPort));
    {
        std::lock_guard lock(linkLock);
        opening->setSendCall(sendCall);
    }
    opening->open();
    if (!opening->isOpen()) {
        lastFailureCode = opening->openErrorCode();
        lastFailureReason = settings.remoteAddress.empty()
                                ? "no host address is set"
                                : failedStep(opening->status()) + ": " +
                                      socketapi::errorMessage(lastFailureCode) + " (" +
                                      std::to_string(lastFailureCode) + ")";
        return false;
    }
    lastFailureCode = 0;
    lastFailureReason.clear();
    qInfo("pendra: socket receive buffer of %d bytes (asked for %d; Linux caps it at "
          "net.core.rmem_max)",
          opening->receiveBufferBytes(), SocketLink::kReceiveBufferRequest);
    opening->setArrivalNotifier([this] { notifyArrival(); });
    {
        std::lock_guard lock(linkLock);
        link = std::move(opening);
    }
    // What arrived before the link was in place told nobody who could take it.
    notifyArrival();
    return true;
}

void HostConnection::closeLink()
{
    std::shared_ptr<SocketLink> closing;
    {
        std::lock_guard lock(linkLock);
        closing = std::move(link);
    }
    // Closed outside the lock: it waits for the link's receive thread, and
    // the worker must not wait behind that. Closed even while a pass still
    // holds it, so that its port is free for the next link at once.
    if (closing)
        closing->close();
}

bool HostConnection::hasLink() const
{
    std::lock_guard lock(linkLock);
    return link != nullptr;
}

bool HostConnection::connectAndGreet(int displayErrors)
{
    saveFailed = false;
    statusBoard.set({LinkState::Connecting, hostText(), version, {}});
    if (!openLink()) {
        statusBoard.set({LinkState::NotConnected, hostText(), version,
                         ready ? lastFailureReason : "the panel is not ready", failureMayPass()});
        return false;
    }
    saveFailed = !settings.saveSettings(displayErrors);
    // Before the greeting: a refusal of it must find the link waiting.
    statusBoard.set({LinkState::WaitingForHost, hostText(), version, {}});
    sendHello();
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

void HostConnection::setStatusListener(LinkStatusBoard::Listener listener)
{
    statusBoard.setListener(std::move(listener));
}

void HostConnection::noteHostTraffic(const HostTraffic& traffic)
{
    bool refused = false;
    SocketLink::SendReport sends;
    {
        std::lock_guard lock(linkLock);
        if (!link || link != traffic.link)
            return;
        refused = link->refusedSinceLastDatagram();
        sends = link->takeSendReport();
    }
    const bool arrived = !traffic.messages.empty();
    statusBoard.update([&](LinkStatus& status) {
        // Opening, or failed to open: a pass over an old link changes nothing.
        if (status.state == LinkState::Connecting || status.state == LinkState::NotConnected)
            return;
        status.hostVersion = version;
        status.hostHeard = status.hostHeard || arrived;
        if (sends.failure) {
            status.state = LinkState::SendFailed;
            status.reason = nameOfPanelText(sends.failure->text) +
                            " was not sent: " + socketapi::errorMessage(sends.failure->code) +
                            " (" + std::to_string(sends.failure->code) + ")";
            return;
        }
        // A failed send is named until something else is known: a pass with
        // nothing new leaves it standing.
        if (refused)
            status.state = LinkState::NoAnswer;
        else if (arrived || (sends.sent && status.state == LinkState::SendFailed))
            status.state = status.hostHeard ? LinkState::Connected : LinkState::WaitingForHost;
        if (status.state != LinkState::SendFailed)
            status.reason.clear();
    });
}

void HostConnection::sendHello()
{
    std::shared_ptr<SocketLink> current;
    {
        std::lock_guard lock(linkLock);
        current = link;
    }
    sendHelloOn(current);
}

bool HostConnection::sendHelloOn(const std::shared_ptr<SocketLink>& on)
{
    lastGreeting = std::chrono::steady_clock::now().time_since_epoch().count();
    return sendOn(on, buildGreeting());
}

std::chrono::steady_clock::time_point HostConnection::nextGreetingAllowed() const
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point last{Clock::duration{lastGreeting.load()}};
    return last == Clock::time_point::min() ? last : last + kGreetingInterval;
}

bool HostConnection::sendText(std::string_view text)
{
    std::lock_guard lock(linkLock);
    if (!link)
        return false;
    link->write(text.data(), static_cast<int>(text.size()), 0);
    return true;
}

bool HostConnection::sendOn(const std::shared_ptr<SocketLink>& on, std::string_view text,
                            std::size_t times)
{
    std::lock_guard lock(linkLock);
    if (!link || link != on)
        return false;
    link->sendNow(std::vector<std::string_view>(times, text));
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

HostConnection::HostTraffic HostConnection::takeTraffic()
{
    HostTraffic traffic;
    std::deque<std::string> waiting;
    {
        std::lock_guard lock(linkLock);
        if (!link)
            return traffic;
        traffic.link = link;
        waiting = link->takeReceived();
    }
    traffic.messages.reserve(waiting.size());
    for (std::string& message : waiting) {
        message.resize(strnlen(message.data(), message.size()));
        traffic.messages.push_back(std::move(message));
    }
    return traffic;
}

std::size_t HostConnection::waitingMessages() const
{
    std::lock_guard lock(linkLock);
    return link ? link->waitingCount() : 0;
}

std::uint64_t HostConnection::droppedMessages() const
{
    std::lock_guard lock(linkLock);
    return link ? link->droppedMessages() : 0;
}

void HostConnection::setSendCall(SocketLink::SendCall call)
{
    std::lock_guard lock(linkLock);
    sendCall = call;
    if (link)
        link->setSendCall(call);
}

void HostConnection::setArrivalHandler(std::function<void()> handler)
{
    std::lock_guard lock(arrivalLock);
    arrivalHandler = std::move(handler);
}

void HostConnection::notifyArrival()
{
    std::lock_guard lock(arrivalLock);
    if (arrivalHandler)
        arrivalHandler();
}

} // namespace pendra
