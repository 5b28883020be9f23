#include "panel/HostConnection.h"

#include "net/SocketLink.h"
#include "panel/PanelProtocol.h"

#include <array>
#include <cstring>

namespace pendra {

namespace {

// A port text read the way "%d" reads it; no digits give 0. A number that is
// no port at all gives -1, which the link refuses, rather than overflowing.
int portFromText(const std::string& text)
{
    const auto value = scanInteger(text);
    if (!value)
        return 0;
    return *value < 0 || *value > 65535 ? -1 : static_cast<int>(*value);
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
        return false;
    }
    lastFailureCode = 0;
    std::lock_guard lock(linkLock);
    link = std::move(opening);
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
    if (!openLink())
        return false;
    settings.saveSettings(displayErrors);
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

void HostConnection::sendHello()
{
    sendText(buildGreeting());
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

std::optional<std::string> HostConnection::takeMessage()
{
    std::array<char, kMessageBufferSize> buffer{};
    int length = 0;
    {
        std::lock_guard lock(linkLock);
        if (!link)
            return std::nullopt;
        const int waiting = link->peekLength();
        if (waiting <= 0)
            return std::nullopt;
        if (static_cast<std::size_t>(waiting) > buffer.size()) {
            link->read(nullptr);
            ++droppedLong;
            return std::nullopt;
        }
        length = link->read(buffer.data());
    }
    return std::string(buffer.data(), strnlen(buffer.data(), static_cast<std::size_t>(length)));
}

} // namespace pendra
