#include "net/SocketLink.h"

#include <future>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace pendra {

SocketLink::SocketLink(std::string remote, int port)
{
    SocketLink::reset();
    remoteAddress = std::move(remote);
    remotePort = port;
}

SocketLink::~SocketLink()
{
    // The receive thread must end before the link's memory goes.
    SocketLink::close();
}

void SocketLink::reset()
{
    // The receive thread uses the socket and the events: it ends before they go.
    if (opened)
        close();
    opened = false;
    socketHandle = socketapi::kNoSocket;
    remoteAddress.clear();
    localAddress.clear();
    remotePort = 0;
    localPort = 0;
    closeEvent.reset();
    sendEvent.reset();
    bindLocal = 0;
}

void SocketLink::setLocalEndpoint(const std::string& address, int bind, int port)
{
    bindLocal = bind;
    if (bind != 0) {
        localAddress = address;
        localPort = port;
    }
}

std::optional<socketapi::Endpoint> SocketLink::endpointFrom(const std::string& address, int port)
{
    if (port < 0 || port > 65535)
        return std::nullopt;
    const auto parsed = socketapi::parseIPv4(address);
    if (!parsed)
        return std::nullopt;
    return socketapi::Endpoint{*parsed, static_cast<std::uint16_t>(port)};
}

std::int32_t SocketLink::open()
{
    return openTo(remoteAddress, remotePort);
}

bool SocketLink::isOpen() const
{
    return socketHandle != socketapi::kNoSocket;
}

int SocketLink::boundPort() const
{
    if (!isOpen())
        return 0;
    const auto local = socketapi::localEndpoint(socketHandle);
    return local ? local->port : 0;
}

void SocketLink::failOpen(const std::string& message, int code)
{
    failedCallCode = code;
    setStatus(message);
    // The message is used as it stands; only the code is formatted.
    setErrorText(message + "SOURCE_OPEN_SOCKET_ERROR-" + std::to_string(code));
}

std::int32_t SocketLink::openTo(const std::string& address, int port)
{
    failedCallCode = 0;
    if (isOpen() && !takeDown()) {
        failedCallCode = socketapi::lastError();
        setStatus("Couldn't close TCP Socket");
        setErrorText("Init: Couldn't close socket! ");
        return kFailureCode;
    }

    if (const int code = socketapi::startLibrary(); code != 0) {
        failOpen("Init: Couldn't initialize WSA", code);
        return kFailureCode;
    }

    datagram = bindLocal != 0;
    const socketapi::Handle handle = socketapi::createSocket(datagram);
    if (handle == socketapi::kNoSocket) {
        failedCallCode = socketapi::lastError();
        setStatus("Init: Couldn't create socket! ");
        setErrorText("Init: Couldn't create socket! ");
        socketapi::releaseLibrary();
        return kFailureCode;
    }
    socketapi::setReceiveBufferSize(handle, kReceiveBufferRequest);
    grantedReceiveBuffer = socketapi::receiveBufferSize(handle);

    // Made once the socket is bound and connected; on Windows they belong to
    // the socket library, so they go before it is released.
    std::unique_ptr<WakeEvent> newCloseEvent;
    std::unique_ptr<WakeEvent> newSendEvent;

    // Each failure keeps the code of the call that failed: the clean-up after
    // it may overwrite the platform's own record.
    auto giveUp = [&](const std::string& message, int code) {
        newCloseEvent.reset();
        newSendEvent.reset();
        socketapi::closeSocket(handle);
        socketapi::releaseLibrary();
        failOpen(message, code);
        return kFailureCode;
    };

    if (bindLocal != 0) {
        const auto local = endpointFrom(localAddress, localPort);
        if (!local)
            return giveUp("Init: Couldn't bind to " + localAddress + " ! ",
                          socketapi::invalidArgumentCode());
        if (!socketapi::bindTo(handle, *local))
            return giveUp("Init: Couldn't bind to " + localAddress + " ! ", socketapi::lastError());
    }

    const auto remote = endpointFrom(address, port);
    if (!remote)
        return giveUp("Init: Couldn't connect to " + address + " ! ",
                      socketapi::invalidArgumentCode());
    if (!socketapi::connectTo(handle, *remote))
        return giveUp("Init: Couldn't connect to " + address + " ! ", socketapi::lastError());

    newCloseEvent = std::make_unique<WakeEvent>();
    newSendEvent = std::make_unique<WakeEvent>();
    if (!newCloseEvent->isValid() || !newSendEvent->isValid())
        return giveUp("Init: Couldn't create events ! ", socketapi::lastError());
    if (!socketapi::setNonBlocking(handle))
        return giveUp("Init: Couldn't create socket! ", socketapi::lastError());

    closeEvent = std::move(newCloseEvent);
    {
        std::lock_guard lock(sendLock);
        sendEvent = std::move(newSendEvent);
    }
    socketHandle = handle;
    refusalCount = 0;
    failedSendCount = 0;
    refusedLast = false;
    outcomeToTell = false;
    {
        std::lock_guard lock(reportLock);
        sendReport = {};
        lastSendFailed = false;
    }

    // Open returns once the receive thread runs.
    std::promise<void> started;
    auto running = started.get_future();
    try {
        receiveThread = std::thread([this, &started] {
            started.set_value();
            receiveLoop();
        });
    } catch (const std::system_error& error) {
        socketHandle = socketapi::kNoSocket;
        closeEvent.reset();
        {
            std::lock_guard lock(sendLock);
            sendEvent.reset();
        }
        return giveUp("Init: Couldn't start receive thread ! ", error.code().value());
    }
    running.wait();

    libraryStarted = true;
    opened = true;
    return 0;
}

