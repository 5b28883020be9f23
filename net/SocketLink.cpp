#include "net/SocketLink.h"

#include "net/SocketLooks.h"
#include "net/SocketOpening.h"

#include <algorithm>
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
    // The thread must end before the link's memory goes.
    SocketLink::close();
}

void SocketLink::reset()
{
    // The thread uses the socket and the wake: it ends before they go.
    if (opened)
        close();
    opened = false;
    socketHandle = socketapi::kNoSocket;
    remoteAddress.clear();
    localAddress.clear();
    remotePort = 0;
    localPort = 0;
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

    datagram = bindLocal != 0;
    SocketOpening opening({datagram, localAddress, localPort, address, port, receiveBufferRequest});
    grantedReceiveBuffer = opening.receiveBufferBytes();
    if (!opening.succeeded()) {
        if (opening.failureWithCode()) {
            failOpen(opening.failure(), opening.failureCode());
        } else {
            failedCallCode = opening.failureCode();
            setStatus(opening.failure());
            setErrorText(opening.failure());
        }
        return kFailureCode;
    }
    remoteEndpoint = opening.remote();
    closeRequested = false;
    refusalCount = 0;
    failedSendCount = 0;
    {
        std::lock_guard lock(sendLock);
        wakeEvent = opening.takeWake();
    }
    socketHandle = opening.handle();

    // What arrives before the thread waits stays in the socket for it.
    try {
        thread = std::thread([this] { run(); });
    } catch (const std::system_error& error) {
        socketHandle = socketapi::kNoSocket;
        {
            std::lock_guard lock(sendLock);
            wakeEvent.reset();
        }
        opening.undo();
        failOpen("Init: Couldn't start receive thread ! ", error.code().value());
        return kFailureCode;
    }
    opening.keep();
    libraryStarted = true;
    opened = true;
    return 0;
}

