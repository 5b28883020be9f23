#pragma once

#include <QIcon>
#include <QSize>
#include <QString>
#include <cstdint>

// The program's pictures, drawn from the SVG sources compiled into it. Each is
// an icon that renders its source at whatever size and device-pixel ratio it
// is shown at, so a 200 % screen gets twice the pixels, not a stretched copy.
namespace pendra::pictures {

// The size the button pictures are shown at, in device-independent pixels.
inline constexpr QSize kButtonPictureSize{116, 113};

// The picture for a button's bitmap id, with its caption in the operator's
// language: with no caption or the English one, the SVG as drawn; with any
// other, the same picture with these words in place of the English ones
// (CaptionedPicture). A null icon when there is none or its source cannot
// be read.
QIcon buttonPicture(std::uint16_t bitmapId, const QString& caption = QString());
// The application icon.
QIcon applicationIcon();

} // namespace pendra::pictures
