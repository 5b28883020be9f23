#include "ui/PanelLayout.h"

#include <QEvent>
#include <algorithm>
#include <cmath>

namespace pendra {

namespace {

// The template's bands, in pixels: the buttons with their frame above, the
// readouts below; the rows of readouts run from the first row's top to the
// last row's bottom, with fixed margins around them.
constexpr int kReadoutBandTop = 169;
constexpr int kRowsTop = 193;
constexpr int kRowsBottom = 388;
constexpr int kReadoutFrameBottomMargin = 13;

int scaled(int value, double scale)
{
    return static_cast<int>(std::lround(value * scale));
}

} // namespace

PanelLayout::PanelLayout(QWidget* clientArea, std::function<void(const Scales&)> scaledTo)
    : QObject(clientArea), area(clientArea), onScaled(std::move(scaledTo))
{
    for (QWidget* child : area->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        placed.push_back({child, child->geometry()});
    area->installEventFilter(this);
}

bool PanelLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == area && event->type() == QEvent::Resize)
        place(area->size());
    return false;
}

void PanelLayout::place(QSize size)
{
    widthScale = static_cast<double>(size.width()) / kDesignSize.width();
    const double even =
        std::min(widthScale, static_cast<double>(size.height()) / kDesignSize.height());
    current.buttons = std::min(even, kButtonScaleLimit);
    bandOffset = (size.width() - scaled(kDesignSize.width(), current.buttons)) / 2;
    readoutTop = scaled(kReadoutBandTop, current.buttons);
    readoutBottom = size.height();
    // The rows share what the margins, grown as the buttons, leave.
    const int margins =
        scaled(kRowsTop - kReadoutBandTop + kDesignSize.height() - kRowsBottom, current.buttons);
    current.readouts =
        static_cast<double>(readoutBottom - readoutTop - margins) / (kRowsBottom - kRowsTop);
    for (const Placed& entry : placed) {
        if (!entry.widget)
            continue;
        entry.widget->setGeometry(entry.design.top() < kReadoutBandTop
                                      ? placeInButtonBand(entry.design)
                                      : placeInReadouts(entry.design));
    }
    if (onScaled)
        onScaled(current);
}

QRect PanelLayout::placeInButtonBand(const QRect& design) const
{
    const double s = current.buttons;
    return {bandOffset + scaled(design.x(), s), scaled(design.y(), s), scaled(design.width(), s),
            scaled(design.height(), s)};
}

QRect PanelLayout::placeInReadouts(const QRect& design) const
{
    const int left = scaled(design.x(), widthScale);
    const int width = scaled(design.x() + design.width(), widthScale) - left;
    // The frame around the readouts spans the band, less its margins.
    if (design.height() > kRowsBottom - kRowsTop) {
        const int bottom = readoutBottom - scaled(kReadoutFrameBottomMargin, current.buttons);
        return {left, readoutTop, width, bottom - readoutTop};
    }
    const int rowsTop = readoutTop + scaled(kRowsTop - kReadoutBandTop, current.buttons);
    const int top = rowsTop + scaled(design.y() - kRowsTop, current.readouts);
    const int bottom = rowsTop + scaled(design.y() + design.height() - kRowsTop, current.readouts);
    return {left, top, width, bottom - top};
}

} // namespace pendra
