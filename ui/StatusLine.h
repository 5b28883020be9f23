#pragma once

#include <QFont>
#include <QLabel>
#include <QSize>
#include <optional>

namespace pendra {

// The line below the readouts that says how the link stands. It grows with
// the window as the readouts do, so that it reads from where they read; it
// never widens the window: a text longer than its room is drawn cut short
// with "…", and its tool tip holds the whole. To assistive technology it is
// a status bar whose name is the whole text, and each new text is told once
// (StatusLineAccessible).
class StatusLine : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);

    // Takes the place of QLabel::setText, so that the tool tip and assistive
    // technology follow every text.
    void setText(const QString& text);
    // Grows the form's font as the readouts grew (readoutScale, from
    // PanelLayout), at a share of their rate; never smaller than the form's.
    void scale(double readoutScale);
    // What is drawn: the text, elided to the room there is.
    QString shownText() const;

    // One line of the font high; as wide as an ellipsis, whatever the text.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the text goes: the contents less the indent on either side.
    QRect textRoom() const;

    std::optional<QFont> formFont;
    // The window's size when the font last changed, and whether it grew.
    QSize scaledAt;
    bool lastGrew = false;
};

} // namespace pendra
