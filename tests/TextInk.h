#pragma once

#include <QStringList>

class QWidget;

namespace pendra::test {

// The texts a window draws that are not drawn whole, each as
// "control \"text\": what is missing". Judged by what is drawn: the window
// is drawn twice, its texts in two colours, and the ink that changes is the
// texts' own; each control's share of it is compared with its text drawn
// alone in the control's font, unclipped. A text whose ink is narrower,
// lower or scarcer than that, or that is narrower and touches the edge its
// control clips it at, is cut. Labels, buttons, check boxes, group-box
// titles, the menu bar's titles and, for a menu, its items are looked at;
// the status line may end in "…" when its tool tip holds the whole text.
// The readouts draw in colours of their own and are left to their own test.
QStringList textsNotDrawnWhole(QWidget& window);

} // namespace pendra::test
