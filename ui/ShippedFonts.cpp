#include "ui/ShippedFonts.h"

#include <QFont>
#include <QFontDatabase>

namespace pendra {

void installShippedFonts()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (const QString& file : {QStringLiteral(":/fonts/LiberationSans-Regular.ttf"),
                                QStringLiteral(":/fonts/LiberationSans-Bold.ttf")}) {
        if (QFontDatabase::addApplicationFont(file) < 0)
            qWarning("Could not register the font %s", qUtf8Printable(file));
    }
    // Substitutes are tried only for a family the system does not have.
    QFont::insertSubstitution(QStringLiteral("Arial"), kShippedSansFamily);
}

} // namespace pendra
