#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

namespace pendra::bench {

// A bare UDP socket on 127.0.0.1, blocking, with nothing between the
// benchmark and the system: the host's end, and the floor the panel is
// measured against. The system's calls are in BenchSocketPosix.cpp and
// BenchSocketWin32.cpp; CMake compiles one.
class BenchSocket
{
public:
    // port 0 takes a free port.
    explicit BenchSocket(int port = 0);
    ~BenchSocket();

    BenchSocket(const BenchSocket&) = delete;
    BenchSocket& operator=(const BenchSocket&) = delete;

    int port() const { return boundPort; }
    void connectTo(int port);
    void sendTo(int port, std::string_view bytes);
    void send(std::string_view bytes);
    // One datagram; -1 after the timeout (none: wait for ever) or a shutdown.
    int receive(char* buffer, int capacity,
                std::chrono::milliseconds timeout = std::chrono::milliseconds(-1));
    // Reads whatever is left from an earlier run.
    void drain();
    // Ends a receive that waits for ever.
    void shutdown();

    // A port on 127.0.0.1 nobody uses now.
    static int freePort();

private:
    // A file descriptor, or a Windows SOCKET, which is as wide as a pointer.
    std::intptr_t handle = -1;
    int boundPort = 0;
};

} // namespace pendra::bench
