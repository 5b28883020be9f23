#pragma once

#include "ui/ReadoutLabel.h"
#include "ui/StatusLine.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
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

// The captions of a dialog that do not fit the room their control gives
// them, each with the size it needs and the room it has.
inline QStringList cutCaptions(const QWidget& dialog)
{
    QStringList cut;
    for (const QWidget* control : dialog.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&dialog))
            continue;
        QString text;
        QRect room;
        QFontMetrics metrics = control->fontMetrics();
        if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            text = button->text();
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
            QStyleOptionButton option;
            option.initFrom(box);
            text = box->text();
            room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        } else if (const auto* readout = qobject_cast<const ReadoutLabel*>(control)) {
            text = readout->text();
            room = readout->contentsRect();
            metrics = QFontMetrics(readout->fittedFont());
        } else if (const auto* status = qobject_cast<const StatusLine*>(control)) {
            // A text longer than the line is drawn elided: what is drawn must fit.
            text = status->shownText();
            room = status->contentsRect();
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            text = label->text();
            room = label->contentsRect();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
            text = group->title();
            room = group->rect();
        }
        if (text.isEmpty())
            continue;
        const QSize needed = metrics.size(Qt::TextShowMnemonic, text);
        if (needed.width() > room.width() || needed.height() > room.height())
            cut << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                       .arg(control->objectName(), text)
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height());
    }
    return cut;
}

} // namespace pendra::test
