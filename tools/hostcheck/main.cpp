// pendra-hostcheck: a conformance check for host measurement applications.
// It plays the Pendra jog panel against a running host and judges the host
// against the checklist of the wire protocol.

#include "tools/hostcheck/CheckOptions.h"
#include "tools/hostcheck/HostCheck.h"
#include "tools/hostcheck/JUnitReport.h"
#include "tools/hostcheck/WireText.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv)
{
    using namespace pendra::hostcheck;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("pendra-hostcheck");

    const CheckOptions options = readCheckOptions(app);
    HostCheck check(options.settings);
    if (const int code = check.open()) {
        std::cerr << "pendra-hostcheck: cannot bind the panel's address and port "
                  << endpointText(options.settings.panel) << ": "
                  << pendra::socketapi::errorMessage(code)
                  << " (does a panel, or another program, use it?)" << std::endl;
        return 2;
    }
    const CheckReport report = check.run();
    report.print(std::cout);
    if (options.junitPath) {
        std::string error;
        if (!JUnitReport::write(report, *options.junitPath, error)) {
            std::cerr << "pendra-hostcheck: --junit: " << *options.junitPath << ": " << error
                      << std::endl;
            return 2;
        }
    }
    return report.failed() ? 1 : 0;
}
