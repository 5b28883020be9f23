#include "tools/hostcheck/WireText.h"

#include <locale>
#include <sstream>

namespace pendra::hostcheck {

namespace {

// One byte as printable() shows it.
std::string shownByte(unsigned char byte)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    switch (byte) {
    case '\\':
        return "\\\\";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        if (byte >= 0x20 && byte < 0x7F)
            return std::string(1, static_cast<char>(byte));
        return std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
    }
}

} // namespace

std::string printable(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text += shownByte(static_cast<unsigned char>(c));
    return text;
}

std::string shortened(std::string_view bytes, std::size_t limit, bool nameLength)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::string shown = shownByte(static_cast<unsigned char>(bytes[i]));
        // An escape is kept whole or left out: "\x0" would read as another byte.
        if (text.size() + shown.size() > limit) {
            text += "\u2026";
            if (nameLength)
                text += " (" + std::to_string(bytes.size()) + " bytes)";
            return text;
        }
        text += shown;
    }
    return text;
}

std::string endpointText(const socketapi::Endpoint& endpoint)
{
    return socketapi::formatIPv4(endpoint.address) + ":" + std::to_string(endpoint.port);
}

std::string fixed(double value, int decimals)
{
    // The classic locale: a German desktop must not turn the point into a comma.
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text.setf(std::ios::fixed);
    text.precision(decimals);
    text << value;
    return text.str();
}

std::string momentText(std::chrono::steady_clock::duration sinceStart)
{
    return "+" + fixed(std::chrono::duration<double>(sinceStart).count(), 3) + " s";
}

std::string delayText(std::chrono::steady_clock::duration delay)
{
    const double ms = std::chrono::duration<double, std::milli>(delay).count();
    // "0.0 ms" would read as no time at all.
    if (ms < 0.05)
        return "under 0.1 ms";
    return fixed(ms, ms < 10 ? 1 : 0) + " ms";
}

std::string secondsText(std::chrono::steady_clock::duration span)
{
    return fixed(std::chrono::duration<double>(span).count(), 1) + " s";
}

std::string spanText(std::chrono::milliseconds span)
{
    return span.count() % 1000 == 0 ? std::to_string(span.count() / 1000) + " s"
                                    : secondsText(span);
}

std::string counted(std::size_t count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

} // namespace pendra::hostcheck
