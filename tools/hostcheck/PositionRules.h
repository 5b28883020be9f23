#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pendra::hostcheck {

// Item 6 of the checklist for one datagram: how a coordinate message must
// look, stricter than the panel reads it. The panel shows what it can of a
// faulty message; the check names the fault, and the likely cause with it.
class PositionRules
{
public:
    // The panel's receive area: longer datagrams are dropped on receipt.
    static const std::size_t kLongestMessage;

    // Whether the datagram carries a coordinate marker anywhere, so that it
    // is meant as a position and judged by problem().
    static bool isCoordinateLike(std::string_view datagram);
    // What is wrong with a coordinate-like datagram, in words, or nothing:
    // the marker at its start, QVL_IP_COORD: with exactly 6 numbers or
    // QVL_IP_COORD2: with exactly 9, each read with a decimal point, all
    // finite, nothing after the last, at most kLongestMessage bytes.
    static std::optional<std::string> problem(std::string_view datagram);
    // Whether a datagram the panel ignores carries digits: likely a position
    // the panel cannot see (a marker in the wrong case, a missing colon).
    static bool carriesNumbers(std::string_view datagram);
};

} // namespace pendra::hostcheck
