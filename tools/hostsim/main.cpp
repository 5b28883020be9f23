// pendra-hostsim: a stand-in for the host measurement application, for trying
// and testing the panel without a measuring machine.

#include "net/SocketApi.h"
#include "net/SocketLink.h"
#include "tools/hostsim/HostSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <deque>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>

using namespace pendra;
using Clock = std::chrono::steady_clock;

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

[[noreturn]] void fail(const std::string& line)
{
    std::cerr << "pendra-hostsim: " << line << std::endl;
    std::exit(2);
}

std::string timestamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    // Only the main thread logs, so localtime's shared result is safe here.
    const std::tm local = *std::localtime(&seconds);
    std::ostringstream text;
    text << std::put_time(&local, "%H:%M:%S") << '.' << std::setw(3) << std::setfill('0') << millis;
    return text.str();
}

void log(const std::string& direction, const std::string& message, const std::string& meaning = {})
{
    std::cout << timestamp() << "  " << direction << ' ' << printableText(message);
    if (!meaning.empty())
        std::cout << "  " << meaning;
    std::cout << std::endl;
}

int portOption(const QCommandLineParser& parser, const QString& name)
{
    bool isNumber = false;
    const int port = parser.value(name).toInt(&isNumber);
    if (!isNumber || port < 0 || port > 65535)
        fail("--" + name.toStdString() + ": '" + parser.value(name).toStdString() +
             "' is not a port number from 0 to 65535");
    return port;
}

std::string addressOption(const QCommandLineParser& parser, const QString& name)
{
    const std::string address = parser.value(name).toStdString();
    if (!socketapi::parseIPv4(address))
        fail("--" + name.toStdString() + ": '" + address + "' is not a dotted IPv4 address");
    return address;
}

int numberOption(const QCommandLineParser& parser, const QString& name, int lowest)
{
    bool isNumber = false;
    const int value = parser.value(name).toInt(&isNumber);
    if (!isNumber || value < lowest)
        fail("--" + name.toStdString() + ": '" + parser.value(name).toStdString() +
             "' is not a whole number of at least " + std::to_string(lowest));
    return value;
}

// Lines to send instead of the stream, from a file or from standard input.
class ScriptSource
{
public:
    explicit ScriptSource(const std::string& path) : state(std::make_shared<State>())
    {
        if (path == "-") {
            // Standard input may be a person typing: read it beside the main loop.
            std::thread([shared = state] {
                std::string line;
                while (std::getline(std::cin, line)) {
                    std::lock_guard lock(shared->mutex);
                    shared->lines.push_back(line);
                }
                std::lock_guard lock(shared->mutex);
                shared->ended = true;
            }).detach();
            return;
        }
        std::ifstream file(path);
        if (!file)
            fail("--script: cannot read '" + path + "': " + std::strerror(errno));
        std::string line;
        while (std::getline(file, line))
            state->lines.push_back(line);
        state->ended = true;
    }

    std::optional<std::string> next()
    {
        std::lock_guard lock(state->mutex);
        if (state->lines.empty())
            return std::nullopt;
        std::string line = std::move(state->lines.front());
        state->lines.pop_front();
        return line;
    }

