#include "ui/PanelMessageBox.h"

#include "panel/ConnectionSettings.h"

#include <QMessageBox>

namespace pendra {

void showPanelMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, executableBaseName(), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace pendra
