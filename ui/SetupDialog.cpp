#include "ui/SetupDialog.h"

#include "panel/ConnectionSettings.h"
#include "ui/AdministratorMark.h"
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
    // Enter on a focused button clicks that button, whatever modifiers or
    // repeat flag the platform gives the press.
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
    // A press flagged as a repeat clicks too: Qt on Windows flags a press of
    // any key whose last release it never saw (under wine, a release that
    // reached no window of ours), and dropping it left Setup open with the
    // focus on Cancel. Either click closes Setup, so a held key clicks once.
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

void SetupDialog::enforce(const QStringList& keys)
{
    using Key = ConnectionSettings;
    const std::pair<const QString&, QWidget*> fields[] = {
        {Key::kLocalAddressKey, ui->localAddressEdit},
        {Key::kLocalPortKey, ui->localPortEdit},
        {Key::kRemoteAddressKey, ui->remoteAddressEdit},
        {Key::kRemotePortKey, ui->remotePortEdit},
        {Key::kDisplayErrorsKey, ui->displayErrorsCheck},
    };
    for (const auto& [key, field] : fields) {
        if (keys.contains(key))
            administratorMark::markField(*field);
    }
    ui->enforcedNote->setVisible(!keys.isEmpty());
}

SetupDialog::Values SetupDialog::values() const
{
    return {ui->localAddressEdit->text().toStdString(), ui->localPortEdit->text().toStdString(),
            ui->remoteAddressEdit->text().toStdString(), ui->remotePortEdit->text().toStdString(),
            ui->displayErrorsCheck->isChecked() ? 1 : 0};
}

} // namespace pendra
