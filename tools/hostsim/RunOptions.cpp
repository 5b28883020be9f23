#include "tools/hostsim/RunOptions.h"

#include "net/SocketApi.h"
#include "tools/hostsim/Console.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace pendra::hostsim {

namespace {

void describeOptions(QCommandLineParser& parser)
{
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

} // namespace

RunOptions readRunOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);

    // Checked in this order: of several bad values, the first is the one named.
    RunOptions options;
    options.hostAddress = addressOption(parser, "host-address");
    options.hostPort = portOption(parser, "host-port");
    options.panelAddress = addressOption(parser, "panel-address");
    options.panelPort = portOption(parser, "panel-port");
    options.rate = numberOption(parser, "rate", 0);
    options.pace = std::chrono::milliseconds(numberOption(parser, "pace", 0));
    options.duration = numberOption(parser, "duration", 0);
    options.burst = numberOption(parser, "burst", 0);
    options.receiveBuffer = numberOption(parser, "receive-buffer", 0);
    options.verbose = parser.isSet("verbose");

    bool versionIsNumber = false;
    options.simulator.announcedVersion = parser.value("version").toInt(&versionIsNumber);
    if (!versionIsNumber)
        fail("--version: '" + parser.value("version").toStdString() + "' is not a whole number");
    options.simulator.withErrors = parser.isSet("errors");
    options.simulator.quiet = std::chrono::milliseconds(numberOption(parser, "quiet", 0));

    if (parser.isSet("script"))
        options.scriptPath = parser.value("script").toStdString();
    return options;
}

} // namespace pendra::hostsim
