#pragma once

#include <QLabel>
#include <QMarginsF>

namespace pendra {

// The caption beside a field. A plain label is as wide as its text's advance
// rounded to whole pixels, and draws its ink as the face does: a right-aligned
// caption whose text comes out wider (a fraction of a pixel, ClearType's
// colour fringes under wine, a serif I's foot, an italic's lean) loses the
// start of its first letter. This one makes room for all of its ink, in
// whatever face and size it is drawn, and is as wide as its text needs: a
// longer translation widens its column.
class FieldCaption : public QLabel
{
    Q_OBJECT

public:
    explicit FieldCaption(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // How far the text's ink reaches out of its advance on either side, with
    // room for the antialiased fringe.
    QMarginsF overhang() const;
    // A buddy's caption shows its shortcut's letter underlined.
    int textFlags() const;
};

} // namespace pendra
