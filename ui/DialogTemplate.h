#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace pendra {

// Builds a dialog's controls from its Qt Designer template. Each control's
// object name is its numeric id, so the templates are read at run time
// rather than compiled.
class DialogTemplate
{
public:
    // Loads the template at resourcePath into host, which takes its caption,
    // font and fixed size. Returns the widget holding the controls.
    static QWidget* embed(QDialog& host, const QString& resourcePath);
};

} // namespace pendra
