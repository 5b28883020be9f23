#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <vector>

namespace pendra {

// Lays the panel's controls out for any size of its window. At the size the
// template describes every control stands where the template puts it.
// Larger, the band of buttons grows evenly up to kButtonScaleLimit and stays
// centred, and the readouts take all the height that is left: their rows
// grow, their margins only as the buttons do, so that the digits become as
// large as the window allows. Smaller, everything shrinks evenly.
class PanelLayout : public QObject
{
public:
    // The client area of the template, in pixels.
    static constexpr QSize kDesignSize{821, 413};
    static constexpr double kButtonScaleLimit = 1.2;

    // How much the two bands grew from the template.
    struct Scales
    {
        double buttons = 1.0;
        double readouts = 1.0;
    };

    // Takes the controls' places in the area as the template's.
    PanelLayout(QWidget* area, std::function<void(const Scales&)> scaled);

    Scales scales() const { return current; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(QSize size);
    QRect placeInButtonBand(const QRect& design) const;
    QRect placeInReadouts(const QRect& design) const;

    struct Placed
    {
        QPointer<QWidget> widget;
        QRect design;
    };
    QWidget* area;
    std::vector<Placed> placed;
    std::function<void(const Scales&)> onScaled;
    Scales current;
    // Of the area now: its width's scale and the readout band's top and height.
    double widthScale = 1.0;
    int bandOffset = 0;
    int readoutTop = 0;
    int readoutBottom = 0;
};

} // namespace pendra
