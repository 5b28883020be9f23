#pragma once

#include "net/SocketApi.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pendra::hostcheck {

// The panel's side of the wire: one UDP socket on the panel's address and
// port, and the log of every datagram that crossed it, with its time.
//
// Unlike the panel's, the socket is not connected to the host: the panel's
// system would discard datagrams from any other source unseen, and the check
// has to see them to say that the host sends from the wrong socket.
class PanelEnd
{
public:
    using Clock = std::chrono::steady_clock;

    struct Datagram
    {
        std::string bytes;
        socketapi::Endpoint from;
        // Since the start of the run.
        Clock::duration at{};
    };

    enum class Direction { Sent, Received, NotSent, Refused, Closed, Opened };

    struct Entry
    {
        Clock::duration at{};
        Direction direction = Direction::Sent;
        std::string bytes;
        socketapi::Endpoint peer;
    };

    // The panel asks for this much; the system may grant less.
    static constexpr int kReceiveBufferRequest = 2 * 1024 * 1024;
    // More than the largest UDP datagram: over-long ones are seen whole.
    static constexpr int kReceiveArea = 65536;
    // Beyond this the log keeps counting but stops storing: a host that
    // floods must not fill the memory.
    static constexpr std::size_t kLogLimit = 200000;

    PanelEnd(socketapi::Endpoint panel, socketapi::Endpoint host, Clock::time_point start);
    ~PanelEnd();
    PanelEnd(const PanelEnd&) = delete;
    PanelEnd& operator=(const PanelEnd&) = delete;

    // Binds the panel's address and port; 0 or the system's error code.
    int open();
    // Closes without a word, as the panel does.
    void close();
    bool isOpen() const { return socket != socketapi::kNoSocket; }
    int receiveBufferGranted() const { return granted; }

    // Sends one datagram to the host; returns when, since the start.
    Clock::duration send(std::string_view message);
    // The next datagram from anyone, or nothing by the deadline. Refusals
    // the system hands on (ICMP) are no datagrams: they are logged and skipped.
    std::optional<Datagram> receive(Clock::time_point deadline);

    Clock::time_point started() const { return start; }
    Clock::duration sinceStart() const { return Clock::now() - start; }
    const std::vector<Entry>& log() const { return entries; }
    // One entry as an evidence line: "+1.205 s  <- Version:2  (from 127.0.0.1:7712)".
    static std::string describe(const Entry& entry);
    // The log between two moments as evidence lines, at most maxLines of
    // them; a last line counts what was left out. Without the stream, the
    // greetings and versions stand out from among the positions and their
    // acknowledgements.
    std::vector<std::string> evidence(Clock::duration from, Clock::duration to,
                                      bool withStream = true, std::size_t maxLines = 12) const;

private:
    void record(Direction direction, std::string_view bytes, const socketapi::Endpoint& peer,
                std::optional<Clock::duration> at = std::nullopt);

    const socketapi::Endpoint panel;
    const socketapi::Endpoint host;
    const Clock::time_point start;
    const bool libraryStarted;
    socketapi::Handle socket = socketapi::kNoSocket;
    int granted = 0;
    std::string area;
    std::vector<Entry> entries;
    std::size_t unlogged = 0;
};

} // namespace pendra::hostcheck
