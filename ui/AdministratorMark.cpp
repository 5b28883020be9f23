#include "ui/AdministratorMark.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPalette>

namespace pendra::administratorMark {

QString marked(const QString& text)
{
    //: A menu item whose value IT enforces; %1 is the item's own text.
    return QCoreApplication::translate("AdministratorMark", "%1 (set by your administrator)")
        .arg(text);
}

QString setBy()
{
    return QCoreApplication::translate("AdministratorMark", "Set by your administrator");
}

void markAction(QAction& action)
{
    action.setText(marked(action.text()));
    action.setToolTip(setBy());
    action.setEnabled(false);
}

void markField(QWidget& field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(&field)) {
        // Read-only keeps the text selectable and read out; the window's
        // colour behind it shows that it cannot be typed in.
        edit->setReadOnly(true);
        QPalette look = edit->palette();
        look.setColor(QPalette::Base, look.color(QPalette::Window));
        edit->setPalette(look);
    } else {
        field.setEnabled(false);
    }
    field.setToolTip(setBy());
    field.setAccessibleDescription(setBy());
}

} // namespace pendra::administratorMark
