#include "bench/BenchSocket.h"

namespace pendra::bench {

// As much room as the system allows, so the host side never drops.
BenchSocket::BenchSocket(int port) : socket(port, 8 * 1024 * 1024) {}

void BenchSocket::connectTo(int port)
{
    socketapi::connectTo(socket.handle(), LoopbackUdpSocket::at(port));
}

void BenchSocket::sendTo(int port, std::string_view bytes)
{
    socketapi::sendBytesTo(socket.handle(), bytes.data(), static_cast<int>(bytes.size()),
                           LoopbackUdpSocket::at(port));
}

void BenchSocket::send(std::string_view bytes)
{
    socketapi::sendBytes(socket.handle(), bytes.data(), static_cast<int>(bytes.size()));
}

// An ICMP refusal of an earlier send fails the next receive on Windows; that
// is -1 too, as no datagram came.
int BenchSocket::receive(char* buffer, int capacity, std::chrono::milliseconds timeout)
{
    if (timeout.count() >= 0 && !socketapi::waitReadable(socket.handle(), timeout))
        return -1;
    const int received = socketapi::receiveOnce(socket.handle(), buffer, capacity, true);
    return received <= 0 ? -1 : received;
}

void BenchSocket::drain()
{
    char buffer[16000];
    while (receive(buffer, sizeof buffer, std::chrono::milliseconds(200)) >= 0) {
    }
}

void BenchSocket::shutdown()
{
    socketapi::shutdownBoth(socket.handle());
}

int BenchSocket::freePort()
{
    return BenchSocket().port();
}

} // namespace pendra::bench
