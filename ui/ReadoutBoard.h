#pragma once

#include "panel/PanelView.h"

#include <QString>
#include <array>
#include <cstdint>

namespace Ui {
class PanelWindow;
}

namespace pendra {

class ReadoutLabel;

// The panel's eighteen readout labels: the names X to W and EX to EZ and their
// values, green on black in one large face, the error readouts shown or
// hidden together, and the values dimmed while they are not live.
class ReadoutBoard
{
public:
    static constexpr std::uint32_t kTextColor = 0x00FF00;
    static constexpr int kFontTenths = 220;
    static inline const QString kFontFace = QStringLiteral("Arial Bold");

    explicit ReadoutBoard(const Ui::PanelWindow& ui);

    // Colour and font for all, in the template's order.
    void applyLook();
    // The font grown with the rows: scale 1 is the template's.
    void scale(double readouts);
    void clearValues();
    void showErrors(bool show);
    void setLive(bool live);
    void apply(const ReadoutTexts& texts);

    std::array<ReadoutLabel*, 6> axisLabels{};
    std::array<ReadoutLabel*, 6> valueLabels{};
    std::array<ReadoutLabel*, 3> errorValueLabels{};
    std::array<ReadoutLabel*, 3> errorNameLabels{};

private:
    template <typename Action> void forEachLabel(Action action) const;
};

} // namespace pendra
