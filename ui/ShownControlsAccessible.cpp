#include "ui/ShownControlsAccessible.h"

#include <QGroupBox>
#include <QLabel>

namespace pendra {

ShownControlsAccessible::ShownControlsAccessible(QWidget* container)
    : QAccessibleWidget(container, QAccessible::Client)
{
}

QList<QWidget*> ShownControlsAccessible::shownControls() const
{
    QList<QWidget*> shown;
    for (QObject* child : widget()->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->isWindow() || !control->isVisibleTo(widget()))
            continue;
        if (const auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
            continue;
        if (const auto* frame = qobject_cast<QGroupBox*>(control);
            frame && frame->title().isEmpty() &&
            !frame->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            continue;
        shown << control;
    }
    return shown;
}

int ShownControlsAccessible::childCount() const
{
    return static_cast<int>(shownControls().size());
}

QAccessibleInterface* ShownControlsAccessible::child(int index) const
{
    const QList<QWidget*> shown = shownControls();
    return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index])
                                              : nullptr;
}

int ShownControlsAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    return static_cast<int>(shownControls().indexOf(qobject_cast<QWidget*>(child->object())));
}

} // namespace pendra
