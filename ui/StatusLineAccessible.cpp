#include "ui/StatusLineAccessible.h"

#include "ui/StatusLine.h"

namespace pendra {

namespace {

QAccessibleInterface* statusLineInterface(const QString& className, QObject* object)
{
    auto* line = qobject_cast<StatusLine*>(object);
    if (!line || className != QLatin1String(StatusLine::staticMetaObject.className()))
        return nullptr;
    return new StatusLineAccessible(line);
}

} // namespace

StatusLineAccessible::StatusLineAccessible(StatusLine* line)
    : QAccessibleWidget(line, QAccessible::StatusBar)
{
}

QString StatusLineAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name || kind == QAccessible::Description)
        return static_cast<const StatusLine*>(widget())->text();
    return QAccessibleWidget::text(kind);
}

void installStatusLineAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(statusLineInterface);
        return true;
    }();
    (void)installed;
}

} // namespace pendra