bool SocketLink::takeDown()
{
    const socketapi::Handle handle = socketHandle;
    const bool shutDown = socketapi::shutdownBoth(handle);
    if (closeEvent)
        closeEvent->signal();
    if (receiveThread.joinable())
        receiveThread.join();
    const bool closed = socketapi::closeSocket(handle);
    socketHandle = socketapi::kNoSocket;
    // On Windows the events are the socket library's: they go before it does.
    closeEvent.reset();
    {
        std::lock_guard lock(sendLock);
        sendEvent.reset();
    }
    if (libraryStarted) {
        socketapi::releaseLibrary();
        libraryStarted = false;
    }
    opened = false;
    return shutDown && closed;
}

int SocketLink::close()
{
    if (!opened)
        return 1;
    clearReceived();
    if (isOpen())
        takeDown();
    return 1;
}

int SocketLink::write(const char* bytes, int count, int /*flag*/)
{
    // Nothing to copy from: no datagram, and no memory is read.
    if (!bytes || count < 0)
        return kFailureCode;
    std::lock_guard lock(sendLock);
    queueForSend(bytes, count);
    if (sendEvent)
        sendEvent->signal();
    return 0;
}

void SocketLink::sendNow(const std::vector<std::string_view>& texts)
{
    if (!isOpen() || !sendEach(texts))
        return;
    // The caller may hold locks the arrival notifier takes, or be the
    // notifier itself: the receive thread tells of it instead, at once.
    outcomeToTell = true;
    std::lock_guard lock(sendLock);
    if (sendEvent)
        sendEvent->signal();
}

bool SocketLink::sendEach(const std::vector<std::string_view>& texts)
{
    bool tell = false;
    for (const std::string_view text : texts) {
        int code = 0;
        const std::int32_t result = sendBytes(text.data(), static_cast<int>(text.size()), code);
        if (result != 0)
            ++failedSendCount;
        tell = noteSendOutcome(text, result, code) || tell;
    }
    return tell;
}

