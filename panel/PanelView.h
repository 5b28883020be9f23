#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace pendra {

// The readout texts one host message brings. A slot without a value keeps the
// text it shows; an empty text blanks it.
struct ReadoutTexts
{
    // The link whose host sent them (HostConnection::linkInUse).
    std::uint64_t link = 0;
    // X, Y, Z, A, B, W.
    std::array<std::optional<std::string>, 6> values;
    // EX, EY, EZ.
    std::array<std::optional<std::string>, 3> errors;

    // Lays the texts of a later message over these.
    void overlay(const ReadoutTexts& later)
    {
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (later.values[i])
                values[i] = later.values[i];
        }
        for (std::size_t i = 0; i < errors.size(); ++i) {
            if (later.errors[i])
                errors[i] = later.errors[i];
        }
    }
};

// What the message worker needs of the panel window, so that the worker runs
// and is tested without one.
class PanelView
{
public:
    virtual ~PanelView() = default;
    // Called on the link's thread, which works off host messages: the
    // window takes the texts over to its own.
    virtual void showReadouts(ReadoutTexts texts) = 0;
    // The worker shows readouts at most this often: a screen shows no more
    // frames than its refresh rate allows. Read on the link's thread too.
    virtual std::chrono::nanoseconds readoutInterval() const
    {
        return std::chrono::nanoseconds(1'000'000'000 / 60);
    }
};

} // namespace pendra
