#pragma once

#include <QByteArray>
#include <QIconEngine>
#include <QPainterPath>
#include <QString>

namespace pendra::pictures {

// A button picture with its caption in the operator's language: the SVG
// without the English caption's outlines, and the caption's outlines laid
// out for it (ButtonCaption), both drawn afresh for every size and device-
// pixel ratio asked, so the words stay as crisp as the symbol.
class CaptionedPicture : public QIconEngine
{
public:
    // svg: the picture's source without its caption; caption: the words to draw.
    CaptionedPicture(const QByteArray& svg, const QString& caption);

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    void draw(QPainter& painter, const QRectF& rect) const;

    QByteArray source;
    QPainterPath captionInk;
    QSize designSize;
    QString cacheKeyStem;
};

} // namespace pendra::pictures
