#include "ui/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace pendra::pictures {

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

QPixmap render(const QString& path, QSize size)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(render(QStringLiteral(":/res/pendra.svg"), QSize(side, side)));
    return icon;
}

} // namespace pendra::pictures