    bool finished()
    {
        std::lock_guard lock(state->mutex);
        return state->ended && state->lines.empty();
    }

private:
    struct State
    {
        std::mutex mutex;
        std::deque<std::string> lines;
        bool ended = false;
    };
    std::shared_ptr<State> state;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("pendra-hostsim");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Stands in for the host measurement application of the Pendra jog panel.\n"
        "It binds the host's address and port, talks to the panel's, prints every\n"
        "datagram the panel sends with its meaning, and, once the panel has greeted\n"
        "it, streams a moving probe position. STOP EXECUTION pauses the stream,\n"
        "CONTINUE EXECUTION resumes it, and Done is answered with the errors of a\n"
        "measured feature.\n"
        "\n"
        "The panel greets again after every version message, so answering every\n"
        "greeting would ping-pong for ever: a greeting is answered, at once, only\n"
        "when it is the panel's first, or when the panel had been silent for --quiet\n"
        "milliseconds before it; and not when it is the first greeting within\n"
        "250 ms of a version message of the simulator's own: that is its answer.\n"
        "\n"
        "On exit (Ctrl+C, or after --duration) it prints a summary: messages sent,\n"
        "commands received by kind, acknowledgements, and coordinate messages left\n"
        "unacknowledged.");
    parser.addHelpOption();
    parser.addOptions({
        {"host-address", "Dotted IPv4 address to bind, the host's (default 127.0.0.1)", "address",
         "127.0.0.1"},
        {"host-port", "UDP port to bind, the host's (default 7712)", "port", "7712"},
        {"panel-address", "Dotted IPv4 address of the panel (default 127.0.0.1)", "address",
         "127.0.0.1"},
        {"panel-port", "UDP port of the panel (default 7714)", "port", "7714"},
        {"version", "Protocol version announced in answer to a greeting (default 2)", "n", "2"},
        {"rate", "Coordinate messages per second; 0 streams none (default 10)", "per-second", "10"},
        {"errors", "Stream \"QVL_IP_COORD2:\" messages with errors instead of \"QVL_IP_COORD:\"."},
        {"quiet",
         "Silence of the panel, in milliseconds, after which a greeting is answered again (default "
         "300)",
         "ms", "300"},
        {"script",
         "Send the lines of this file ('-' for standard input), one message per line, instead "
         "of streaming; stops a second after the last line unless --duration is given.",
         "file"},
        {"pace", "Milliseconds between two script lines (default 200)", "ms", "200"},
        {"burst",
         "Send this many coordinate messages back to back once the panel has been heard, "
         "before the stream (default 0)",
         "count", "0"},
        {"receive-buffer",
         "Socket receive buffer to ask the system for, in bytes; 0 keeps the system's default "
         "(default 2097152)",
         "bytes", "2097152"},
        {"duration", "Stop after this many seconds; 0 runs until Ctrl+C (default 0)", "seconds",
         "0"},
        {"verbose", "Also print every message sent."},
    });
    parser.process(app);

    const std::string hostAddress = addressOption(parser, "host-address");
    const int hostPort = portOption(parser, "host-port");
    const std::string panelAddress = addressOption(parser, "panel-address");
    const int panelPort = portOption(parser, "panel-port");
    const int rate = numberOption(parser, "rate", 0);
    const auto pace = std::chrono::milliseconds(numberOption(parser, "pace", 0));
    const int duration = numberOption(parser, "duration", 0);
    const int burst = numberOption(parser, "burst", 0);
    const int receiveBuffer = numberOption(parser, "receive-buffer", 0);
    const bool verbose = parser.isSet("verbose");

    HostSimulator::Options options;
    bool versionIsNumber = false;
    options.announcedVersion = parser.value("version").toInt(&versionIsNumber);
    if (!versionIsNumber)
        fail("--version: '" + parser.value("version").toStdString() + "' is not a whole number");
    options.withErrors = parser.isSet("errors");
    options.quiet = std::chrono::milliseconds(numberOption(parser, "quiet", 0));
    HostSimulator simulator(options);

    std::optional<ScriptSource> script;
    if (parser.isSet("script"))
        script.emplace(parser.value("script").toStdString());

    SocketLink link(panelAddress, panelPort);
    link.setLocalEndpoint(hostAddress, 1, hostPort);
    link.setReceiveBufferRequest(receiveBuffer);
    if (link.open() != 0)
        fail("cannot use " + hostAddress + ":" + std::to_string(hostPort) + " towards " +
             panelAddress + ":" + std::to_string(panelPort) + ": " +
             socketapi::errorMessage(link.openErrorCode()) + " (" + link.lastError() + ")");

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::cout << "pendra-hostsim: host " << hostAddress << ":" << link.boundPort() << ", panel "
              << panelAddress << ":" << panelPort << ", announcing version "
              << options.announcedVersion << ", receive buffer " << link.receiveBufferBytes()
              << " bytes; ";
    if (script)
        std::cout << "sending "
                  << (parser.value("script") == "-" ? std::string("standard input")
                                                    : parser.value("script").toStdString())
                  << " every " << pace.count() << " ms";
    else if (rate > 0)
        std::cout << rate << " coordinate messages per second";
    else
        std::cout << "no stream";
    std::cout << ". Ctrl+C ends it." << std::endl;

    auto send = [&](const std::string& message, bool scripted, bool show) {
        link.write(message.data(), static_cast<int>(message.size()), 0);
        simulator.countSent(message, scripted, Clock::now());
        if (show)
            log("->", message);
    };

    const auto started = Clock::now();
    const auto streamPeriod = rate > 0 ? std::chrono::nanoseconds(1'000'000'000LL / rate)
                                       : std::chrono::nanoseconds::zero();
    auto nextStream = started;
    auto nextLine = started;
    std::optional<Clock::time_point> scriptEnded;
    std::string buffer;
    // The stream starts once the panel has been heard: sent into the void it
    // would only count as unacknowledged.
    bool heardPanel = false;
    bool burstSent = burst == 0;

    // Logs every datagram of the panel; answers them while the run goes on.
    auto takeDatagrams = [&](bool answer) {
        while (const int length = link.peekLength()) {
            buffer.resize(static_cast<std::size_t>(length));
            link.read(buffer.data(), length);
            const auto reaction = simulator.receive(buffer, Clock::now());
            if (!heardPanel)
                nextStream = Clock::now();
            heardPanel = true;
            log("<-", buffer, reaction.meaning);
            if (answer) {
                for (const std::string& reply : reaction.replies)
                    send(reply, false, true);
            }
        }
    };

    while (!stopRequested) {
        const auto now = Clock::now();
        if (duration > 0 && now - started >= std::chrono::seconds(duration))
            break;

        takeDatagrams(true);

        if (script) {
            if (now >= nextLine) {
                if (const auto line = script->next()) {
                    if (!line->empty())
                        send(*line, true, true);
                    nextLine = now + pace;
                }
            }
            if (!scriptEnded && script->finished())
                scriptEnded = now;
            if (scriptEnded && duration == 0 && now - *scriptEnded >= std::chrono::seconds(1))
                break;
        } else if (heardPanel && !burstSent) {
            // Back to back: how many answers come back shows whether the
            // receive buffers on either side hold them all.
            for (int i = 0; i < burst; ++i)
                send(simulator.coordinatesAt(0.001 * i), false, false);
            burstSent = true;
        } else if (rate > 0 && heardPanel && now >= nextStream) {
            if (simulator.streaming()) {
                const double seconds = std::chrono::duration<double>(now - started).count();
                send(simulator.coordinatesAt(seconds), false, verbose);
            }
            nextStream += streamPeriod;
            if (nextStream < now)
                nextStream = now + streamPeriod;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    // Let the last answers of the panel arrive before counting.
    const auto drainUntil = Clock::now() + std::chrono::milliseconds(200);
    while (Clock::now() < drainUntil) {
        takeDatagrams(false);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::cout << simulator.summaryText() << std::flush;
    return 0;
}
