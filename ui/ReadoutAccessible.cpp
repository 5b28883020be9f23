#include "ui/ReadoutAccessible.h"

#include "ui/ReadoutLabel.h"

#include <limits>

namespace pendra {

ReadoutAccessible::ReadoutAccessible(ReadoutLabel* shownReadout)
    : QAccessibleWidget(shownReadout, QAccessible::StaticText)
{
}

const ReadoutLabel* ReadoutAccessible::readout() const
{
    return static_cast<const ReadoutLabel*>(widget());
}

const QLabel* ReadoutAccessible::caption() const
{
    const QWidget* area = widget()->parentWidget();
    if (!area)
        return nullptr;
    for (const QObject* sibling : area->children()) {
        const auto* label = qobject_cast<const QLabel*>(sibling);
        if (label && label->buddy() == widget())
            return label;
    }
    return nullptr;
}

QString ReadoutAccessible::shown() const
{
    return readout()->shownText();
}

void* ReadoutAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ReadoutAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return shown();
    if (type != QAccessible::Name)
        return QAccessibleWidget::text(type);
    if (const QLabel* named = caption())
        return named->text();
    const QString own = widget()->accessibleName();
    return own.isEmpty() ? readout()->text() : own;
}

QAccessible::State ReadoutAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
ReadoutAccessible::relations(QAccessible::Relation match) const
{
    return QAccessibleWidget::relations(match & ~QAccessible::Relation(QAccessible::Label));
}

QVariant ReadoutAccessible::currentValue() const
{
    bool number = false;
    const double value = shown().toDouble(&number);
    return number ? value : std::numeric_limits<double>::quiet_NaN();
}

// A readout has no bounds but those of the numbers it can show.
QVariant ReadoutAccessible::maximumValue() const
{
    return std::numeric_limits<double>::max();
}

QVariant ReadoutAccessible::minimumValue() const
{
    return std::numeric_limits<double>::lowest();
}

QVariant ReadoutAccessible::minimumStepSize() const
{
    return 0.0;
}

QString ReadoutAccessible::text(int startOffset, int endOffset) const
{
    return shown().mid(startOffset, endOffset - startOffset);
}

int ReadoutAccessible::characterCount() const
{
    return static_cast<int>(shown().size());
}

void ReadoutAccessible::selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadoutAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace pendra
