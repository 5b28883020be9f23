#pragma once

namespace pendra {

// The forms ask for the 8-point "MS Sans Serif" of the original dialogs. Where
// that face is missing, fontconfig may fall back to any face at all, a
// monospaced one on a minimal Linux; this names plain sans-serif faces to use
// in its place, for the look. Setup's layout sizes to whatever face is drawn,
// so its captions fit with or without them.
void installDialogFontSubstitutes();

} // namespace pendra
