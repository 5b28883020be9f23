#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

namespace pendra::test {

// Runs the handler on the next modal dialog of type Dialog, once it is up.
// Dialogs run their own event loop, so the test acts on them from a timer.
template <typename Dialog> void whenModalAppears(std::function<void(Dialog*)> handler)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handler] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        // A handler that fails to close the dialog must not hang the test.
        QTimer::singleShot(10000, dialog, &QDialog::reject);
        handler(dialog);
    });
    timer->start();
}

// What a message box showed before the test dismissed it with OK.
struct SeenMessageBox
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

inline std::shared_ptr<std::optional<SeenMessageBox>> dismissNextMessageBox()
{
    auto seen = std::make_shared<std::optional<SeenMessageBox>>();
    whenModalAppears<QMessageBox>(std::function<void(QMessageBox*)>([seen](QMessageBox* box) {
        *seen =
            SeenMessageBox{box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(QMessageBox::Ok)->click();
    }));
    return seen;
}

} // namespace pendra::test
