#include "tests/UdpPeer.h"

#include <random>
#include <stdexcept>
#include <vector>

namespace pendra::test {

UdpPeer::UdpPeer(int port) : socket(port, 4 * 1024 * 1024) {}

UdpPeer::~UdpPeer() = default;

bool UdpPeer::sendTo(int port, std::string_view bytes)
{
    const int count = static_cast<int>(bytes.size());
    return socketapi::sendBytesTo(socket.handle(), bytes.data(), count,
                                  LoopbackUdpSocket::at(port)) == count;
}

std::optional<std::string> UdpPeer::receive(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::vector<char> buffer(65536);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() < 0 || !socketapi::waitReadable(socket.handle(), left))
            return std::nullopt;
        const int received = socketapi::receiveOnce(socket.handle(), buffer.data(),
                                                    static_cast<int>(buffer.size()), true);
        if (received >= 0)
            return std::string(buffer.data(), static_cast<std::size_t>(received));
        // Windows hands a refusal of an earlier send to the next receive; no
        // datagram came with it.
        if (!socketapi::isRefusal(socketapi::lastError()))
            return std::nullopt;
    }
}

int UdpPeer::drain(std::chrono::milliseconds quiet)
{
    int count = 0;
    while (receive(quiet))
        ++count;
    return count;
}

int closedUdpPort()
{
    // Below the ports the system hands out for a bind to port 0 (Linux from
    // 32768, Windows from 49152): a test that closes and opens its panel's
    // link again and again finds the port still free, however much else on
    // the machine binds meanwhile.
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<int> quiet(20000, 32767);
    for (int tries = 0; tries < 100; ++tries) {
        try {
            const LoopbackUdpSocket taken(quiet(random), 0);
            return taken.port();
        } catch (const std::runtime_error&) {
            // Taken: another.
        }
    }
    UdpPeer taken;
    return taken.port();
}

} // namespace pendra::test
