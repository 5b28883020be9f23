#include "ui/SetupDialog.h"

#include "ui_setupdialog.h"

#include <QKeyEvent>

namespace pendra {

SetupDialog::SetupDialog(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::SetupDialog>())
{
    ui->setupUi(this);
    // OK is the default button, so Enter in a field or on the check box
    // confirms; a focused button is the default while it has the focus, so
    // Enter on Cancel cancels.
    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Enter on a focused button clicks that button, whatever modifiers the
    // platform adds to the key (under wine, after typing, Enter on Cancel
    // otherwise left the dialog open).
    for (QPushButton* button : {ui->okButton, ui->cancelButton})
        button->installEventFilter(this);
}

bool SetupDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (!key->isAutoRepeat())
        button->click();
    return true;
}

SetupDialog::~SetupDialog() = default;

void SetupDialog::setValues(const Values& values)
{
    ui->localAddressEdit->setText(QString::fromStdString(values.localAddress));
    ui->localPortEdit->setText(QString::fromStdString(values.localPort));
    ui->remoteAddressEdit->setText(QString::fromStdString(values.remoteAddress));
    ui->remotePortEdit->setText(QString::fromStdString(values.remotePort));
    ui->displayErrorsCheck->setChecked(values.displayErrors != 0);
}

SetupDialog::Values SetupDialog::values() const
{
    return {ui->localAddressEdit->text().toStdString(), ui->localPortEdit->text().toStdString(),
            ui->remoteAddressEdit->text().toStdString(), ui->remotePortEdit->text().toStdString(),
            ui->displayErrorsCheck->isChecked() ? 1 : 0};
}

} // namespace pendra
