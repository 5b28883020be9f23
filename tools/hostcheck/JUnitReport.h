#pragma once

#include "tools/hostcheck/CheckReport.h"

#include <string>
#include <string_view>

namespace pendra::hostcheck {

// A CheckReport as JUnit XML, for CI systems that show test results: one
// testsuite, one testcase per checklist item. FAIL is a failure, SKIP is
// skipped, WARN passes with "WARN:" in its output.
class JUnitReport
{
public:
    static std::string render(const CheckReport& report);
    // Writes render() to the file; false with the reason in error when it
    // cannot.
    static bool write(const CheckReport& report, const std::string& path, std::string& error);
    // Text fit for XML 1.0 in UTF-8, whatever bytes it holds: markup
    // characters as entities (every attribute is in double quotes), control characters XML cannot
    // hold as \xNN, invalid UTF-8 as U+FFFD. In an attribute, tab and line ends are kept as
    // character references, which attribute reading would turn into blanks.
    static std::string escape(std::string_view text, bool attribute = false);
};

} // namespace pendra::hostcheck
