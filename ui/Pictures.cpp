#include "ui/Pictures.h"

#include <QSvgRenderer>

namespace pendra::pictures {

namespace {

// Qt's SVG icon engine draws the source afresh for each size and ratio asked.
QIcon scalableIcon(const QString& path)
{
    if (path.isEmpty() || !QSvgRenderer(path).isValid())
        return {};
    return QIcon(path);
}

// The resource path of the picture with the given bitmap id, empty for none.
QString pathForBitmapId(std::uint16_t bitmapId)
{
    switch (bitmapId) {
    case 132:
        return QStringLiteral(":/res/button-f1-done.svg");
    case 133:
        return QStringLiteral(":/res/button-f2-delete.svg");
    case 134:
        return QStringLiteral(":/res/button-f3-move-pt.svg");
    case 140:
        return QStringLiteral(":/res/button-f4-stop-execution.svg");
    case 141:
        return QStringLiteral(":/res/button-f5-continue-execution.svg");
    default:
        return {};
    }
}

} // namespace

QIcon buttonPicture(std::uint16_t bitmapId)
{
    return scalableIcon(pathForBitmapId(bitmapId));
}

QIcon applicationIcon()
{
    return scalableIcon(QStringLiteral(":/res/pendra.svg"));
}

} // namespace pendra::pictures
