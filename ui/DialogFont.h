#pragma once

namespace pendra {

// The forms ask for the 8-point "MS Sans Serif" of their layout. Where that
// face is missing, fontconfig may fall back to any face at all, a monospaced
// one on a minimal Linux, and cut the captions; this names the faces of the
// same build to use in its place.
void installDialogFontSubstitutes();

} // namespace pendra
