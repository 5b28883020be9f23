#pragma once

#include <QDialog>

namespace pendra {

// The About box: the program's icon, name and version, and OK.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace pendra
