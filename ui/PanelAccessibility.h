#pragma once

namespace pendra {

// Makes Qt read the panel to assistive technology (AT-SPI on Linux, UI
// Automation on Windows) as the operator sees it: plain containers list
// only the controls they show (ShownControlsAccessible), and each readout is
// one object, named by its caption, whose value is the text it shows
// (ReadoutAccessible). Qt keeps an object's interface once made, so this
// comes first, right after the application object. Once is enough.
void installPanelAccessibility();

} // namespace pendra
