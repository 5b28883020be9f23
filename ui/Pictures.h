#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <cstdint>

// The program's pictures, drawn from the SVG sources compiled into it.
namespace pendra::pictures {

// The size the button pictures are drawn and shown at.
inline constexpr QSize kButtonPictureSize{116, 113};

// The resource path of the picture with the given id, empty for an unknown id.
QString pathForBitmapId(std::uint16_t bitmapId);
// The picture drawn at the given size; a null pixmap when it cannot be read.
QPixmap render(const QString& path, QSize size);
// The application icon, drawn at the usual icon sizes.
QIcon applicationIcon();

} // namespace pendra::pictures
