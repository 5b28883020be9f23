#include "ui/AboutDialog.h"

#include "ui/Pictures.h"
#include "ui_aboutdialog.h"

#include <algorithm>

namespace pendra {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);
    const int side = std::min(ui->iconLabel->width(), ui->iconLabel->height());
    ui->iconLabel->setPixmap(
        pictures::applicationIcon().pixmap(QSize(side, side), devicePixelRatioF()));
    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    fitTexts();
}

void AboutDialog::fitTexts()
{
    // The form places the lines for the English words. Longer words, or a
    // face that draws them larger, widen the lines and the box and move OK
    // along with them; a taller face makes the lines taller. English keeps
    // the form's look.
    const int okGap = ui->okButton->x() - ui->taglineLabel->geometry().right();
    const int rightMargin = width() - ui->okButton->x();
    const int bottomMargin = height() - ui->taglineLabel->geometry().bottom();
    int right = 0;
    for (QLabel* line : {ui->versionLabel, ui->taglineLabel}) {
        line->resize(line->size().expandedTo(line->sizeHint()));
        right = std::max(right, line->geometry().right());
    }
    ui->okButton->move(right + okGap, ui->okButton->y());
    setFixedSize(ui->okButton->x() + rightMargin,
                 std::max(height(), ui->taglineLabel->geometry().bottom() + bottomMargin));
}

AboutDialog::~AboutDialog() = default;

} // namespace pendra
