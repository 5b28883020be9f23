#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The texts the panel and the host measurement application exchange, and the
// rules by which host messages are recognised and shown. No platform calls.
namespace pendra {

// One function button: what it sends, the key that sends it too (a Windows
// virtual-key code) and the id of the picture on it.
struct ButtonCommand
{
    const char* text;
    std::uint16_t keyCode;
    std::uint16_t bitmapId;
};

inline constexpr std::size_t kButtonCount = 5;

// Row i belongs to button F(i + 1).
inline constexpr std::array<ButtonCommand, kButtonCount> buttonCommands{{
    {"QVL_PENDRA_1", 0x70, 132},
    {"QVL_PENDRA_2", 0x71, 133},
    {"QVL_PENDRA_3", 0x72, 134},
    {"QVL_PENDRA_4", 0x73, 140},
    {"QVL_PENDRA_5", 0x74, 141},
}};

// What each button's picture says, in button order.
inline constexpr std::array<std::string_view, kButtonCount> kButtonCaptions{
    "Done", "Delete", "Move Pt.", "STOP EXECUTION", "CONTINUE EXECUTION"};

inline constexpr int PanelProtocolVersion = 3;
// What the panel assumes of a host that has not announced a version.
inline constexpr int kInitialHostVersion = 1;

inline constexpr std::string_view kGreetingCommand = "QVL_PENDRA_8";
// The greeting that answers a host's version message leaves within this of
// it: at most one greeting interval after the greeting before, and the rest
// a margin for a loaded machine. A host can tell the answer to its version
// from the greeting of a panel that (re)starts by it.
inline constexpr std::chrono::milliseconds kGreetingAnswerBound{250};
inline constexpr std::string_view kAcknowledgement = "QVL_PENDRA_9";
inline constexpr std::string_view kVersionMarker = "Version:";
inline constexpr std::string_view kCoordinatesMarker = "QVL_IP_COORD:";
inline constexpr std::string_view kCoordinatesWithErrorsMarker = "QVL_IP_COORD2:";

inline constexpr std::size_t kCoordinateCount = 6;
inline constexpr std::size_t kCoordinateWithErrorsCount = 9;

enum class HostMessageKind { Version, Coordinates, CoordinatesWithErrors, Other };

// "QVL_PENDRA_8:3": the greeting sent after every opening and every version message.
std::string buildGreeting();
// The text of button index (0 to 4); empty for any other index.
std::string_view commandForButton(std::size_t index);
// Whether the text is the command of one of the five buttons.
bool isButtonCommand(std::string_view text);
// What the operator calls a text the panel sends: "F4 STOP EXECUTION" for a
// command, "The greeting", "An acknowledgement".
std::string nameOfPanelText(std::string_view text);
// The text of the first row whose key code equals keyCode, if any.
std::optional<std::string_view> commandForKey(unsigned keyCode);
// Reads a whole number the way "%d" does: blanks skipped, an optional sign,
// then digits. Nothing when no digit follows; a number beyond 64 bits is held
// at the nearest end, so callers can refuse it instead of overflowing.
std::optional<std::int64_t> scanInteger(std::string_view text);
// A stored port text read the way "%d" reads it: no digits give 0, and a
// number outside 0 to 65535 gives -1, which the link refuses, rather than
// wrapping to 16 bits.
int portFromText(std::string_view text);
// Which kind a host message is; a version marker wins over coordinates.
HostMessageKind classify(std::string_view text);
// The integer after the first "Version:", if one can be read and fits in 32 bits.
std::optional<int> parseVersion(std::string_view text);
// The numbers after the marker, in message order: all six (or nine) when the
// message is whole, fewer when reading stops early.
std::vector<double> parseCoordinates(std::string_view text, bool withErrors);
// What a readout shows for a value it cannot show truly: not a number, an
// infinity, or more significant digits than a double holds exactly.
inline constexpr std::string_view kUnreadableReadout = "------";
// Fixed point with four decimals: 12.5 gives "12.5000"; kUnreadableReadout
// for a value that text would misstate.
std::string formatReadout(double value);
// Hosts from version 2 on expect each coordinate message to be acknowledged.
bool acknowledgesCoordinates(int hostVersion);

} // namespace pendra
