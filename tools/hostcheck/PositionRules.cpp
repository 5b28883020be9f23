#include "tools/hostcheck/PositionRules.h"

#include "net/SocketLink.h"
#include "panel/PanelProtocol.h"
#include "tools/hostcheck/WireText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace pendra::hostcheck {

const std::size_t PositionRules::kLongestMessage = SocketLink::kReceiveAreaSize;

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isCoordinates(HostMessageKind kind)
{
    return kind == HostMessageKind::Coordinates || kind == HostMessageKind::CoordinatesWithErrors;
}

// One number as the panel reads it (blanks, an optional sign, then what
// from_chars takes), from position on. errc::result_out_of_range tells a
// number beyond a double from text that is no number at all.
std::errc readNumber(std::string_view text, std::size_t& position, double& value)
{
    std::size_t at = position;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    if (at < text.size() && text[at] == '+') {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+'))
            return std::errc::invalid_argument;
    }
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value,
                                              std::chars_format::general);
    if (error == std::errc())
        position = static_cast<std::size_t>(end - text.data());
    return error;
}

struct Reading
{
    std::vector<std::string_view> numbers;
    std::vector<double> values;
    // Where reading stopped: after the last number, or after the comma that
    // no number followed.
    std::size_t end = 0;
    std::errc stop = std::errc();
};

// Reads numbers as the panel does, but on past the count it expects, so
// that twelve numbers are counted as twelve.
Reading readAll(std::string_view text, std::size_t from)
{
    Reading reading;
    std::size_t position = from;
    reading.end = from;
    for (;;) {
        if (!reading.values.empty()) {
            if (position >= text.size() || text[position] != ',')
                break;
            ++position;
        }
        const std::size_t start = position;
        double value = 0;
        reading.stop = readNumber(text, position, value);
        if (reading.stop != std::errc())
            break;
        reading.numbers.push_back(text.substr(start, position - start));
        reading.values.push_back(value);
        reading.end = position;
    }
    return reading;
}

std::string quoted(std::string_view bytes)
{
    return "\"" + shortened(bytes, 24, false) + "\"";
}

// Why the panel stopped reading before all the numbers were there; rest
// starts right after the last number read.
std::string stopCause(std::string_view rest, std::errc stop)
{
    if (stop == std::errc::result_out_of_range)
        return "a number beyond the range of a double: " + quoted(rest);
    const std::size_t text = rest.find_first_not_of(" \t\n\v\f\r");
    if (text != std::string_view::npos && text > 0 && rest[text] == ',')
        return "a blank before a comma: the comma must follow the number directly: " + quoted(rest);
    if (!rest.empty() && rest[0] == ';')
        return "numbers separated by ';': the comma separates them: " + quoted(rest);
    if (rest.empty())
        return "the message ends there";
    return "the panel stops reading at " + quoted(rest);
}

// What follows the last number when all were there.
std::string trailerCause(std::string_view rest)
{
    switch (rest[0]) {
    case '\n':
        return "a newline after the last number: a message has no terminator";
    case '\r':
        return "a carriage return (CR) after the last number: a message has no terminator";
    case '\0':
        return "a NUL after the last number: a message has no terminator";
    case ',':
        return "a comma after the last number";
    default:
        if (std::all_of(rest.begin(), rest.end(), isBlank))
            return "blanks after the last number";
        return "text after the last number: " + quoted(rest);
    }
}

} // namespace

bool PositionRules::isCoordinateLike(std::string_view datagram)
{
    return datagram.find(kCoordinatesMarker) != std::string_view::npos ||
           datagram.find(kCoordinatesWithErrorsMarker) != std::string_view::npos;
}

bool PositionRules::carriesNumbers(std::string_view datagram)
{
    return datagram.find_first_of("0123456789") != std::string_view::npos;
}

std::optional<std::string> PositionRules::problem(std::string_view datagram)
{
    if (datagram.size() > kLongestMessage)
        return std::to_string(datagram.size()) + " bytes, over the panel's limit of " +
               std::to_string(kLongestMessage) + ": it drops the datagram unread";
    // The panel cuts a message at its first NUL before it reads it.
    const std::string_view text = datagram.substr(0, datagram.find('\0'));
    const HostMessageKind kind = classify(text);
    if (kind == HostMessageKind::Version)
        return "a coordinate message with \"Version:\" in it: the panel takes it for a version "
               "message and ignores its numbers";
    if (!isCoordinates(kind)) {
        if (text.size() < datagram.size())
            return "a NUL before the marker: the panel cuts the message there and ignores it";
        return std::string("no coordinate marker");
    }

    const bool withErrors = kind == HostMessageKind::CoordinatesWithErrors;
    const std::string_view marker = withErrors ? kCoordinatesWithErrorsMarker : kCoordinatesMarker;
    const std::size_t expected = withErrors ? kCoordinateWithErrorsCount : kCoordinateCount;
    const std::size_t at = text.find(marker);
    if (at != 0)
        return "text before the marker: " + quoted(datagram.substr(0, at)) +
               ": a message starts with its marker";

    const Reading reading = readAll(datagram, marker.size());
    const std::size_t count = reading.values.size();
    const std::string_view rest = datagram.substr(reading.end);
    if (count != expected) {
        std::string fault = std::string(marker) + " with " + counted(count, "number", "numbers") +
                            ", not " + std::to_string(expected);
        bool hasPoint = false;
        for (const std::string_view number : reading.numbers)
            hasPoint = hasPoint || number.find('.') != std::string_view::npos;
        // Each value split in two at its comma: no other fault doubles the count.
        if (count == 2 * expected && !hasPoint)
            return fault + ": decimal commas, as a German-locale printf writes them?";
        if (!withErrors && count == kCoordinateWithErrorsCount)
            return fault + ": positions with errors take the marker QVL_IP_COORD2:";
        if (withErrors && count == kCoordinateCount)
            return fault + ": positions without errors take the marker QVL_IP_COORD:";
        if (count < expected)
            return fault + ": " + stopCause(rest, reading.stop);
        return fault;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(reading.values[i]))
            return "a number that is not finite: " + quoted(reading.numbers[i]) +
                   ": the panel cannot show it";
    }
    if (!rest.empty())
        return trailerCause(rest);
    return std::nullopt;
}

} // namespace pendra::hostcheck
