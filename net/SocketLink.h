#pragma once

#include "net/MessageChannel.h"
#include "net/SocketApi.h"
#include "net/WakeEvent.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace pendra {

// One IPv4 socket to the host. With the bind flag set it is a datagram socket
// bound to the local endpoint and connected to the remote one; otherwise a
// stream socket connected to the remote endpoint. An open link runs a receive
// thread of its own, which frames what arrives and sends what writers queue
// for it; replies to the host may instead be sent at once on the thread that
// makes them (sendNow).
class SocketLink : public MessageChannel
{
public:
    static constexpr std::int32_t kFailureCode = static_cast<std::int32_t>(0x80004005u);
    static constexpr int kReceiveAreaSize = 16000;
    // Room in the socket for a burst of well over a thousand small datagrams
    // while the receive thread is not yet running; the system may grant less.
    static constexpr int kReceiveBufferRequest = 2 * 1024 * 1024;
    // Datagrams taken in one pass before close and send requests are looked
    // at again, so that a flood cannot hold them back.
    static constexpr int kDatagramsPerPass = 256;
    // How long the receive thread sleeps at most while the last thing the
    // socket reported was a refusal.
    static constexpr std::chrono::milliseconds kRefusalWatch{100};
    // A failed wait is tried again after this pause rather than at once.
    static constexpr std::chrono::milliseconds kFailedWaitPause{100};
    static constexpr std::chrono::microseconds kWritableTimeout{100};

    SocketLink(std::string remoteAddress, int remotePort);
    ~SocketLink() override;

    void setLocalEndpoint(const std::string& address, int bind, int port);

    void reset() override;
    int close() override;
    std::int32_t open() override;
    int write(const char* bytes, int count, int flag) override;
    // Sends each text as a datagram of its own on the calling thread, at
    // once: for replies to the host, made on the receive thread itself or on
    // the worker's. The caller keeps the link open meanwhile. A failure is
    // told through the arrival notifier on the receive thread, never here.
    void sendNow(const std::vector<std::string_view>& texts);
    bool isOpen() const override;

    std::int32_t openTo(const std::string& address, int port);
    // The endpoint an address text and port stand for: dotted IPv4 only, never
    // a name lookup, and a port outside 0 to 65535 refused, not wrapped.
    static std::optional<socketapi::Endpoint> endpointFrom(const std::string& address, int port);
    // The error code of the call that made the last open fail, 0 after a success.
    int openErrorCode() const { return failedCallCode; }
    // The port the socket is bound to, once open; 0 otherwise.
    int boundPort() const;
    // The socket receive buffer the system granted at the last open.
    int receiveBufferBytes() const { return grantedReceiveBuffer; }
    // Refusals the system handed on (an ICMP "port unreachable": nothing
    // listens at the remote port), seen by receives and sends since open.
    std::uint64_t refusals() const { return refusalCount; }
    // Datagrams that could not be sent, even after a retry.
    std::uint64_t failedSends() const { return failedSendCount; }
    // Whether the last thing the socket reported was a refusal rather than a
    // datagram; the arrival notifier is called for a refusal too.
    bool refusedSinceLastDatagram() const { return refusedLast; }

    // A text that could not be sent, and the error code of its last try.
    struct SendFailure
    {
        std::string text;
        int code = 0;
    };
    // What became of the sends since the last call: the last failure that no
    // successful send followed, and whether any send succeeded. The arrival
    // notifier is called when a send fails, and when one succeeds after a failure.
    struct SendReport
    {
        std::optional<SendFailure> failure;
        bool sent = false;
    };
    SendReport takeSendReport();

    // The call that puts one datagram on the wire: socketapi::sendBytes, or
    // one that fails as a lost network does, for tests. Set before open.
    using SendCall = int (*)(socketapi::Handle socket, const char* bytes, int count);
    void setSendCall(SendCall call) { sendCall = call; }

private:
    bool takeDown();
    void failOpen(const std::string& message, int code);
    void receiveLoop();
    // Both return whether the arrival notifier should hear of the outcome.
    bool flushSendQueue();
    // Sends each text as a datagram and notes what became of it.
    bool sendEach(const std::vector<std::string_view>& texts);
    // Returns 0 or the failure code; code then holds the system's error code.
    std::int32_t sendBytes(const char* bytes, int count, int& code);

    bool opened = false;
    std::thread receiveThread;
    std::string remoteAddress;
    int remotePort = 0;
    std::string localAddress;
    int localPort = 0;
    int bindLocal = 0;
    bool datagram = false;
    std::unique_ptr<WakeEvent> closeEvent;
    std::unique_ptr<WakeEvent> sendEvent;
    std::atomic<socketapi::Handle> socketHandle{socketapi::kNoSocket};
    bool libraryStarted = false;
    int failedCallCode = 0;
    int grantedReceiveBuffer = 0;
    std::atomic<std::uint64_t> refusalCount{0};
    std::atomic<std::uint64_t> failedSendCount{0};
    std::atomic<bool> refusedLast{false};
    void noteRefusal();
    // Returns whether the worker should hear of it.
    bool noteSendOutcome(std::string_view text, std::int32_t result, int code);
    std::atomic<SendCall> sendCall{&socketapi::sendBytes};
    std::mutex reportLock;
    SendReport sendReport;
    bool lastSendFailed = false;
    // A direct send's outcome the receive thread is yet to tell of.
    std::atomic<bool> outcomeToTell{false};
};

} // namespace pendra
