#include "net/LoopbackUdpSocket.h"

#include <stdexcept>

namespace pendra {

LoopbackUdpSocket::LoopbackUdpSocket(int port, int receiveBuffer)
{
    if (socketapi::startLibrary() != 0)
        throw std::runtime_error("socket library");
    socket = socketapi::createSocket(true);
    if (socket == socketapi::kNoSocket)
        giveUp("socket");
    socketapi::setReceiveBufferSize(socket, receiveBuffer);
    const auto bound =
        socketapi::bindTo(socket, at(port)) ? socketapi::localEndpoint(socket) : std::nullopt;
    if (!bound)
        giveUp("bind");
    boundPort = bound->port;
}

LoopbackUdpSocket::~LoopbackUdpSocket()
{
    socketapi::closeSocket(socket);
    socketapi::releaseLibrary();
}

socketapi::Endpoint LoopbackUdpSocket::at(int port)
{
    return {0x7F000001, static_cast<std::uint16_t>(port)};
}

// The destructor does not run after a constructor throws: undo here.
void LoopbackUdpSocket::giveUp(const char* failedCall)
{
    if (socket != socketapi::kNoSocket)
        socketapi::closeSocket(socket);
    socketapi::releaseLibrary();
    throw std::runtime_error(failedCall);
}

} // namespace pendra
