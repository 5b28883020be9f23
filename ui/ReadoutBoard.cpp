#include "ui/ReadoutBoard.h"

#include "ui/ReadoutLabel.h"
#include "ui_panelwindow.h"

#include <cmath>

namespace pendra {

ReadoutBoard::ReadoutBoard(const Ui::PanelWindow& ui)
    : axisLabels{ui.xName, ui.yName, ui.zName, ui.aName, ui.bName, ui.wName},
      valueLabels{ui.xValue, ui.yValue, ui.zValue, ui.aValue, ui.bValue, ui.wValue},
      errorValueLabels{ui.exValue, ui.eyValue, ui.ezValue}, errorNameLabels{ui.exName, ui.eyName,
                                                                            ui.ezName}
{
    // Assistive technology reads a name and its value as one readout, named
    // by the name's text (ReadoutAccessible): the name labels the value. The
    // value's own accessible name keeps QLabel from telling of each new value
    // as a new name; the value tells of itself (ReadoutLabel::showValue).
    auto pair = [](ReadoutLabel* name, ReadoutLabel* value) {
        name->setBuddy(value);
        value->setAccessibleName(name->text());
    };
    for (std::size_t i = 0; i < axisLabels.size(); ++i)
        pair(axisLabels[i], valueLabels[i]);
    for (std::size_t i = 0; i < errorNameLabels.size(); ++i)
        pair(errorNameLabels[i], errorValueLabels[i]);
}

template <typename Action> void ReadoutBoard::forEachLabel(Action action) const
{
    // Values, names, then each error name with its value.
    for (ReadoutLabel* label : valueLabels)
        action(label);
    for (ReadoutLabel* label : axisLabels)
        action(label);
    for (std::size_t j = 0; j < errorNameLabels.size(); ++j) {
        action(errorNameLabels[j]);
        action(errorValueLabels[j]);
    }
}

void ReadoutBoard::applyLook()
{
    forEachLabel([](ReadoutLabel* label) {
        label->setTextColor(kTextColor);
        label->setPointFont(kFontTenths, kFontFace);
    });
    for (ReadoutLabel* label : valueLabels)
        label->setShowsValues(true);
    for (ReadoutLabel* label : errorValueLabels)
        label->setShowsValues(true);
}

void ReadoutBoard::scale(double readouts)
{
    const int tenths = static_cast<int>(std::lround(kFontTenths * readouts));
    forEachLabel([tenths](ReadoutLabel* label) { label->setPointFont(tenths, kFontFace); });
}

void ReadoutBoard::clearValues()
{
    for (ReadoutLabel* label : valueLabels)
        label->clear();
    for (ReadoutLabel* label : errorValueLabels)
        label->clear();
}

void ReadoutBoard::showErrors(bool show)
{
    for (std::size_t j = 0; j < errorNameLabels.size(); ++j) {
        errorNameLabels[j]->setVisible(show);
        errorValueLabels[j]->setVisible(show);
    }
}

void ReadoutBoard::setLive(bool live)
{
    for (ReadoutLabel* label : valueLabels)
        label->setDimmed(!live);
    for (ReadoutLabel* label : errorValueLabels)
        label->setDimmed(!live);
}

void ReadoutBoard::apply(const ReadoutTexts& texts)
{
    auto show = [](ReadoutLabel* label, const std::optional<std::string>& text) {
        if (text)
            label->showValue(QString::fromStdString(*text));
    };
    for (std::size_t i = 0; i < valueLabels.size(); ++i)
        show(valueLabels[i], texts.values[i]);
    for (std::size_t i = 0; i < errorValueLabels.size(); ++i)
        show(errorValueLabels[i], texts.errors[i]);
}

} // namespace pendra
