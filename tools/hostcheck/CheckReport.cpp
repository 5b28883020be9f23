#include "tools/hostcheck/CheckReport.h"

#include <algorithm>

namespace pendra::hostcheck {

namespace {

// The checklist's bold titles, as docs/protocol.md has them.
constexpr const char* kTitles[CheckReport::kItemCount] = {
    "One socket",
    "A large receive buffer",
    "The panel's exact address",
    "Version first",
    "Answer greetings, but not the answer",
    "Positions",
    "Acknowledgements",
    "Commands",
    "Panel restarts",
    "Refused errors",
};

} // namespace

CheckReport::CheckReport()
{
    for (int number = 1; number <= kItemCount; ++number)
        checks.push_back({number, kTitles[number - 1], Verdict::Skip, "not checked", {}, 0});
}

void CheckReport::set(int number, Verdict verdict, std::string summary,
                      std::vector<std::string> evidence)
{
    CheckItem& check = checks.at(static_cast<std::size_t>(number - 1));
    check.verdict = verdict;
    check.summary = std::move(summary);
    check.evidence = std::move(evidence);
}

void CheckReport::setSeconds(int number, double seconds)
{
    checks.at(static_cast<std::size_t>(number - 1)).seconds = seconds;
}

const CheckItem& CheckReport::item(int number) const
{
    return checks.at(static_cast<std::size_t>(number - 1));
}

void CheckReport::setRun(std::string host, double seconds, std::string timestamp)
{
    hostText = std::move(host);
    runSeconds = seconds;
    startedAt = std::move(timestamp);
}

std::size_t CheckReport::count(Verdict verdict) const
{
    return static_cast<std::size_t>(std::count_if(
        checks.begin(), checks.end(), [&](const CheckItem& c) { return c.verdict == verdict; }));
}

const char* CheckReport::word(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        return "PASS";
    case Verdict::Fail:
        return "FAIL";
    case Verdict::Warn:
        return "WARN";
    case Verdict::Skip:
        return "SKIP";
    }
    return "SKIP";
}

void CheckReport::print(std::ostream& out) const
{
    for (const CheckItem& check : checks) {
        out << word(check.verdict) << "  " << check.number << ". " << check.title << ": "
            << check.summary << '\n';
        for (const std::string& line : check.evidence)
            out << "    " << line << '\n';
    }
    if (!infoLine.empty())
        out << "INFO  " << infoLine << '\n';
    out << "hostcheck: " << count(Verdict::Pass) << " passed, " << count(Verdict::Fail)
        << " failed, " << count(Verdict::Warn) << " warned, " << count(Verdict::Skip) << " skipped"
        << std::endl;
}

} // namespace pendra::hostcheck
