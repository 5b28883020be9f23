#include "net/SocketApi.h"

namespace pendra::socketapi {

namespace {

// Holds the socket library for one lookup; on POSIX there is nothing to hold.
class LibraryUse
{
public:
    LibraryUse() : started(startLibrary() == 0) {}
    ~LibraryUse()
    {
        if (started)
            releaseLibrary();
    }
    LibraryUse(const LibraryUse&) = delete;
    LibraryUse& operator=(const LibraryUse&) = delete;

    const bool started;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

// Four decimal numbers from 0 to 255 between three dots, none with a leading
// zero, nothing before or after: what inet_pton takes, and so exactly the
// texts formatIPv4 writes. Never a name, never another notation.
std::optional<std::uint32_t> parseIPv4(const std::string& text)
{
    std::uint32_t address = 0;
    std::size_t at = 0;
    for (int octet = 0; octet < 4; ++octet) {
        if (octet > 0 && (at >= text.size() || text[at++] != '.'))
            return std::nullopt;
        const std::size_t start = at;
        std::uint32_t value = 0;
        while (at < text.size() && at - start < 3 && isDigit(text[at]))
            value = value * 10 + static_cast<std::uint32_t>(text[at++] - '0');
        const std::size_t digits = at - start;
        if (digits == 0 || value > 255 || (digits > 1 && text[start] == '0'))
            return std::nullopt;
        address = address << 8 | value;
    }
    if (at != text.size())
        return std::nullopt;
    return address;
}

std::string formatIPv4(std::uint32_t address)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        if (shift < 24)
            text += '.';
        text += std::to_string(address >> shift & 0xFF);
    }
    return text;
}

std::optional<std::uint32_t> hostNameAddress()
{
    const LibraryUse library;
    if (!library.started)
        return std::nullopt;
    const auto name = system::hostName();
    return name ? system::firstAddressOf(*name) : std::nullopt;
}

std::optional<std::uint32_t> firstInterfaceAddress()
{
    const LibraryUse library;
    if (!library.started)
        return std::nullopt;
    return system::firstInterfaceAddress();
}

bool isLoopback(std::uint32_t address)
{
    return (address >> 24) == 127;
}

} // namespace pendra::socketapi
