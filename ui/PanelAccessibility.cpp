#include "ui/PanelAccessibility.h"

#include "ui/ReadoutAccessible.h"
#include "ui/ReadoutLabel.h"
#include "ui/ShownControlsAccessible.h"

#include <QAccessible>

namespace pendra {

namespace {

// Asked for each class of an object, most derived first, before Qt's own.
// The choice rests on classes alone: Qt may ask while a form is being made,
// before names and buddies are set, and keeps what it was given.
QAccessibleInterface* panelInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(ReadoutLabel::staticMetaObject.className()))
        return new ReadoutAccessible(static_cast<ReadoutLabel*>(object));
    // Plain containers, and widgets of no class of their own; windows keep Qt's.
    if (className == QLatin1String(QWidget::staticMetaObject.className())) {
        auto* container = static_cast<QWidget*>(object);
        if (!container->isWindow())
            return new ShownControlsAccessible(container);
    }
    return nullptr;
}

} // namespace

void installPanelAccessibility()
{
    QAccessible::removeFactory(panelInterface);
    QAccessible::installFactory(panelInterface);
}

} // namespace pendra
