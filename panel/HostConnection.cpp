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
        std::make_unique<SocketLink>(settings.remoteAddress, portFromText(settings.remotePort));
    if (settings.localAddress.empty())
        settings.localAddress = localHostAddress();
    if (settings.localPort.empty())
        settings.localPort = kFallbackLocalPort;
    opening->setLocalEndpoint(settings.localAddress, 1, portFromText(settings.localPort));
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
    std::unique_ptr<SocketLink> closing;
    {
        std::lock_guard lock(linkLock);
        closing = std::move(link);
    }
    // Destroyed outside the lock: it waits for the link's receive thread,
    // and the worker must not wait behind that.
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
                         ready ? lastFailureReason : "the panel is not ready"});
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

void HostConnection::noteHostTraffic(bool messagesArrived)
{
    bool refused = false;
    {
        std::lock_guard lock(linkLock);
        if (!link)
            return;
        refused = link->refusedSinceLastDatagram();
    }
    statusBoard.update([&](LinkStatus& status) {
        // Opening, or failed to open: a pass over an old link changes nothing.
        if (status.state == LinkState::Connecting || status.state == LinkState::NotConnected)
            return;
        status.hostVersion = version;
        if (refused)
            status.state = LinkState::NoAnswer;
        else if (messagesArrived)
            status.state = LinkState::Connected;
    });
}

void HostConnection::sendHello()
{
    lastGreeting = std::chrono::steady_clock::now().time_since_epoch().count();
    sendText(buildGreeting());
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

std::vector<std::string> HostConnection::takeMessages()
{
    std::deque<std::string> waiting;
    {
        std::lock_guard lock(linkLock);
        if (!link)
            return {};
        waiting = link->takeReceived();
    }
    std::vector<std::string> messages;
    messages.reserve(waiting.size());
    for (std::string& message : waiting) {
        message.resize(strnlen(message.data(), message.size()));
        messages.push_back(std::move(message));
    }
    return messages;
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
