#pragma once

#include "net/SocketApi.h"

namespace pendra {

// A UDP socket bound on 127.0.0.1, for the ends that stand beside the link
// rather than in it: the bench's host and bare loop, the tests' peers. It
// holds the socket library for as long as it lives (Windows counts its users).
class LoopbackUdpSocket
{
public:
    // port 0 takes a free port; receiveBuffer is what to ask the system for.
    // Throws std::runtime_error naming the call that failed.
    LoopbackUdpSocket(int port, int receiveBuffer);
    ~LoopbackUdpSocket();

    LoopbackUdpSocket(const LoopbackUdpSocket&) = delete;
    LoopbackUdpSocket& operator=(const LoopbackUdpSocket&) = delete;

    socketapi::Handle handle() const { return socket; }
    int port() const { return boundPort; }

    // 127.0.0.1:port.
    static socketapi::Endpoint at(int port);

private:
    [[noreturn]] void giveUp(const char* failedCall);

    socketapi::Handle socket = socketapi::kNoSocket;
    int boundPort = 0;
};

} // namespace pendra
