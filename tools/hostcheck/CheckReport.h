#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace pendra::hostcheck {

enum class Verdict { Pass, Fail, Warn, Skip };

// One item of the checklist in docs/protocol.md ("Writing a host: a
// checklist") and what the check made of it.
struct CheckItem
{
    int number = 0;
    // The item's bold title, without its full stop.
    std::string title;
    Verdict verdict = Verdict::Skip;
    // One line.
    std::string summary;
    // What was sent and what came back, one line each.
    std::vector<std::string> evidence;
    double seconds = 0;
};

// The verdicts of one run, items 1 to 10 in order, and how they are printed.
class CheckReport
{
public:
    static constexpr int kItemCount = 10;

    // Every item starts as not checked.
    CheckReport();

    void set(int number, Verdict verdict, std::string summary,
             std::vector<std::string> evidence = {});
    void setSeconds(int number, double seconds);
    const CheckItem& item(int number) const;
    const std::vector<CheckItem>& items() const { return checks; }

    // The line that is no checklist item: "Rate and jitter: ...".
    void setInfo(std::string line) { infoLine = std::move(line); }
    const std::string& info() const { return infoLine; }
    // The host checked ("127.0.0.1:7712"), how long the run took, and when it
    // began ("2026-12-10T21:40:00", local time).
    void setRun(std::string host, double seconds, std::string timestamp);
    const std::string& host() const { return hostText; }
    double seconds() const { return runSeconds; }
    const std::string& timestamp() const { return startedAt; }

    std::size_t count(Verdict verdict) const;
    bool failed() const { return count(Verdict::Fail) > 0; }

    // "PASS  1. One socket: ...", evidence indented by four blanks, then the
    // INFO line and "hostcheck: 6 passed, 0 failed, 0 warned, 4 skipped".
    void print(std::ostream& out) const;
    static const char* word(Verdict verdict);

private:
    std::vector<CheckItem> checks;
    std::string infoLine;
    std::string hostText;
    double runSeconds = 0;
    std::string startedAt;
};

} // namespace pendra::hostcheck
