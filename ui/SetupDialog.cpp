#include "ui/SetupDialog.h"

#include "ui/DialogTemplate.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace pendra {

namespace {

template <typename Control> Control* control(QWidget* form, const char* id)
{
    return form->findChild<Control*>(QLatin1String(id));
}

} // namespace

SetupDialog::SetupDialog(QWidget* parent) : QDialog(parent)
{
    QWidget* form = DialogTemplate::embed(*this, QStringLiteral(":/res/setupdialog.ui"));
    localAddressEdit = control<QLineEdit>(form, "1000");
    localPortEdit = control<QLineEdit>(form, "1001");
    remoteAddressEdit = control<QLineEdit>(form, "1002");
    remotePortEdit = control<QLineEdit>(form, "1003");
    displayErrorsBox = control<QCheckBox>(form, "1031");
    for (QLineEdit* edit : {localAddressEdit, localPortEdit, remoteAddressEdit, remotePortEdit})
        edit->setMaxLength(32767);
    connect(control<QPushButton>(form, "1"), &QPushButton::clicked, this, &QDialog::accept);
    connect(control<QPushButton>(form, "2"), &QPushButton::clicked, this, &QDialog::reject);
}

void SetupDialog::setValues(const Values& values)
{
    localAddressEdit->setText(QString::fromStdString(values.localAddress));
    localPortEdit->setText(QString::fromStdString(values.localPort));
    remoteAddressEdit->setText(QString::fromStdString(values.remoteAddress));
    remotePortEdit->setText(QString::fromStdString(values.remotePort));
    displayErrorsBox->setChecked(values.displayErrors != 0);
}

SetupDialog::Values SetupDialog::values() const
{
    return {localAddressEdit->text().toStdString(), localPortEdit->text().toStdString(),
            remoteAddressEdit->text().toStdString(), remotePortEdit->text().toStdString(),
            displayErrorsBox->isChecked() ? 1 : 0};
}

} // namespace pendra
