#pragma once

#include <QString>
#include <array>
#include <cstddef>

class QPushButton;

namespace pendra {

class PressMark;

// The five function buttons F1 to F5: their pictures with the words in the
// language installed, their names for assistive technology ("F4 STOP
// EXECUTION"), their size, and the mark that shows a command went out.
class FunctionButtons
{
public:
    explicit FunctionButtons(const std::array<QPushButton*, 5>& buttons);

    // Pictures and names in the language installed; called again when it changes.
    void retranslate();
    // The pictures grown with the window: scale 1 is the template's.
    void scale(double factor);
    // Marks the button whose command just went out.
    void markPress(std::size_t index);

    const std::array<QPushButton*, 5>& buttons() const { return all; }

private:
    std::array<QPushButton*, 5> all;
    std::array<PressMark*, 5> pressMarks{};
    double shownScale = 1.0;
};

} // namespace pendra
