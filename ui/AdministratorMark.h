#pragma once

#include <QString>

class QAction;
class QWidget;

namespace pendra {

// How a choice that IT enforces shows where the operator would make it: with
// its value, unchangeable, saying who set it.
namespace administratorMark {

// "Full screen (set by your administrator)".
QString marked(const QString& text);
// What a marked field says when asked (tooltip, assistive technology).
QString setBy();
// The item stays checked as it is, cannot be triggered and says why; call
// again whenever its text is set anew.
void markAction(QAction& action);
// A text field becomes read-only, anything else disabled; both say why.
void markField(QWidget& field);

} // namespace administratorMark

} // namespace pendra
