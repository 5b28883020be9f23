// Host message handling: classification, version and coordinate reading, and
// the readout texts, fed arbitrary messages.

#include "panel/PanelProtocol.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/ReferenceInteger.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

using namespace pendra;

namespace {

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Whether the value can be read, as it is, somewhere in the text.
bool occursIn(std::string_view text, double value)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        double found = 0;
        const auto [end, error] =
            std::from_chars(text.data() + at, text.data() + text.size(), found);
        if (error == std::errc() && same(found, value))
            return true;
    }
    return false;
}

void checkReadout(double value)
{
    const std::string shown = formatReadout(value);
    // No number at all, or more digits than a double holds exactly: the
    // marker, never a text that could be read as a position.
    if (!std::isfinite(value) || std::abs(value) >= 1e11)
        FUZZ_CHECK(shown == kUnreadableReadout);
    if (shown == kUnreadableReadout) {
        // Only where four decimals need a sixteenth digit.
        FUZZ_CHECK(!std::isfinite(value) || std::abs(value) >= 99999999999.99995);
        return;
    }
    // Digits, a point and exactly four decimals, which read back as the value
    // rounded to four places.
    const std::size_t point = shown.find('.');
    FUZZ_CHECK(point != std::string::npos && shown.size() - point == 5);
    double back = 0;
    const auto [end, error] = std::from_chars(shown.data(), shown.data() + shown.size(), back);
    FUZZ_CHECK(error == std::errc() && end == shown.data() + shown.size());
    const double slack = 0.00005 + std::abs(value) * 4 * std::numeric_limits<double>::epsilon();
    FUZZ_CHECK(std::abs(back - value) <= slack);
}

// The version as "%d " reads it, worked out digit by digit.
void checkVersion(std::string_view text)
{
    const auto read = parseVersion(text);
    const std::size_t marker = text.find(kVersionMarker);
    FUZZ_CHECK(marker != std::string_view::npos);
    const ReferenceInteger expected = readReferenceInteger(text, marker + kVersionMarker.size());
    if (expected.digits == 0 || expected.value < INT32_MIN || expected.value > INT32_MAX)
        FUZZ_CHECK(!read);
    else
        FUZZ_CHECK(read && *read == expected.value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const HostMessageKind kind = classify(text);
    const bool hasVersion = text.find(kVersionMarker) != std::string_view::npos;
    FUZZ_CHECK(hasVersion == (kind == HostMessageKind::Version));
    if (kind == HostMessageKind::Version)
        checkVersion(text);

    for (const bool withErrors : {false, true}) {
        const auto values = parseCoordinates(text, withErrors);
        FUZZ_CHECK(values.size() <= (withErrors ? kCoordinateWithErrorsCount : kCoordinateCount));
        for (const double value : values) {
            // Every value shown was a number in the text.
            FUZZ_CHECK(occursIn(text, value));
            checkReadout(value);
        }
    }
    return 0;
}
