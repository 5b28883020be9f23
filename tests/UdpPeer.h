#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace pendra::test {

// A real UDP socket on 127.0.0.1 with a free port, standing in for the far end
// of a link. UdpPeerPosix.cpp and UdpPeerWin32.cpp make it with each system's
// own calls, not with the code under test.
class UdpPeer
{
public:
    // port 0 takes a free port.
    explicit UdpPeer(int port = 0);
    ~UdpPeer();

    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;

    int port() const { return boundPort; }
    // Sends one datagram to 127.0.0.1:port.
    bool sendTo(int port, std::string_view bytes);
    // The next datagram, or nothing when none came within the timeout.
    std::optional<std::string> receive(std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Reads everything that arrives until the line has been quiet for quiet.
    int drain(std::chrono::milliseconds quiet);

private:
    // A file descriptor or a SOCKET.
    std::intptr_t handle = -1;
    int boundPort = 0;
};

// A port on 127.0.0.1 that nobody listens on: taken from the system and let go.
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
