#pragma once

#include "net/LinkHandler.h"
#include "net/MessageChannel.h"
#include "net/SocketApi.h"
#include "net/WakeEvent.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace pendra {

// One IPv4 socket to the host. With the bind flag set it is a datagram socket
// bound to the local endpoint and connected to the remote one; otherwise a
// stream socket connected to the remote endpoint.
//
// An open link runs one thread of its own, the only one that touches the
// socket after opening. It waits on the socket and on one wake event, and
// on each pass sends what writers queued, takes a datagram and frames it,
// then lets the handler work off what arrived. Writers and close reach it
// only through the send queue, the close request and the wake.
class SocketLink : public MessageChannel
{
public:
    static constexpr std::int32_t kFailureCode = static_cast<std::int32_t>(0x80004005u);
    static constexpr int kReceiveAreaSize = 16000;
    // Room in the socket for a burst of well over a thousand small datagrams
    // while the thread is busy; the system may grant less.
    static constexpr int kReceiveBufferRequest = 2 * 1024 * 1024;
    // A wait shorter than this returned at once: the thread is behind.
    static constexpr std::chrono::microseconds kBehindTheHost{20};
    // Datagrams taken in one pass while behind, before commands and close
    // are looked at again.
    static constexpr int kDatagramsPerPass = 256;
    // A failed wait is tried again after this pause rather than at once.
    static constexpr std::chrono::milliseconds kFailedWaitPause{100};
    static constexpr std::chrono::microseconds kWritableTimeout{100};

    SocketLink(std::string remoteAddress, int remotePort);
    ~SocketLink() override;

    void setLocalEndpoint(const std::string& address, int bind, int port);
    // Called on the link's thread after every pass; set before open.
    void setHandler(LinkHandler* handler) { passHandler = handler; }

    void reset() override;
    int close() override;
    std::int32_t open() override;
    // Queues the text for the link's thread; texts written before open go
    // out first, on the thread's first pass.
    int write(const char* bytes, int count, int flag) override;
    bool isOpen() const override;
    // Sends one datagram now. Only on the link's own thread, from the
    // handler; returns 0 or the system's error code.
    int sendNow(std::string_view text);
    // Asks the thread for a pass, so that the handler runs.
    void wake();

    std::int32_t openTo(const std::string& address, int port);
    // The endpoint an address text and port stand for: dotted IPv4 only, never
    // a name lookup, and a port outside 0 to 65535 refused, not wrapped.
    static std::optional<socketapi::Endpoint> endpointFrom(const std::string& address, int port);
    // The error code of the call that made the last open fail, 0 after a success.
    int openErrorCode() const { return failedCallCode; }
    // The port the socket is bound to, once open; 0 otherwise.
    int boundPort() const;
    // The receive buffer asked of the system at the next open; 0 leaves the
    // system's default.
    void setReceiveBufferRequest(int bytes) { receiveBufferRequest = bytes; }
    // The socket receive buffer the system granted at the last open.
    int receiveBufferBytes() const { return grantedReceiveBuffer; }
    // Refusals the system handed on (an ICMP "port unreachable": nothing
    // listens at the remote port), seen by receives and sends since open.
    std::uint64_t refusals() const { return refusalCount; }
    // Datagrams that could not be sent, even after a retry.
    std::uint64_t failedSends() const { return failedSendCount; }

    // The call that puts one datagram on the wire: socketapi::sendBytes, or
    // one that fails as a lost network does, for tests.
    using SendCall = int (*)(socketapi::Handle socket, const char* bytes, int count);
    void setSendCall(SendCall call) { sendCall = call; }

private:
    bool takeDown();
    void failOpen(const std::string& message, int code);
    void run();
    // How long the next wait may last: until the earlier of the two times,
    // or for ever.
    static std::chrono::milliseconds waitUntil(std::optional<LinkHandler::Clock::time_point> due,
                                               std::optional<LinkHandler::Clock::time_point> look);
    void flushSendQueue();
    // Takes at most that many datagrams, passing over refusals; false when
    // none waits.
    bool receive(std::vector<char>& area, int most);
    // Returns 0 or the system's error code.
    int sendBytes(const char* bytes, int count);

    bool opened = false;
    std::thread thread;
    std::string remoteAddress;
    int remotePort = 0;
    std::string localAddress;
    int localPort = 0;
    int bindLocal = 0;
    bool datagram = false;
    // Where the socket is connected to: the only sender it hears.
    socketapi::Endpoint remoteEndpoint;
    socketapi::Handle socketHandle = socketapi::kNoSocket;
    bool libraryStarted = false;
    int failedCallCode = 0;
    int receiveBufferRequest = kReceiveBufferRequest;
    int grantedReceiveBuffer = 0;
    LinkHandler* passHandler = nullptr;

    // Shared with writers and close: the wake (signalled under sendLock, as
    // open and close replace it under it) and the close request.
    std::unique_ptr<WakeEvent> wakeEvent;
    std::atomic<bool> closeRequested{false};
    std::atomic<SendCall> sendCall{&socketapi::sendBytes};
    std::atomic<std::uint64_t> refusalCount{0};
    std::atomic<std::uint64_t> failedSendCount{0};

    // The link's thread's own.
    LinkPass pass;
    // The texts being sent, kept between passes so that a pass allocates nothing.
    std::deque<std::string> sending;
};

} // namespace pendra
