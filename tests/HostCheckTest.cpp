// pendra-hostcheck, the program, against the simulator and against hosts that
// each get one item of the host checklist wrong.
#include "tests/BrokenHost.h"
#include "tests/TestSystem.h"
#include "tests/UdpPeer.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <iostream>

using namespace pendra::test;
using Fault = BrokenHost::Fault;

namespace {

struct CheckRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
    QByteArray junit;

    // Whether a line of the report starts with this verdict on this item.
    bool says(const char* verdict, int item) const
    {
        const std::string start = std::string(verdict) + "  " + std::to_string(item) + ". ";
        return out.starts_with(start) || out.find("\n" + start) != std::string::npos;
    }
};

CheckRun runCheck(QStringList arguments)
{
    const QTemporaryDir folder;
    const QString report = folder.filePath("report.xml");
    arguments << "--junit" << report;
    QProcess check;
    check.start(QStringLiteral(PENDRA_HOSTCHECK), arguments);
    CheckRun run;
    // A run ends well within a minute, whatever the host does.
    if (!check.waitForStarted(30000) || !check.waitForFinished(60000)) {
        check.kill();
        check.waitForFinished();
    } else if (check.exitStatus() == QProcess::NormalExit) {
        run.exitCode = check.exitCode();
    }
    run.out = check.readAllStandardOutput().toStdString();
    run.err = check.readAllStandardError().toStdString();
    QFile file(report);
    if (file.open(QIODevice::ReadOnly))
        run.junit = file.readAll();
    return run;
}

CheckRun checkHost(int hostPort, int panelPort)
{
    return runCheck(
        {"--host-port", QString::number(hostPort), "--panel-port", QString::number(panelPort)});
}

// The report's test cases in order: each name, with "failure", "skipped" or "".
std::vector<std::pair<std::string, std::string>> junitCases(const QByteArray& report)
{
    std::vector<std::pair<std::string, std::string>> cases;
    QXmlStreamReader xml(report);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("testcase"))
            cases.emplace_back(xml.attributes().value("name").toString().toStdString(), "");
        else if (!cases.empty() && xml.name() != QLatin1String("system-out"))
            cases.back().second = xml.name().toString().toStdString();
    }
    if (xml.hasError())
        cases.emplace_back("XML error: " + xml.errorString().toStdString(), "");
    return cases;
}

} // namespace

TEST(HostCheckTest, PassesTheSimulator)
{
    const int panelPort = closedUdpPort();
    QProcess simulator;
    simulator.start(QStringLiteral(PENDRA_HOSTSIM),
                    {"--host-port", "0", "--panel-port", QString::number(panelPort), "--version",
                     "2", "--rate", "10", "--duration", "120"});
    ASSERT_TRUE(simulator.waitForStarted(30000)) << simulator.errorString().toStdString();
    // It names the port it bound once it has bound it.
    QString announced;
    while (!announced.contains('\n') && simulator.waitForReadyRead(30000))
        announced += simulator.readAllStandardOutput();
    const auto bound = QRegularExpression("host 127\\.0\\.0\\.1:(\\d+)").match(announced);
    ASSERT_TRUE(bound.hasMatch()) << announced.toStdString();

    const CheckRun run = checkHost(bound.captured(1).toInt(), panelPort);
    simulator.kill();
    simulator.waitForFinished();
    std::cout << run.out << run.err << std::flush;

    EXPECT_EQ(run.exitCode, 0);
    for (int item : {1, 5, 6, 7, 9, 10})
        EXPECT_TRUE(run.says("PASS", item)) << "item " << item;
    const std::vector<std::string> titles = {"1. One socket",
                                             "2. A large receive buffer",
                                             "3. The panel's exact address",
                                             "4. Version first",
                                             "5. Answer greetings, but not the answer",
                                             "6. Positions",
                                             "7. Acknowledgements",
                                             "8. Commands",
                                             "9. Panel restarts",
                                             "10. Refused errors"};
    std::vector<std::string> names;
    for (const auto& [name, verdict] : junitCases(run.junit)) {
        names.push_back(name);
        EXPECT_NE(verdict, "failure") << name;
        if (name == titles[7]) {
            EXPECT_EQ(verdict, "skipped") << "no commands without --commands";
        }
    }
    EXPECT_EQ(names, titles) << run.junit.toStdString();
}

struct BrokenHostCase
{
    Fault fault;
    int item;
    // Items this host keeps, and the check finds so every time.
    std::vector<int> kept;
};

// Test names show the item, not the bytes.
void PrintTo(const BrokenHostCase& broken, std::ostream* out)
{
    *out << "item " << broken.item;
}

class HostCheckOfABrokenHost : public ::testing::TestWithParam<BrokenHostCase>
{
};

TEST_P(HostCheckOfABrokenHost, FailsTheItemItBreaks)
{
    if (runsUnderWine())
        GTEST_SKIP() << "each run takes some 15 s and wine hands a datagram socket no "
                        "refusals; the simulator's run covers the program under wine";
    const BrokenHostCase& broken = GetParam();
    const int panelPort = closedUdpPort();
    CheckRun run;
    {
        const BrokenHost host(broken.fault, panelPort);
        run = checkHost(host.port(), panelPort);
    }
    std::cout << run.out << run.err << std::flush;

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.says("FAIL", broken.item));
    for (int item : broken.kept)
        EXPECT_FALSE(run.says("FAIL", item)) << "item " << item;
    EXPECT_NE(run.junit.indexOf("<failure"), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HostCheckOfABrokenHost,
    ::testing::Values(BrokenHostCase{Fault::SecondSocket, 1, {6}},
                      BrokenHostCase{Fault::AnswersEveryGreeting, 5, {1, 6}},
                      BrokenHostCase{Fault::DecimalCommas, 6, {1, 5, 9, 10}},
                      BrokenHostCase{Fault::ForgetsThePanel, 9, {1, 5, 6}},
                      BrokenHostCase{Fault::GivesUpOnRefusals, 10, {1, 5, 6, 9}}),
    [](const auto& broken) { return "Item" + std::to_string(broken.param.item); });

TEST(HostCheckTest, HelpNamesTheCommandsAndABadOptionIsAUsageError)
{
    const CheckRun help = runCheck({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--commands"), std::string::npos) << help.out;

    EXPECT_EQ(runCheck({"--no-such-option"}).exitCode, 2);
    const CheckRun badPort = runCheck({"--host-port", "70000"});
    EXPECT_EQ(badPort.exitCode, 2);
    EXPECT_NE(badPort.err.find("--host-port"), std::string::npos) << badPort.err;
}
