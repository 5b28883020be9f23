#pragma once

#include <array>
#include <optional>
#include <string>

namespace pendra {

// The readout texts one host message brings. A slot without a value keeps the
// text it shows; an empty text blanks it.
struct ReadoutTexts
{
    // X, Y, Z, A, B, W.
    std::array<std::optional<std::string>, 6> values;
    // EX, EY, EZ.
    std::array<std::optional<std::string>, 3> errors;
};

// What the message worker needs of the panel window, so that the worker runs
// and is tested without one.
class PanelView
{
public:
    virtual ~PanelView() = default;
    // Called on the worker's thread: the window takes the texts over to its own.
    virtual void showReadouts(ReadoutTexts texts) = 0;
};

} // namespace pendra
