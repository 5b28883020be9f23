#include "panel/PanelProtocol.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pendra {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t skipBlanks(std::string_view text, std::size_t position)
{
    while (position < text.size() && isBlank(text[position]))
        ++position;
    return position;
}

// Reads one number the way "%lf" does: blanks skipped, an optional sign.
// Locale-independent, so a comma locale cannot change what the host means.
std::optional<double> scanNumber(std::string_view text, std::size_t& position)
{
    std::size_t at = skipBlanks(text, position);
    if (at < text.size() && text[at] == '+') {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+'))
            return std::nullopt;
    }
    double value = 0;
    const char* first = text.data() + at;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc())
        return std::nullopt;
    position = static_cast<std::size_t>(end - text.data());
    return value;
}

} // namespace

std::string buildGreeting()
{
    return std::string(kGreetingCommand) + ":" + std::to_string(PanelProtocolVersion);
}

std::string nameOfPanelText(std::string_view text)
{
    for (std::size_t i = 0; i < buttonCommands.size(); ++i) {
        if (text == buttonCommands[i].text)
            return "F" + std::to_string(i + 1) + " " + std::string(kButtonCaptions[i]);
    }
    if (text == buildGreeting())
        return "The greeting";
    if (text == kAcknowledgement)
        return "An acknowledgement";
    return "\"" + std::string(text) + "\"";
}

std::string_view commandForButton(std::size_t index)
{
    return index < buttonCommands.size() ? std::string_view(buttonCommands[index].text)
                                         : std::string_view();
}

bool isButtonCommand(std::string_view text)
{
    for (const ButtonCommand& row : buttonCommands) {
        if (text == row.text)
            return true;
    }
    return false;
}

std::optional<std::string_view> commandForKey(unsigned keyCode)
{
    for (const ButtonCommand& row : buttonCommands) {
        if (row.keyCode == keyCode)
            return row.text;
    }
    return std::nullopt;
}

HostMessageKind classify(std::string_view text)
{
    if (text.find(kVersionMarker) != std::string_view::npos)
        return HostMessageKind::Version;
    if (text.find(kCoordinatesMarker) != std::string_view::npos)
        return HostMessageKind::Coordinates;
    if (text.find(kCoordinatesWithErrorsMarker) != std::string_view::npos)
        return HostMessageKind::CoordinatesWithErrors;
    return HostMessageKind::Other;
}

std::optional<std::int64_t> scanInteger(std::string_view text)
{
    std::size_t at = skipBlanks(text, 0);
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data() + at, text.data() + text.size(), magnitude);
    if (error == std::errc::invalid_argument)
        return std::nullopt;
    if (error == std::errc::result_out_of_range)
        magnitude = UINT64_MAX;
    if (negative)
        return magnitude > static_cast<std::uint64_t>(INT64_MAX)
                   ? INT64_MIN
                   : -static_cast<std::int64_t>(magnitude);
    return magnitude > static_cast<std::uint64_t>(INT64_MAX) ? INT64_MAX
                                                             : static_cast<std::int64_t>(magnitude);
}

int portFromText(std::string_view text)
{
    const auto value = scanInteger(text);
    if (!value)
        return 0;
    return *value < 0 || *value > 65535 ? -1 : static_cast<int>(*value);
}

std::optional<int> parseVersion(std::string_view text)
{
    const std::size_t marker = text.find(kVersionMarker);
    if (marker == std::string_view::npos)
        return std::nullopt;
    const auto value = scanInteger(text.substr(marker + kVersionMarker.size()));
    // A number that does not fit in 32 bits is no version at all.
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::vector<double> parseCoordinates(std::string_view text, bool withErrors)
{
    const std::string_view marker = withErrors ? kCoordinatesWithErrorsMarker : kCoordinatesMarker;
    const std::size_t count = withErrors ? kCoordinateWithErrorsCount : kCoordinateCount;
    std::vector<double> values;
    const std::size_t found = text.find(marker);
    if (found == std::string_view::npos)
        return values;
    std::size_t position = found + marker.size();
    while (values.size() < count) {
        if (!values.empty()) {
            if (position >= text.size() || text[position] != ',')
                break;
            ++position;
        }
        const auto value = scanNumber(text, position);
        if (!value)
            break;
        values.push_back(*value);
    }
    return values;
}

std::string formatReadout(double value)
{
    if (!std::isfinite(value))
        return std::string(kUnreadableReadout);
    // The fixed-point text of the largest double has over 300 digits: grow
    // until it fits rather than cut it.
    std::string text(32, '\0');
    for (;;) {
        const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                                std::chars_format::fixed, 4);
        if (error == std::errc()) {
            text.resize(static_cast<std::size_t>(end - text.data()));
            break;
        }
        text.resize(text.size() * 2);
    }
    // Digits beyond what a double holds exactly were never sent by the host.
    const auto first = text.find_first_of("123456789");
    int significant = 0;
    for (std::size_t i = first; i < text.size() && first != std::string::npos; ++i)
        significant += text[i] >= '0' && text[i] <= '9';
    return significant > std::numeric_limits<double>::digits10 ? std::string(kUnreadableReadout)
                                                               : text;
}

bool acknowledgesCoordinates(int hostVersion)
{
    return hostVersion > 1;
}

} // namespace pendra
