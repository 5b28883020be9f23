#include "bench/Latencies.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pendra::bench {

void Latencies::add(std::chrono::steady_clock::duration delay)
{
    microseconds.push_back(std::chrono::duration<double, std::micro>(delay).count());
    sorted = false;
}

double Latencies::percentile(double which) const
{
    if (microseconds.empty())
        return 0;
    if (!sorted) {
        std::sort(microseconds.begin(), microseconds.end());
        sorted = true;
    }
    const auto rank = static_cast<std::size_t>(
        std::ceil(which / 100.0 * static_cast<double>(microseconds.size())));
    return microseconds[std::clamp<std::size_t>(rank, 1, microseconds.size()) - 1];
}

std::string Latencies::summary() const
{
    char text[96];
    std::snprintf(text, sizeof text, "p50 %8.0f  p99 %8.0f  max %8.0f", percentile(50),
                  percentile(99), max());
    return text;
}

double Latencies::ratio(const Latencies& other, double which) const
{
    const double theirs = other.percentile(which);
    return theirs > 0 ? percentile(which) / theirs : 0;
}

} // namespace pendra::bench
