#pragma once

#include <QAccessibleWidget>
#include <QList>

namespace pendra {

// A plain container, such as the panel's client area, as the operator sees
// it: the controls it shows, in the template's order, and no more. Qt's own
// lists every child widget, hidden or not (the panel's F6 to F12 and its
// hidden error readouts among them). A label that captions another control
// is read as that control's name (ReadoutAccessible), and a frame with no
// title that holds nothing is only drawn.
class ShownControlsAccessible : public QAccessibleWidget
{
public:
    explicit ShownControlsAccessible(QWidget* container);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QWidget*> shownControls() const;
};

} // namespace pendra
