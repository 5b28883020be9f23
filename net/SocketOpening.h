#pragma once

#include "net/SocketApi.h"
#include "net/WakeEvent.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace pendra {

// Makes the socket of one link, step by step: starts the socket library,
// creates the socket, binds it, connects it and makes the link's wake event.
// A step that fails undoes the ones before it and names itself, with the code
// of the call that failed.
class SocketOpening
{
public:
    struct Request
    {
        // A datagram socket bound to the local endpoint, or a stream socket.
        bool datagram = true;
        std::string localAddress;
        int localPort = 0;
        std::string remoteAddress;
        int remotePort = 0;
        // 0 leaves the system's receive buffer as it is.
        int receiveBufferRequest = 0;
    };

    explicit SocketOpening(const Request& request);
    // Undoes what was made unless it was taken.
    ~SocketOpening();

    SocketOpening(const SocketOpening&) = delete;
    SocketOpening& operator=(const SocketOpening&) = delete;

    bool succeeded() const { return socketHandle != socketapi::kNoSocket; }
    // Of a failure: the step's message, as "Init: Couldn't bind to 10.1.2.3 ! ",
    // whether the code is added to it as "SOURCE_OPEN_SOCKET_ERROR-<code>",
    // and the code.
    const std::string& failure() const { return failureText; }
    bool failureWithCode() const { return codeInText; }
    int failureCode() const { return code; }

    // Of a success.
    socketapi::Handle handle() const { return socketHandle; }
    const socketapi::Endpoint& remote() const { return remoteEndpoint; }
    int receiveBufferBytes() const { return grantedReceiveBuffer; }
    // Hands the wake event over: on Windows it must go before undo().
    std::unique_ptr<WakeEvent> takeWake() { return std::move(wake); }
    // The caller keeps the socket and the started library from now on.
    void keep();
    // Gives up: the wake, the socket and the library go.
    void undo();

private:
    using EndpointCall = bool (*)(socketapi::Handle, const socketapi::Endpoint&);
    // Binds or connects the socket to the address; nothing after a failure,
    // which names the step.
    std::optional<socketapi::Endpoint> reach(EndpointCall call, const char* step,
                                             const std::string& address, int port);
    void fail(std::string message, int failedCode, bool withCode = true);

    socketapi::Handle socketHandle = socketapi::kNoSocket;
    bool libraryStarted = false;
    std::unique_ptr<WakeEvent> wake;
    socketapi::Endpoint remoteEndpoint;
    int grantedReceiveBuffer = 0;
    std::string failureText;
    bool codeInText = true;
    int code = 0;
};

} // namespace pendra