void SocketLink::receiveLoop()
{
    const socketapi::Handle handle = socketHandle;
    // Without its watch the thread ends at once: the link stays open but
    // neither receives nor sends.
    const auto watch = socketapi::startReadWatch(handle);
    if (!watch)
        return;
    std::vector<char> area(kReceiveAreaSize);
    for (;;) {
        // An idle link sleeps until a datagram, a send or a close arrives.
        // After a refusal wine signals no further datagram: until one comes,
        // the socket is also looked at every so often.
        const auto seen =
            socketapi::waitForAny(*watch, closeEvent->waitHandle(), sendEvent->waitHandle(),
                                  refusedLast ? kRefusalWatch : socketapi::kWaitForever);
        if (seen.failed) {
            setStatus("WSAWaitForMultipleEvents() FAILED!! ERROR-" +
                      std::to_string(socketapi::lastError()));
            std::this_thread::sleep_for(kFailedWaitPause);
        }
        // Close is looked at first: a socket that keeps delivering must not
        // keep the thread from ending.
        if (seen.closeRequested)
            break;
        const std::uint64_t refusalsBefore = refusalCount;
        // A waiting command goes out on this pass even while datagrams keep
        // arriving. The event is cleared before the flush, so a write made
        // during the flush wakes the next pass.
        if (seen.sendRequested) {
            sendEvent->reset();
            // A text that could not be sent is told at once, never sent later.
            const bool queuedOutcome = flushSendQueue();
            if (outcomeToTell.exchange(false) || queuedOutcome)
                notifyArrival();
        }
        // Every datagram that is ready is taken before the next wait, so a
        // burst never waits in the socket's buffer for one wake-up each.
        // A refusal stands for no datagram: the receive after it goes on, so
        // that the socket is read until it has nothing more.
        int taken = 0;
        for (int attempt = 0; attempt < kDatagramsPerPass; ++attempt) {
            area[0] = '\0';
            const int received =
                socketapi::receiveOnce(handle, area.data(), kReceiveAreaSize, datagram);
            if (received < 0) {
                if (!socketapi::isRefusal(socketapi::lastError()))
                    break;
                noteRefusal();
                continue;
            }
            ++taken;
            refusedLast = false;
            feed(area.data(), received, 0);
        }
        if (taken > 0 || refusalCount != refusalsBefore)
            notifyArrival();
    }
    socketapi::endReadWatch(*watch);
}

void SocketLink::noteRefusal()
{
    ++refusalCount;
    refusedLast = true;
}

bool SocketLink::flushSendQueue()
{
    std::deque<std::string> sending;
    {
        std::lock_guard lock(sendLock);
        sending = takeSendQueue();
    }
    // Sent outside the lock, so that writers never wait behind the socket.
    return sendEach({sending.begin(), sending.end()});
}

bool SocketLink::noteSendOutcome(std::string_view text, std::int32_t result, int code)
{
    std::lock_guard lock(reportLock);
    const bool failedBefore = std::exchange(lastSendFailed, result != 0);
    if (result != 0) {
        sendReport.failure = SendFailure{std::string(text), code};
        return true;
    }
    sendReport.sent = true;
    sendReport.failure.reset();
    return failedBefore;
}

SocketLink::SendReport SocketLink::takeSendReport()
{
    std::lock_guard lock(reportLock);
    return std::exchange(sendReport, SendReport{});
}

std::int32_t SocketLink::sendBytes(const char* bytes, int count, int& code)
{
    const socketapi::Handle handle = socketHandle;
    const SendCall send = sendCall;
    int sent = send(handle, bytes, count);
    code = sent < 0 ? socketapi::lastError() : 0;
    // A refusal met by an earlier datagram is handed to whatever call comes
    // next; this datagram was never sent, so it goes again, once, at once.
    if (sent < 0 && socketapi::isRefusal(code)) {
        noteRefusal();
        sent = send(handle, bytes, count);
        code = sent < 0 ? socketapi::lastError() : 0;
    }
    // Only a full send buffer is waited for, at most briefly: a wait before
    // every send would cost the receive thread a call per datagram.
    if (sent < 0 && socketapi::isWouldBlock(code)) {
        socketapi::waitWritable(handle, kWritableTimeout);
        sent = send(handle, bytes, count);
        code = sent < 0 ? socketapi::lastError() : 0;
    }
    if (sent == count)
        return 0;
    setStatus("KESTR_IP : Writing " + std::to_string(count) + " char failed !!! ERROR-" +
              std::to_string(code));
    return kFailureCode;
}

} // namespace pendra
