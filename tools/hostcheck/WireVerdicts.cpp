#include "tools/hostcheck/WireVerdicts.h"

#include "tools/hostcheck/WireText.h"

#include <algorithm>
#include <cmath>

namespace pendra::hostcheck {

namespace {

using Duration = PanelConduct::Clock::duration;

double ms(Duration span)
{
    return std::chrono::duration<double, std::milli>(span).count();
}

std::string versionName(int version)
{
    return "host version " + std::to_string(version);
}

} // namespace

std::string WireVerdicts::line(const PanelConduct::Arrival& arrival)
{
    return PanelEnd::describe({arrival.datagram.at, PanelEnd::Direction::Received,
                               arrival.datagram.bytes, arrival.datagram.from});
}

void WireVerdicts::judgeSource(CheckReport& report, const PanelConduct& conduct,
                               const socketapi::Endpoint& host)
{
    if (conduct.firstStranger) {
        report.set(1, Verdict::Fail,
                   "a datagram came from " + endpointText(conduct.firstStranger->datagram.from) +
                       ", not " + endpointText(host),
                   {line(*conduct.firstStranger),
                    std::to_string(conduct.datagrams - conduct.fromHost) + " of " +
                        std::to_string(conduct.datagrams) +
                        " datagrams came from elsewhere; the panel's connected socket drops "
                        "them unseen: bind one socket to the host's address and port, and "
                        "send on it"});
    } else if (conduct.datagrams == 0) {
        report.set(1, Verdict::Skip, "no datagram came from the host");
    } else {
        report.set(1, Verdict::Pass,
                   counted(conduct.datagrams, "datagram", "datagrams") + ", all from " +
                       endpointText(host));
    }
}

void WireVerdicts::judgePositions(CheckReport& report, const PanelConduct& conduct,
                                  std::chrono::milliseconds watched)
{
    const std::string messages =
        counted(conduct.judged, "coordinate message", "coordinate messages");
    if (conduct.firstMalformed) {
        const PanelConduct::Arrival& first = *conduct.firstMalformed;
        const std::string& problem = *first.problem;
        const std::string separator = problem.back() == '?' ? " " : ". ";
        report.set(
            6, Verdict::Fail,
            problem + separator + "First offending: \"" +
                shortened(first.datagram.bytes, 40, false) + "\"",
            {std::to_string(conduct.malformed) + " of " + messages + " broke the rules; the first:",
             line(first)});
        return;
    }
    const std::string seconds = spanText(watched);
    if (conduct.ignoredWithNumbers > 0) {
        const std::string ignored = counted(conduct.ignoredWithNumbers, "datagram", "datagrams") +
                                    " with numbers but no marker the panel knows, which it ignores";
        report.set(6, Verdict::Warn,
                   (conduct.judged == 0 ? "no coordinate message in " + seconds + "; "
                                        : messages + ", all well-formed; but ") +
                       ignored,
                   {"the first: " + line(*conduct.firstIgnored),
                    "markers are case-sensitive: QVL_IP_COORD: and QVL_IP_COORD2:"});
        return;
    }
    if (conduct.judged == 0) {
        report.set(6, Verdict::Skip,
                   "no coordinate message in " + seconds +
                       ", nor elsewhere in the run: a host that streams only while the "
                       "machine moves?");
        return;
    }
    report.set(6, Verdict::Pass, messages + ", all well-formed");
}

void WireVerdicts::judgeAcknowledgements(CheckReport& report, const PanelConduct& conduct)
{
    const int version = conduct.hostVersion();
    const std::size_t taken = conduct.acknowledged + conduct.unacknowledged;
    if (conduct.versionMessages == 0) {
        if (taken == 0)
            report.set(7, Verdict::Skip, "no Version:N came (see 5), and no coordinate message");
        else
            report.set(7, Verdict::Warn,
                       "no Version:N came: the panel assumes version 1 and acknowledges none of "
                       "the " +
                           counted(taken, "coordinate message", "coordinate messages"));
        return;
    }
    if (!acknowledgesCoordinates(version)) {
        std::string summary = versionName(version) +
                              ": no acknowledgements: the panel acknowledges coordinate "
                              "messages only from version 2 on";
        std::vector<std::string> evidence;
        if (conduct.firstUnreadableVersion) {
            summary += "; no number could be read from \"" +
                       shortened(conduct.firstUnreadableVersion->datagram.bytes, 40, false) + "\"";
            evidence.push_back(line(*conduct.firstUnreadableVersion));
        }
        report.set(7, Verdict::Warn, summary, evidence);
        return;
    }
    std::string summary = versionName(version) + ": acknowledgements apply; ";
    if (conduct.acknowledged == 0)
        summary += "none sent: no coordinate message came";
    else
        summary += std::to_string(conduct.acknowledged) + " sent, one per coordinate message";
    if (conduct.unacknowledged > 0)
        summary += "; " + std::to_string(conduct.unacknowledged) +
                   " that came before a version of 2 or more were not acknowledged, as the "
                   "panel would not";
    report.set(7, Verdict::Pass, summary);
}

std::string WireVerdicts::rateAndJitter(const std::vector<Duration>& moments,
                                        std::chrono::milliseconds watched)
{
    const std::string head = "Rate and jitter: ";
    const std::string seconds = spanText(watched);
    if (moments.empty())
        return head + "no coordinate message in " + seconds;
    if (moments.size() == 1)
        return head + "1 coordinate message in " + seconds + ": no interval to measure";
    std::vector<double> intervals;
    for (std::size_t i = 1; i < moments.size(); ++i)
        intervals.push_back(ms(moments[i] - moments[i - 1]));
    std::sort(intervals.begin(), intervals.end());
    const std::size_t count = intervals.size();
    const double median =
        count % 2 ? intervals[count / 2] : (intervals[count / 2 - 1] + intervals[count / 2]) / 2;
    // Nearest rank: the smallest interval that 99 % do not exceed.
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(count)));
    const double p99 = intervals[std::max<std::size_t>(rank, 1) - 1];
    const double span = ms(moments.back() - moments.front());
    const double rate = span > 0 ? 1000.0 * static_cast<double>(count) / span : 0;
    return head + fixed(rate, 1) + " positions a second; intervals median " + fixed(median, 1) +
           " ms, p99 " + fixed(p99, 1) + " ms, max " + fixed(intervals.back(), 1) + " ms";
}

} // namespace pendra::hostcheck
