#pragma once

#include "net/LoopbackUdpSocket.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace pendra::test {

// A real UDP socket on 127.0.0.1 with a free port, standing in for the far end
// of a link. It is made with net/'s socket calls (SocketApi.h), the system's
// own calls one to one, not with the link under test (SocketLink).
class UdpPeer
{
public:
    // port 0 takes a free port.
    explicit UdpPeer(int port = 0);
    ~UdpPeer();

    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;

    int port() const { return socket.port(); }
    // Sends one datagram to 127.0.0.1:port.
    bool sendTo(int port, std::string_view bytes);
    // The next datagram, or nothing when none came within the timeout.
    std::optional<std::string> receive(std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Reads everything that arrives until the line has been quiet for quiet.
    int drain(std::chrono::milliseconds quiet);

private:
    LoopbackUdpSocket socket;
};

// A port on 127.0.0.1 that nobody listens on, and that the system does not
// hand to a bind to port 0 while the test rebinds it.
int closedUdpPort();

// Polls the condition until it holds or the timeout passes.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(10))
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace pendra::test
