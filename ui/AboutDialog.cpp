#include "ui/AboutDialog.h"

#include "ui/Pictures.h"
#include "ui_aboutdialog.h"

namespace pendra {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);
    const int side = std::min(ui->iconLabel->width(), ui->iconLabel->height());
    ui->iconLabel->setPixmap(
        pictures::applicationIcon().pixmap(QSize(side, side), devicePixelRatioF()));
    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutDialog::~AboutDialog() = default;

} // namespace pendra
