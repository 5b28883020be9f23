#include "ui/AboutDialog.h"

#include "ui/DialogTemplate.h"
#include "ui/Pictures.h"

#include <QLabel>
#include <QPushButton>

namespace pendra {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    QWidget* form = DialogTemplate::embed(*this, QStringLiteral(":/res/aboutdialog.ui"));
    if (auto* icon = form->findChild<QLabel*>(QStringLiteral("iconLabel"))) {
        const int side = std::min(icon->width(), icon->height());
        icon->setPixmap(pictures::render(QStringLiteral(":/res/pendra.svg"), QSize(side, side)));
    }
    connect(form->findChild<QPushButton*>(QStringLiteral("1")), &QPushButton::clicked, this,
            &QDialog::accept);
}

} // namespace pendra
