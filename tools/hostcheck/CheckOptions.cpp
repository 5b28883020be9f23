#include "tools/hostcheck/CheckOptions.h"

#include "net/SocketApi.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdlib>
#include <iostream>

namespace pendra::hostcheck {

namespace {

[[noreturn]] void fail(const std::string& line)
{
    std::cerr << "pendra-hostcheck: " << line << std::endl;
    std::exit(2);
}

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        "Checks a running host measurement application against the wire protocol of the\n"
        "Pendra jog panel (docs/protocol.md, \"Writing a host: a checklist\"). It plays the\n"
        "panel: it greets the host, answers its version and acknowledges its positions as\n"
        "the panel does, closes its socket without a word and opens it again as a panel\n"
        "that restarts, and prints one verdict per checklist item (PASS, FAIL, WARN or\n"
        "SKIP) with the datagrams that show each failure. A run takes about 10 seconds,\n"
        "never more than a minute.\n"
        "\n"
        "Without --commands no command is sent, because a real host drives a real\n"
        "machine: Done, Delete, Move Pt., STOP and CONTINUE EXECUTION act on it.\n"
        "\n"
        "The check binds the panel's address and port, so no panel may run there\n"
        "meanwhile.\n"
        "\n"
        "Exit status: 0 when no check failed, 1 when one did, 2 when an option is wrong\n"
        "or the panel's address and port cannot be bound.");
    parser.addHelpOption();
    parser.addOptions({
        {"host-address", "Dotted IPv4 address of the host under test (default 127.0.0.1)",
         "address", "127.0.0.1"},
        {"host-port", "UDP port of the host under test (default 7712)", "port", "7712"},
        {"panel-address", "Dotted IPv4 address to bind, the panel's (default 127.0.0.1)", "address",
         "127.0.0.1"},
        {"panel-port", "UDP port to bind, the panel's (default 7714)", "port", "7714"},
        {"junit", "Also write the verdicts to this file as a JUnit XML report.", "file"},
        {"commands", "Also send the five commands QVL_PENDRA_1 to QVL_PENDRA_5, 300 ms apart. Only "
                     "where the machine the host drives may move!"},
    });
}

std::uint16_t portOption(const QCommandLineParser& parser, const QString& name)
{
    bool isNumber = false;
    const int port = parser.value(name).toInt(&isNumber);
    if (!isNumber || port < 1 || port > 65535)
        fail("--" + name.toStdString() + ": '" + parser.value(name).toStdString() +
             "' is not a port number from 1 to 65535");
    return static_cast<std::uint16_t>(port);
}

std::uint32_t addressOption(const QCommandLineParser& parser, const QString& name)
{
    const std::string text = parser.value(name).toStdString();
    const auto address = socketapi::parseIPv4(text);
    if (!address)
        fail("--" + name.toStdString() + ": '" + text + "' is not a dotted IPv4 address");
    return *address;
}

} // namespace

CheckOptions readCheckOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    describeOptions(parser);
    // parse() first: process() would end a wrong command line with exit 1.
    if (!parser.parse(QCoreApplication::arguments()))
        fail(parser.errorText().toStdString());
    if (!parser.positionalArguments().isEmpty())
        fail("'" + parser.positionalArguments().constFirst().toStdString() +
             "' is no option; see --help");
    // Shows the help, and ends the program, when it is asked for.
    parser.process(app);

    // Checked in this order: of several bad values, the first is the one named.
    CheckOptions options;
    options.settings.host.address = addressOption(parser, "host-address");
    options.settings.host.port = portOption(parser, "host-port");
    options.settings.panel.address = addressOption(parser, "panel-address");
    options.settings.panel.port = portOption(parser, "panel-port");
    if (parser.isSet("junit")) {
        options.junitPath = parser.value("junit").toStdString();
        if (options.junitPath->empty())
            fail("--junit: no file named");
    }
    options.settings.commands = parser.isSet("commands");
    return options;
}

} // namespace pendra::hostcheck
