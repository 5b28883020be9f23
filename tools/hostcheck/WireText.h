#pragma once

#include "net/SocketApi.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// How the check shows datagrams, addresses and times to a person. A host may
// send any bytes at all, so nothing it sent reaches the terminal or a report
// unescaped. Numbers are written the same in every locale.
namespace pendra::hostcheck {

// Printable ASCII as it is, a backslash doubled, newline, return and tab as
// \n, \r and \t, every other byte (NUL, controls, non-ASCII) as \xNN.
std::string printable(std::string_view bytes);
// printable(), cut after at most limit characters with "…"; with
// nameLength the whole datagram's length follows the cut: "… (27 bytes)".
std::string shortened(std::string_view bytes, std::size_t limit, bool nameLength = true);
std::string endpointText(const socketapi::Endpoint& endpoint);
// A fixed-point number with this many decimals, a point as separator.
std::string fixed(double value, int decimals);
// "+1.204 s": a moment of the run, counted from its start.
std::string momentText(std::chrono::steady_clock::duration sinceStart);
// "0.6 ms" below 10 ms, "102 ms" above, "under 0.1 ms": how long something took.
std::string delayText(std::chrono::steady_clock::duration delay);
// "1.0 s": a span measured.
std::string secondsText(std::chrono::steady_clock::duration span);
// "3 s" for whole seconds, "1.5 s" otherwise: a span chosen.
std::string spanText(std::chrono::milliseconds span);
// "1 number", "12 numbers".
std::string counted(std::size_t count, std::string_view one, std::string_view many);

} // namespace pendra::hostcheck
