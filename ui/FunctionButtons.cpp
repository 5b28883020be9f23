#include "ui/FunctionButtons.h"

#include "panel/CommandNames.h"
#include "panel/PanelProtocol.h"
#include "ui/Pictures.h"
#include "ui/PressMark.h"

#include <QPushButton>

namespace pendra {

FunctionButtons::FunctionButtons(const std::array<QPushButton*, 5>& buttons) : all(buttons)
{
    for (std::size_t i = 0; i < all.size(); ++i)
        pressMarks[i] = new PressMark(all[i]);
}

void FunctionButtons::retranslate()
{
    for (std::size_t i = 0; i < all.size(); ++i) {
        QPushButton* button = all[i];
        button->setAccessibleName(CommandNames::buttonName(i));
        const QIcon picture =
            pictures::buttonPicture(buttonCommands[i].bitmapId, CommandNames::buttonWords(i));
        // Without its picture a button keeps its key name, and still sends.
        if (picture.isNull()) {
            button->setText(QStringLiteral("F%1").arg(i + 1));
            continue;
        }
        button->setText(QString());
        button->setIcon(picture);
    }
    scale(shownScale);
}

void FunctionButtons::scale(double factor)
{
    shownScale = factor;
    for (QPushButton* button : all) {
        if (!button->icon().isNull())
            button->setIconSize(pictures::kButtonPictureSize * factor);
    }
}

void FunctionButtons::markPress(std::size_t index)
{
    if (index < pressMarks.size())
        pressMarks[index]->flash();
}

} // namespace pendra
