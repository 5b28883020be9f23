#pragma once

#include <QAccessibleWidget>

namespace pendra {

class StatusLine;

// What assistive technology sees of the status line: a status bar whose name
// is the whole text, drawn elided or not, and whose description is the same.
// A name is what both bridges read best: Qt's AT-SPI bridge passes a change
// of name on as the accessible-name change that screen readers speak for a
// status bar, and UI Automation gives the name as the status bar's text
// (Qt 6.4 raises no UIA event for it, so Windows readers read it when asked).
// A fixed name with the text as value would be lost on AT-SPI, whose bridge
// drops a change of value for a control without a numeric one.
class StatusLineAccessible : public QAccessibleWidget
{
public:
    explicit StatusLineAccessible(StatusLine* line);

    QString text(QAccessible::Text kind) const override;
};

// Makes Qt ask StatusLineAccessible for every StatusLine; once is enough.
void installStatusLineAccessible();

} // namespace pendra
