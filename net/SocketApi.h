#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// The operating system's socket calls, each in one place, so that a Windows
// Sockets version can stand beside the POSIX one.
namespace pendra::socketapi {

using Handle = int;
inline constexpr Handle kNoSocket = -1;

// An IPv4 address and port, both in host byte order.
struct Endpoint
{
    std::uint32_t address = 0;
    std::uint16_t port = 0;
};

// The error code that goes into failure texts for bad arguments (a port out of
// range, an address that is not dotted IPv4).
int invalidArgumentCode();
// The error code of the last failed socket call on this thread.
int lastError();

// Starts and releases the process's socket library; counted, so pairs nest.
// Returns 0 or the error code.
int startLibrary();
void releaseLibrary();

// Converts dotted-decimal IPv4 text without any name lookup.
std::optional<std::uint32_t> parseIPv4(const std::string& text);
std::string formatIPv4(std::uint32_t address);

// The first IPv4 address this machine's host name resolves to.
std::optional<std::uint32_t> hostNameAddress();
// The first IPv4 address of a network interface that is up and not loopback.
std::optional<std::uint32_t> firstInterfaceAddress();
bool isLoopback(std::uint32_t address);

Handle createSocket(bool datagram);
void setReceiveBufferSize(Handle socket, int bytes);
bool setNonBlocking(Handle socket);
bool bindTo(Handle socket, const Endpoint& endpoint);
bool connectTo(Handle socket, const Endpoint& endpoint);
std::optional<Endpoint> localEndpoint(Handle socket);
bool shutdownBoth(Handle socket);
bool closeSocket(Handle socket);

// Waits at most the given time until the socket can take data.
void waitWritable(Handle socket, std::chrono::microseconds timeout);
// Returns the number of bytes sent, or -1.
int sendBytes(Handle socket, const char* bytes, int count);
// One receive into at most capacity bytes. For a datagram socket a datagram
// longer than capacity is discarded whole and gives -1; nothing to read, or
// any error, gives -1 as well.
int receiveOnce(Handle socket, char* buffer, int capacity, bool datagram);

// What a wait of the receive thread saw: any of them may be set at once.
struct WaitResult
{
    bool failed = false;
    bool closeRequested = false;
    bool dataReady = false;
    bool sendRequested = false;
};

// Waits at most timeout for data on the socket or for either event.
WaitResult waitForAny(Handle socket, int closeEvent, int sendEvent,
                      std::chrono::milliseconds timeout);

} // namespace pendra::socketapi
