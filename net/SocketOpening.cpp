#include "net/SocketOpening.h"

#include "net/SocketLink.h"

namespace pendra {

SocketOpening::SocketOpening(const Request& request)
{
    if (const int startCode = socketapi::startLibrary(); startCode != 0) {
        fail("Init: Couldn't initialize WSA", startCode);
        return;
    }
    libraryStarted = true;
    const socketapi::Handle made = socketapi::createSocket(request.datagram);
    if (made == socketapi::kNoSocket) {
        fail("Init: Couldn't create socket! ", socketapi::lastError(), false);
        return;
    }
    socketHandle = made;
    if (request.receiveBufferRequest > 0)
        socketapi::setReceiveBufferSize(made, request.receiveBufferRequest);
    grantedReceiveBuffer = socketapi::receiveBufferSize(made);

    if (request.datagram) {
        const std::string bindFailure = "Init: Couldn't bind to " + request.localAddress + " ! ";
        const auto local = SocketLink::endpointFrom(request.localAddress, request.localPort);
        if (!local) {
            fail(bindFailure, socketapi::invalidArgumentCode());
            return;
        }
        if (!socketapi::bindTo(made, *local)) {
            fail(bindFailure, socketapi::lastError());
            return;
        }
    }
    const std::string connectFailure = "Init: Couldn't connect to " + request.remoteAddress + " ! ";
    const auto remote = SocketLink::endpointFrom(request.remoteAddress, request.remotePort);
    if (!remote) {
        fail(connectFailure, socketapi::invalidArgumentCode());
        return;
    }
    if (!socketapi::connectTo(made, *remote)) {
        fail(connectFailure, socketapi::lastError());
        return;
    }
    remoteEndpoint = *remote;

    wake = std::make_unique<WakeEvent>();
    if (!wake->isValid()) {
        fail("Init: Couldn't create events ! ", socketapi::lastError());
        return;
    }
    if (!socketapi::setNonBlocking(made))
        fail("Init: Couldn't create socket! ", socketapi::lastError());
}

SocketOpening::~SocketOpening()
{
    undo();
}

void SocketOpening::fail(std::string message, int failedCode, bool withCode)
{
    // The code is kept before the clean-up, which may overwrite the
    // platform's own record of it.
    code = failedCode;
    failureText = std::move(message);
    codeInText = withCode;
    undo();
}

void SocketOpening::keep()
{
    socketHandle = socketapi::kNoSocket;
    libraryStarted = false;
}

void SocketOpening::undo()
{
    // On Windows the event belongs to the socket library: it goes first.
    wake.reset();
    if (socketHandle != socketapi::kNoSocket)
        socketapi::closeSocket(socketHandle);
    socketHandle = socketapi::kNoSocket;
    if (libraryStarted)
        socketapi::releaseLibrary();
    libraryStarted = false;
}

} // namespace pendra
