#include "ui/DialogFont.h"

#include <QFont>
#include <QStringList>

namespace pendra {

void installDialogFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

} // namespace pendra