bool SocketLink::takeDown()
{
    // The thread sends what writers queued before it ends: the socket is
    // shut down only once it has.
    closeRequested = true;
    wake();
    if (thread.joinable())
        thread.join();
    const socketapi::Handle handle = socketHandle;
    const bool shutDown = socketapi::shutdownBoth(handle);
    const bool closed = socketapi::closeSocket(handle);
    socketHandle = socketapi::kNoSocket;
    // On Windows the event is the socket library's: it goes before the library does.
    {
        std::lock_guard lock(sendLock);
        wakeEvent.reset();
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
    if (wakeEvent)
        wakeEvent->signal();
    return 0;
}

void SocketLink::wake()
{
    std::lock_guard lock(sendLock);
    if (wakeEvent)
        wakeEvent->signal();
}

void SocketLink::run()
{
    using Clock = LinkHandler::Clock;
    // Without its watch the thread ends at once: the link stays open but
    // neither receives nor sends.
    const auto watch = socketapi::startReadWatch(socketHandle);
    if (!watch) {
        setStatus("Init: Couldn't watch the socket ! ");
        return;
    }
    std::vector<char> area(kReceiveAreaSize);
    // Each opening starts as a new link, with no host heard yet.
    SocketLooks looks;
    // The first pass comes at once: texts written before open go out first.
    std::optional<Clock::time_point> due = Clock::now();
    for (;;) {
        const auto waitStarted = Clock::now();
        const auto seen =
            socketapi::waitForAny(*watch, wakeEvent->waitHandle(), waitUntil(due, looks.next()));
        // A wait that returned at once means the thread is behind the host:
        // then every datagram that waits is taken before the next wait, as
        // always where the watch does not show the ones left.
        const bool drain =
            !socketapi::watchShowsEveryDatagram() || Clock::now() - waitStarted < kBehindTheHost;
        if (seen.failed) {
            setStatus("WSAWaitForMultipleEvents() FAILED!! ERROR-" +
                      std::to_string(socketapi::lastError()));
            std::this_thread::sleep_for(kFailedWaitPause);
        }
        // Cleared before the requests are looked at: one made after this
        // wakes the next pass.
        if (seen.woken)
            wakeEvent->reset();
        pass = LinkPass{};
        // A waiting command goes out on this pass even while datagrams keep
        // arriving, and before the link closes. The request is read before
        // the queue is taken: whatever a writer queued before asking to
        // close is then in the queue this pass sends, never dropped.
        const bool closing = closeRequested;
        flushSendQueue();
        if (closing) {
            if (passHandler)
                passHandler->beforeClose(*this, pass);
            break;
        }
        const bool looking = looks.isDue(Clock::now());
        // One datagram a pass while the thread keeps up: each is answered as
        // soon as it is taken, and costs one wait, one receive and its answer.
        if (seen.dataReady || looking)
            pass.datagram = receive(area, drain ? kDatagramsPerPass : 1);
        due.reset();
        if (passHandler)
            due = passHandler->afterPass(*this, pass);
        looks.afterPass(pass, looking, Clock::now());
    }
    socketapi::endReadWatch(*watch);
}

std::chrono::milliseconds SocketLink::waitUntil(std::optional<LinkHandler::Clock::time_point> due,
                                                std::optional<LinkHandler::Clock::time_point> look)
{
    using std::chrono::milliseconds;
    if (look && (!due || *look < *due))
        due = look;
    if (!due)
        return socketapi::kWaitForever;
    // Rounded up, so that nothing is looked at before its time.
    const auto left = std::chrono::ceil<milliseconds>(*due - LinkHandler::Clock::now());
    return std::max(left, milliseconds::zero());
}

bool SocketLink::receive(std::vector<char>& area, int most)
{
    // A refusal stands for no datagram: the receive after it goes on, so
    // that one that waits behind it is still taken. The bound only keeps a
    // socket that reports nothing else from holding the thread.
    int taken = 0;
    for (int attempt = 0; attempt < most + 64 && taken < most; ++attempt) {
        area[0] = '\0';
        socketapi::Endpoint sender;
        const int received = socketapi::receiveOnce(socketHandle, area.data(), kReceiveAreaSize,
                                                    datagram, datagram ? &sender : nullptr);
        // A datagram that came between bind and connect is queued whoever
        // sent it: only the host's count.
        if (received >= 0 && datagram &&
            (sender.address != remoteEndpoint.address || sender.port != remoteEndpoint.port))
            continue;
        if (received >= 0) {
            feed(area.data(), received, 0);
            ++taken;
            continue;
        }
        if (!socketapi::isRefusal(socketapi::lastError()))
            break;
        ++refusalCount;
        ++pass.refusals;
    }
    return taken > 0;
}

void SocketLink::flushSendQueue()
{
    {
        std::lock_guard lock(sendLock);
        if (!takeSendQueue(sending))
            return;
    }
    // Sent outside the lock, so that writers never wait behind the socket.
    for (std::string& text : sending) {
        if (sendNow(text) == 0)
            pass.sentFromQueue.push_back(std::move(text));
    }
    sending.clear();
}

int SocketLink::sendNow(std::string_view text)
{
    const int code = sendBytes(text.data(), static_cast<int>(text.size()));
    ++pass.sends;
    if (code == 0) {
        pass.failure.reset();
        return 0;
    }
    ++failedSendCount;
    pass.failure = SendFailure{std::string(text), code};
    return code;
}

int SocketLink::sendBytes(const char* bytes, int count)
{
    const SendCall send = sendCall;
    int sent = send(socketHandle, bytes, count);
    int code = sent < 0 ? socketapi::lastError() : 0;
    // A refusal met by an earlier datagram is handed to whatever call comes
    // next; this datagram was never sent, so it goes again, once, at once.
    if (sent < 0 && socketapi::isRefusal(code)) {
        ++refusalCount;
        ++pass.refusals;
        sent = send(socketHandle, bytes, count);
        code = sent < 0 ? socketapi::lastError() : 0;
    }
    // Only a full send buffer is waited for, at most briefly: a wait before
    // every send would cost a call per datagram.
    if (sent < 0 && socketapi::isWouldBlock(code)) {
        socketapi::waitWritable(socketHandle, kWritableTimeout);
        sent = send(socketHandle, bytes, count);
        code = sent < 0 ? socketapi::lastError() : 0;
    }
    if (sent == count)
        return 0;
    setStatus("KESTR_IP : Writing " + std::to_string(count) + " char failed !!! ERROR-" +
              std::to_string(code));
    // A short send leaves no error behind; it failed all the same.
    return code != 0 ? code : socketapi::invalidArgumentCode();
}

} // namespace pendra
