#pragma once

namespace pendra {

// The application shell: holds the settings and the host connection for the
// life of the program, runs the panel window until it closes, and then ends.
// A start while the same panel runs brings that one to the front instead.
class PanelApp
{
public:
    // Runs the panel; returns the program's exit status. A QApplication must exist.
    int run();
};

} // namespace pendra
