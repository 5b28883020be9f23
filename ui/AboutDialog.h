#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class AboutDialog;
}

namespace pendra {

// The About box: the program's icon, name and version, and OK.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

private:
    void fitTexts();

    std::unique_ptr<Ui::AboutDialog> ui;
};

} // namespace pendra
