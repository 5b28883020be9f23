#pragma once

#include <QString>

class QWidget;

namespace pendra {

class ConnectionSettings;

// Where the panel stood when it was last closed, per user, beside the
// connection values in the same store (which it never changes): its size
// and position, and whether it filled the screen.
namespace windowPlacement {

inline const QString kFullScreenKey = QStringLiteral("Window_FullScreen");

// Restores the last placement, if one was stored; true when the window
// is to open full screen.
bool restore(QWidget& window, const ConnectionSettings& settings);
void save(const QWidget& window, const ConnectionSettings& settings);

} // namespace windowPlacement

} // namespace pendra
