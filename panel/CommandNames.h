#pragma once

#include <QString>
#include <cstddef>
#include <string_view>

namespace pendra {

// The words on the five buttons and the names of the texts the panel sends,
// in the language installed. The English words are the buttons' own captions;
// the wire texts themselves are never translated.
class CommandNames
{
public:
    // "STOP EXECUTION" for index 3; empty past the fifth button.
    static QString buttonWords(std::size_t index);
    // The key and the words, "F4 STOP EXECUTION": how the operator knows the button.
    static QString buttonName(std::size_t index);
    // What a text sent to the host is: a button's name, "The greeting", "An
    // acknowledgement", or the text itself in quotes.
    static QString nameOfPanelText(std::string_view text);
};

} // namespace pendra
