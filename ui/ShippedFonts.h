#pragma once

#include <QString>

namespace pendra {

// The sans-serif face compiled into the program: Liberation Sans, Regular and
// Bold, drawn to Arial's metrics. Its licence ships beside the program.
inline const QString kShippedSansFamily = QStringLiteral("Liberation Sans");

// Registers the compiled-in faces and names them as the stand-in for Arial,
// which the readouts ask for: a PC without Arial (a fresh wine prefix has
// none) would otherwise draw them in whatever face it falls back to, a serif
// one there. Where Arial is installed, it still wins. Only the first call
// does anything.
void installShippedFonts();

} // namespace pendra
