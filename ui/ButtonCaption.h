#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

// The words of a button picture, drawn in place of the English ones its SVG
// holds as outlines.
namespace pendra::pictures {

// Where a caption may lie, in the pictures' own units (116 x 113): below the
// symbol, inside the bevel. Today's two-line captions reach from 85.6 to 107.1.
inline constexpr QRectF kCaptionRoom{4, 85, 108, 26};

// The outlines of a caption as the English ones are drawn: bold, 12 units
// high, black, each line centred on x = 58; one line on baseline 104, or
// two on 94 and 107. A caption too wide for the room wraps (at spaces; text
// in Chinese, Japanese or Korean between any two characters; always at a line
// break in the caption), and then shrinks until it fits the room, so that no
// letter is ever cut. Latin, Greek and Cyrillic letters are drawn in the
// shipped Liberation Sans Bold, other scripts in the system's face for them.
QPainterPath captionOutlines(const QString& caption);

} // namespace pendra::pictures
