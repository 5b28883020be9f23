#include "tools/hostcheck/HostCheck.h"

#include "tools/hostcheck/WireText.h"
#include "tools/hostcheck/WireVerdicts.h"

#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <thread>

namespace pendra::hostcheck {

namespace {

using namespace std::chrono_literals;

double seconds(std::chrono::steady_clock::duration span)
{
    return std::chrono::duration<double>(span).count();
}

std::string ordinal(int number)
{
    switch (number) {
    case 1:
        return "1st";
    case 2:
        return "2nd";
    case 3:
        return "3rd";
    default:
        return std::to_string(number) + "th";
    }
}

// When the run began, in local time, as JUnit's timestamp has it.
std::string localTimestamp()
{
    const std::time_t now = std::time(nullptr);
    // One thread: localtime's shared result is safe here.
    const std::tm local = *std::localtime(&now);
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::put_time(&local, "%Y-%m-%dT%H:%M:%S");
    return text.str();
}

bool isVersion(const PanelConduct::Arrival& arrival)
{
    return arrival.isVersion();
}

bool isPosition(const PanelConduct::Arrival& arrival)
{
    return arrival.isPosition();
}

} // namespace

HostCheck::HostCheck(const Settings& checkSettings)
    : settings(checkSettings), end(settings.panel, settings.host, Clock::now()),
      conduct(end, settings.host)
{
}

int HostCheck::open()
{
    return end.open();
}

CheckReport HostCheck::run()
{
    const std::string timestamp = localTimestamp();
    // What the host does inside its own socket and before the panel is
    // there leaves no trace on the panel's side of the wire.
    for (const int item : {2, 3, 4})
        report.set(item, Verdict::Skip, "not observable from the wire");
    checkGreetings();
    watchPositions();
    checkCommands();
    checkReturn(9, settings.shortAbsence);
    checkReturn(10, settings.longAbsence);
    WireVerdicts::judgeSource(report, conduct, settings.host);
    WireVerdicts::judgePositions(report, conduct, settings.positionWatch);
    WireVerdicts::judgeAcknowledgements(report, conduct);
    report.setRun(endpointText(settings.host), seconds(end.sinceStart()), timestamp);
    return report;
}

std::optional<HostCheck::Answer> HostCheck::greetUntilAnswered(int greetings)
{
    for (int sent = 1; sent <= greetings && end.isOpen(); ++sent) {
        const auto greetingAt = conduct.greet();
        if (auto version = conduct.watch(Clock::now() + settings.answerWait, isVersion))
            return Answer{std::move(*version), greetingAt, sent};
    }
    return std::nullopt;
}

std::string HostCheck::answerText(const Answer& answer)
{
    return shortened(answer.version.datagram.bytes, 40, false) + " came " +
           delayText(answer.version.datagram.at - answer.greetingAt) + " after the " +
           (answer.greetingsSent > 1 ? ordinal(answer.greetingsSent) + " " : std::string()) +
           "greeting";
}

std::string HostCheck::noAnswerText(int greetings) const
{
    return "no Version:N within " + spanText(settings.answerWait) + " of " +
           counted(static_cast<std::size_t>(greetings), "greeting", "greetings");
}

// Phase A: the greeting and the host's version.
void HostCheck::checkGreetings()
{
    const auto phaseStart = end.sinceStart();
    firstAnswer = greetUntilAnswered(settings.greetings);
    if (firstAnswer) {
        checkLoop(*firstAnswer, phaseStart);
    } else {
        std::string summary = noAnswerText(settings.greetings);
        if (conduct.firstStranger)
            summary += "; datagrams came from " +
                       endpointText(conduct.firstStranger->datagram.from) +
                       ", which the panel drops (see 1)";
        else if (conduct.fromHost == 0)
            summary += ": nothing came back (is the host running, at " +
                       endpointText(settings.host) + "?)";
        else
            summary += ": the host sent " + counted(conduct.fromHost, "datagram", "datagrams") +
                       ", but no version message";
        report.set(5, Verdict::Fail, summary, end.evidence(phaseStart, end.sinceStart(), false));
    }
    report.setSeconds(5, seconds(end.sinceStart() - phaseStart));
}

// Phase B: the panel answers the version with a greeting; a host that
// answers that greeting again sets off a loop that never ends.
void HostCheck::checkLoop(const Answer& answer, Clock::duration phaseStart)
{
    const auto answerAt = conduct.sendAnswer(Clock::now() + kGreetingAnswerBound);
    if (!answerAt) {
        report.set(5, Verdict::Warn,
                   answerText(answer) + "; the greeting that answers it could not be sent");
        return;
    }
    const auto watchEnd = *answerAt + settings.loopWatch;
    conduct.watch(at(watchEnd));
    const auto versions = conduct.versionMoments(*answerAt + 1us, watchEnd);
    const std::string failed = "the host answered the greeting that answered its version: ";
    if (versions.size() >= 2) {
        report.set(5, Verdict::Fail,
                   failed + std::to_string(versions.size()) + " versions in " +
                       spanText(settings.loopWatch) + ", a loop",
                   end.evidence(phaseStart, watchEnd, false));
        return;
    }
    std::string summary = answerText(answer) + "; the greeting that answered it was not answered";
    if (versions.size() == 1) {
        const auto greeting = conduct.greetingBefore(versions.front());
        if (greeting && versions.front() - *greeting <= kGreetingAnswerBound) {
            report.set(5, Verdict::Fail,
                       failed + "a version came " + delayText(versions.front() - *greeting) +
                           " after it",
                       end.evidence(phaseStart, watchEnd));
            return;
        }
        // Sent on its own, long after any greeting: allowed.
        summary += "; one more version came on its own";
    }
    if (!answer.version.version) {
        report.set(5, Verdict::Warn,
                   summary + "; but no number could be read from it: the panel keeps version 1",
                   end.evidence(phaseStart, *answerAt, false));
    } else if (answer.greetingsSent > 1) {
        const int unanswered = answer.greetingsSent - 1;
        report.set(5, Verdict::Warn,
                   summary + "; " +
                       (unanswered == 1
                            ? std::string("the greeting before it")
                            : "the " + std::to_string(unanswered) + " greetings before it") +
                       " went unanswered: a host answers every greeting at once",
                   end.evidence(phaseStart, *answerAt, false));
    } else {
        report.set(5, Verdict::Pass, summary);
    }
}

// Phase C: positions, acknowledged as the panel does; items 6 and 7 are
// judged over the whole run at its end.
void HostCheck::watchPositions()
{
    const auto from = end.sinceStart();
    conduct.watch(Clock::now() + settings.positionWatch);
    const auto to = end.sinceStart();
    report.setInfo(
        WireVerdicts::rateAndJitter(conduct.positionMoments(from, to), settings.positionWatch));
    report.setSeconds(6, seconds(to - from));
    report.setSeconds(7, seconds(to - from));
}

// Phase D: the five commands, once each. The host may act on them as it
// likes; it must stay there, and send only what the protocol allows.
void HostCheck::checkCommands()
{
    if (!settings.commands) {
        report.set(8, Verdict::Skip, "needs --commands (a real host drives a real machine)");
        return;
    }
    if (conduct.fromHost == 0) {
        report.set(8, Verdict::Skip, "nothing came from the host (see 5): no command sent");
        return;
    }
    const auto phaseStart = end.sinceStart();
    const std::size_t malformedBefore = conduct.malformed;
    const std::size_t ignoredBefore = conduct.ignoredWithNumbers;
    const bool streaming = conduct.positionsBetween(phaseStart - 2s, phaseStart) > 0;
    Clock::duration lastCommand{};
    for (std::size_t button = 0; button < kButtonCount; ++button) {
        lastCommand = conduct.sendCommand(commandForButton(button));
        conduct.watch(Clock::now() + settings.commandGap);
    }

    std::string alive;
    if (streaming) {
        auto next = conduct.positionMoments(lastCommand, end.sinceStart());
        if (next.empty()) {
            if (const auto position =
                    conduct.watch(at(lastCommand + settings.resumeWait), isPosition))
                next.push_back(position->datagram.at);
        }
        if (!next.empty())
            alive =
                "positions went on " + delayText(next.front() - lastCommand) + " after the last";
    }
    if (alive.empty()) {
        // A host may leave a greeting unanswered while the panel is busy
        // talking (pendra-hostsim does for 300 ms): greet after a silence.
        conduct.watch(at(conduct.lastSent() + 400ms));
        if (const auto answer = greetUntilAnswered(2))
            alive = "it answered a greeting after them: " + answerText(*answer);
    }
    const auto phaseEnd = end.sinceStart();
    report.setSeconds(8, seconds(phaseEnd - phaseStart));

    const std::string sent = counted(kButtonCount, "command", "commands") + " sent " +
                             std::to_string(settings.commandGap.count()) + " ms apart";
    if (alive.empty()) {
        report.set(8, Verdict::Fail,
                   sent + "; then the host fell silent: " +
                       (streaming ? "no position within " + spanText(settings.resumeWait) + " and "
                                  : std::string()) +
                       "no Version:N to 2 greetings",
                   end.evidence(phaseStart, phaseEnd, false));
    } else if (conduct.malformed > malformedBefore) {
        report.set(8, Verdict::Fail,
                   sent + "; the host answered with a malformed coordinate message: " +
                       *conduct.lastMalformed->problem,
                   {WireVerdicts::line(*conduct.lastMalformed)});
    } else if (conduct.ignoredWithNumbers > ignoredBefore) {
        report.set(8, Verdict::Warn,
                   sent + "; " + alive + "; but the host answered with text the panel ignores",
                   {WireVerdicts::line(*conduct.lastIgnored)});
    } else {
        report.set(8, Verdict::Pass, sent + "; " + alive);
    }
}

// Phases E and F: the panel goes away without a word and comes back. Away
// for a restart (item 9), and long enough that the host's sends meanwhile
// are refused by the panel's machine (item 10): either way the host must
// answer the new greeting on the socket it has, and stream again.
void HostCheck::checkReturn(int item, std::chrono::milliseconds absence)
{
    const bool refusals = item == 10;
    if (!firstAnswer) {
        report.set(item, Verdict::Skip, "the host never answered a greeting (see 5)");
        return;
    }
    const auto phaseStart = end.sinceStart();
    const bool streaming = conduct.positionsBetween(phaseStart - 2s, phaseStart) > 0;
    if (refusals && !streaming) {
        report.set(item, Verdict::Skip,
                   "no position came in the last 2 s, so none met the closed port and no "
                   "refusal was exercised (a host that streams only while the machine "
                   "moves?)");
        return;
    }

    end.close();
    conduct.closed();
    std::this_thread::sleep_for(absence);
    if (const int code = end.open()) {
        report.set(item, Verdict::Skip,
                   "the check could not bind " + endpointText(settings.panel) +
                       " again: " + socketapi::errorMessage(code));
        return;
    }
    std::string summary = "after " + secondsText(end.sinceStart() - phaseStart) + " away" +
                          (refusals ? " while the host sent" : "");
    const auto answer = greetUntilAnswered(settings.greetings);
    if (!answer) {
        report.set(item, Verdict::Fail,
                   summary + ", " + noAnswerText(settings.greetings) + ": " +
                       (refusals ? "a host must pass over the refusals of its sends "
                                   "(ECONNREFUSED, WSAECONNRESET on Windows) and keep its socket"
                                 : "a host must answer a panel that opens again, on the socket "
                                   "it has"),
                   end.evidence(phaseStart, end.sinceStart(), false));
    } else if (!streaming) {
        conduct.sendAnswer(Clock::now() + kGreetingAnswerBound);
        report.set(item, Verdict::Pass,
                   summary + ", " + answerText(*answer) +
                       "; it streamed nothing before, so no positions were awaited");
    } else if (const auto position = conduct.watch(
                   at(answer->version.datagram.at + settings.resumeWait), isPosition)) {
        report.set(item, Verdict::Pass,
                   summary + ", " + answerText(*answer) + "; positions resumed after " +
                       delayText(position->datagram.at - answer->greetingAt));
    } else {
        report.set(item, Verdict::Fail,
                   summary + ", " + answerText(*answer) + ", but no position came within " +
                       spanText(settings.resumeWait) + ", though the host streamed before",
                   end.evidence(phaseStart, end.sinceStart()));
    }
    report.setSeconds(item, seconds(end.sinceStart() - phaseStart));
}

} // namespace pendra::hostcheck
