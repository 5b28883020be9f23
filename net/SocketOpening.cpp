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

    if (request.datagram &&
        !reach(&socketapi::bindTo, "bind", request.localAddress, request.localPort))
        return;
    const auto remote =
        reach(&socketapi::connectTo, "connect", request.remoteAddress, request.remotePort);
    if (!remote)
        return;
    remoteEndpoint = *remote;

    wake = std::make_unique<WakeEvent>();
    if (!wake->isValid()) {
        fail("Init: Couldn't create events ! ", socketapi::lastError());
        return;
    }
    if (!socketapi::setNonBlocking(made))
        fail("Init: Couldn't create socket! ", socketapi::lastError());
}

std::optional<socketapi::Endpoint> SocketOpening::reach(EndpointCall call, const char* step,
                                                        const std::string& address, int port)
{
    // "Init: Couldn't bind to 10.1.2.3 ! ", as the operator has always read it.
    const std::string failure = std::string("Init: Couldn't ") + step + " to " + address + " ! ";
    const auto endpoint = SocketLink::endpointFrom(address, port);
    if (!endpoint) {
        fail(failure, socketapi::invalidArgumentCode());
        return std::nullopt;
    }
    if (!call(socketHandle, *endpoint)) {
        fail(failure, socketapi::lastError());
        return std::nullopt;
    }
    return endpoint;
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
