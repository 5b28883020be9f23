#pragma once

#include <QColor>
#include <QLabel>
#include <cstdint>
#include <optional>

namespace pendra {

// A static text that paints its whole face in its own background colour and
// its text in its own colour and font. Colours are given as 0x00BBGGRR.
class ReadoutLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ReadoutLabel(QWidget* parent = nullptr);

    static QColor colorFromRef(std::uint32_t colorRef);

    // Takes effect from the next painting.
    void setTextColor(std::uint32_t colorRef);
    QColor textColor() const { return textColour; }

    // A dimmed label draws its text at 40 % of the colour's brightness, on the
    // same face: a value that is no longer live stays readable but does not
    // pretend to be.
    void setDimmed(bool dimmed);

    // A font of the given size in tenths of a point and face name; a face
    // such as "Arial Bold" names its style as well.
    void setPointFont(int tenthsOfPoint, const QString& faceName);

    // The font the text is drawn in: the label's own, made smaller when the
    // text would not fit the face, since a cut readout can show a wrong number.
    // Worked out again only when the text (beyond its digits, in a font whose
    // digits are all of one width), the font or the width changed.
    QFont fittedFont() const;
    // A label that shows values draws no text below two thirds of its font's
    // size, which would be misread from a step away: it shows the marker of a
    // value it cannot show instead.
    void setShowsValues(bool values);
    // What is drawn: the text, or that marker.
    QString shownText() const;
    // Shows a value, and tells assistive technology of it once, as the
    // readout's new value (ReadoutAccessible). QLabel would also tell of each
    // new text as a new name, unless the label has an accessible name of its
    // own: ReadoutBoard gives its values their captions' names.
    void showValue(const QString& value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The colour the text is drawn in now.
    QColor shownTextColor() const;

    QColor background{Qt::black};
    QColor textColour{Qt::white};
    bool dimmed = false;
    bool showsValues = false;

    // The text as far as fitting goes.
    QString fitKey() const;

    // The font fitted to one text in one width.
    struct Fit
    {
        QString key;
        int room = 0;
        QFont font;
        bool cramped = false;
    };
    const Fit& fitted() const;
    mutable std::optional<Fit> fit;
    // Whether the font's digits are all of one width.
    mutable std::optional<bool> digitsAlike;
};

} // namespace pendra
