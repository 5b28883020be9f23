// pendra-hostsim: a stand-in for the host measurement application, for trying
// and testing the panel without a measuring machine.

#include "tools/hostsim/RunOptions.h"
#include "tools/hostsim/SimulatorRun.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("pendra-hostsim");

    const pendra::hostsim::RunOptions options = pendra::hostsim::readRunOptions(app);
    pendra::hostsim::SimulatorRun run(options);
    return run.run();
}
