#include "tools/hostsim/HostSimulator.h"

#include "panel/PanelProtocol.h"

#include <charconv>
#include <cmath>

namespace pendra {

namespace {

std::string joinValues(std::string_view marker, const std::vector<double>& values)
{
    std::string text(marker);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ',';
        text += formatReadout(values[i]);
    }
    return text;
}

// The position of a probe scanning a part: a smooth loop over X, Y and Z,
// with the rotary axes A, B and W turning slowly.
std::vector<double> probePosition(double t)
{
    return {
        250.0 + 120.0 * std::sin(0.40 * t), 180.0 + 90.0 * std::sin(0.80 * t) * std::cos(0.15 * t),
        -35.0 + 25.0 * std::cos(0.55 * t),  15.0 * std::sin(0.05 * t),
        90.0 + 10.0 * std::cos(0.03 * t),   std::fmod(6.0 * t, 360.0),
    };
}

std::vector<double> featureErrors(double t)
{
    return {0.0125 * std::sin(1.3 * t), -0.0080 * std::cos(0.7 * t), 0.0040 * std::sin(2.1 * t)};
}

} // namespace

std::size_t HostSimulator::Summary::unacknowledged() const
{
    return coordinatesSent > acknowledgements ? coordinatesSent - acknowledgements : 0;
}

HostSimulator::HostSimulator(Options simulatorOptions) : options(simulatorOptions) {}

HostSimulator::Reaction HostSimulator::receive(std::string_view datagram, Clock::time_point now)
{
    const bool panelWasQuiet = !lastHeard || now - *lastHeard >= options.quiet;
    lastHeard = now;
    Reaction reaction;

    const std::string greetingPrefix = std::string(kGreetingCommand) + ":";
    if (datagram.substr(0, greetingPrefix.size()) == greetingPrefix) {
        ++counts.greetings;
        int version = 0;
        const auto digits = datagram.substr(greetingPrefix.size());
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), version);
        if (error == std::errc() && end == digits.data() + digits.size())
            counts.panelVersion = version;
        reaction.meaning = "greeting, panel version " + std::string(digits);
        // The first greeting within the bound of our version answers it;
        // one more is a panel that opened its link again.
        const bool answersOurVersion =
            unansweredVersion && now - *unansweredVersion < options.answerBound;
        unansweredVersion.reset();
        if (panelWasQuiet && !answersOurVersion) {
            // Sent at once by the caller.
            unansweredVersion = now;
            reaction.replies.push_back(std::string(kVersionMarker) +
                                       std::to_string(options.announcedVersion));
        } else {
            reaction.meaning += " (reply to our version: not answered)";
        }
        return reaction;
    }
    if (datagram == kAcknowledgement) {
        ++counts.acknowledgements;
        reaction.meaning = "acknowledgement";
        return reaction;
    }
    for (std::size_t i = 0; i < buttonCommands.size(); ++i) {
        if (datagram != buttonCommands[i].text)
            continue;
        ++counts.commands[i];
        reaction.meaning = std::string(kButtonCaptions[i]);
        if (i == 0)
            reaction.replies.push_back(measuredFeature());
        else if (i == 3)
            paused = true;
        else if (i == 4)
            paused = false;
        return reaction;
    }
    ++counts.unknown;
    reaction.meaning = "unknown";
    return reaction;
}

std::string HostSimulator::coordinatesAt(double seconds)
{
    lastStreamed = seconds;
    std::vector<double> values = probePosition(seconds);
    if (options.withErrors) {
        const auto errors = featureErrors(seconds);
        values.insert(values.end(), errors.begin(), errors.end());
        return joinValues(kCoordinatesWithErrorsMarker, values);
    }
    return joinValues(kCoordinatesMarker, values);
}

std::string HostSimulator::measuredFeature() const
{
    std::vector<double> values = probePosition(lastStreamed);
    const auto errors = featureErrors(lastStreamed + 17.0);
    values.insert(values.end(), errors.begin(), errors.end());
    return joinValues(kCoordinatesWithErrorsMarker, values);
}

void HostSimulator::countSent(std::string_view message, bool scripted, Clock::time_point sentAt)
{
    ++counts.messagesSent;
    if (scripted)
        ++counts.scriptedSent;
    switch (classify(message)) {
    case HostMessageKind::Version:
        ++counts.versionsSent;
        unansweredVersion = sentAt;
        break;
    case HostMessageKind::Coordinates:
    case HostMessageKind::CoordinatesWithErrors:
        ++counts.coordinatesSent;
        break;
    case HostMessageKind::Other:
        break;
    }
}

std::string HostSimulator::summaryText() const
{
    std::string text = "summary: messages sent " + std::to_string(counts.messagesSent) +
                       " (versions " + std::to_string(counts.versionsSent) + ", coordinates " +
                       std::to_string(counts.coordinatesSent) + ", scripted " +
                       std::to_string(counts.scriptedSent) + ")\n";
    text += "summary: greetings " + std::to_string(counts.greetings);
    if (counts.panelVersion)
        text += " (panel version " + std::to_string(*counts.panelVersion) + ")";
    text += "\n";
    for (std::size_t i = 0; i < counts.commands.size(); ++i)
        text += "summary: " + std::string(buttonCommands[i].text) + " " +
                std::string(kButtonCaptions[i]) + ": " + std::to_string(counts.commands[i]) + "\n";
    text += "summary: unknown: " + std::to_string(counts.unknown) + "\n";
    text += "summary: acknowledgements: " + std::to_string(counts.acknowledgements) + "\n";
    text +=
        "summary: coordinate messages unacknowledged: " + std::to_string(counts.unacknowledged()) +
        "\n";
    return text;
}

std::string printableText(std::string_view bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
        case '\\':
            text += "\\\\";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\t':
            text += "\\t";
            break;
        default:
            if (byte >= 0x20 && byte < 0x7F) {
                text += c;
            } else {
                text += "\\x";
                text += kHex[byte >> 4];
                text += kHex[byte & 0x0F];
            }
        }
    }
    return text;
}

} // namespace pendra
