#include "ui/SystemMenuAbout.h"

#include <QCoreApplication>

namespace pendra {

QString SystemMenuAbout::itemText()
{
    return QCoreApplication::translate("SystemMenuAbout", "&About Pendra...");
}

} // namespace pendra
