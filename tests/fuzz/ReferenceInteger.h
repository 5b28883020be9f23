#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// A whole number as "%d" reads it, worked out digit by digit, independently
// of the panel's own reader: blanks skipped, an optional sign, then digits.
// The magnitude is held at 2^40, far beyond anything either reader accepts.
struct ReferenceInteger
{
    std::size_t digits = 0;
    long long value = 0;
};

inline ReferenceInteger readReferenceInteger(std::string_view text, std::size_t at = 0)
{
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    ReferenceInteger read;
    long long magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++read.digits)
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), 1LL << 40);
    read.value = negative ? -magnitude : magnitude;
    return read;
}
