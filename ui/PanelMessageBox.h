#pragma once

#include <QString>

class QWidget;

namespace pendra {

// The program's message box: a warning with only OK, captioned with the
// executable's name; the window behind it waits until it is closed.
void showPanelMessage(QWidget* parent, const QString& text);

} // namespace pendra
