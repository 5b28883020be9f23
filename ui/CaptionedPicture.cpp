#include "ui/CaptionedPicture.h"

#include "ui/ButtonCaption.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace pendra::pictures {

CaptionedPicture::CaptionedPicture(const QByteArray& svg, const QString& caption)
    : source(svg), captionInk(captionOutlines(caption)),
      designSize(QSvgRenderer(svg).defaultSize()),
      cacheKeyStem(
          QStringLiteral("pendra-captioned-%1-%2").arg(QString::number(qHash(svg)), caption))
{
}

// As Qt's SVG icons: the largest size of the picture's shape that fits.
QSize CaptionedPicture::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    return designSize.isEmpty() ? QSize() : designSize.scaled(size, Qt::KeepAspectRatio);
}

QPixmap CaptionedPicture::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    const QSize drawnSize = actualSize(size, mode, state);
    if (drawnSize.isEmpty())
        return {};
    const QString cacheKey = QStringLiteral("%1-%2x%3-%4")
                                 .arg(cacheKeyStem, QString::number(drawnSize.width()),
                                      QString::number(drawnSize.height()), QString::number(mode));
    QPixmap picture;
    if (QPixmapCache::find(cacheKey, &picture))
        return picture;
    picture = QPixmap(drawnSize);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        draw(painter, QRectF(QPointF(), QSizeF(drawnSize)));
    }
    // Disabled and selected looks come from the style, as for every other icon.
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QStyleOption option;
        option.palette = QApplication::palette();
        picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }
    QPixmapCache::insert(cacheKey, picture);
    return picture;
}

void CaptionedPicture::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                             QIcon::State state)
{
    if (mode == QIcon::Normal) {
        draw(*painter, rect);
        return;
    }
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
}

bool CaptionedPicture::isNull()
{
    return designSize.isEmpty();
}

QIconEngine* CaptionedPicture::clone() const
{
    return new CaptionedPicture(*this);
}

QString CaptionedPicture::key() const
{
    return QStringLiteral("CaptionedPicture");
}

void CaptionedPicture::draw(QPainter& painter, const QRectF& rect) const
{
    QSvgRenderer renderer(source);
    renderer.render(&painter, rect);
    // The caption's outlines are in the picture's own units, as its viewBox.
    const QRectF view = renderer.viewBoxF();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / view.width(), rect.height() / view.height());
    painter.translate(-view.topLeft());
    painter.fillPath(captionInk, Qt::black);
    painter.restore();
}

} // namespace pendra::pictures
