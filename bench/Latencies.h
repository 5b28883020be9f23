#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace pendra::bench {

// A set of measured delays, summed up as percentiles in microseconds.
class Latencies
{
public:
    void add(std::chrono::steady_clock::duration delay);
    std::size_t count() const { return microseconds.size(); }
    // The given percentile (0 to 100) in microseconds; 0 when empty.
    double percentile(double which) const;
    double max() const { return percentile(100); }
    // "p50 x  p99 y  max z" in microseconds.
    std::string summary() const;
    // This set's percentile over the other's, as a factor.
    double ratio(const Latencies& other, double which) const;

private:
    mutable std::vector<double> microseconds;
    mutable bool sorted = true;
};

} // namespace pendra::bench
