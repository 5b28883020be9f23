#include "ui/EndRequests.h"

namespace pendra {

// A window program on Windows gets no console signals: the end of the
// session reaches it as the application's commit-data request alone.
void EndRequests::watchSignals() {}

void EndRequests::stopWatchingSignals() {}

} // namespace pendra
