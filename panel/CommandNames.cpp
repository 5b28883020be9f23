#include "panel/CommandNames.h"

#include "panel/PanelProtocol.h"

#include <QCoreApplication>
#include <array>

namespace pendra {

namespace {

constexpr const char* kContext = "CommandNames";

// For the translation tools: the same words as kButtonCaptions, in order.
constexpr std::array<const char*, kButtonCount> kWords{
    QT_TRANSLATE_NOOP("CommandNames", "Done"), QT_TRANSLATE_NOOP("CommandNames", "Delete"),
    QT_TRANSLATE_NOOP("CommandNames", "Move Pt."),
    QT_TRANSLATE_NOOP("CommandNames", "STOP EXECUTION"),
    QT_TRANSLATE_NOOP("CommandNames", "CONTINUE EXECUTION")};

constexpr bool wordsMatchCaptions()
{
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        if (std::string_view(kWords[i]) != kButtonCaptions[i])
            return false;
    }
    return true;
}
static_assert(wordsMatchCaptions(), "the words to translate are the buttons' captions");

} // namespace

QString CommandNames::buttonWords(std::size_t index)
{
    return index < kWords.size() ? QCoreApplication::translate(kContext, kWords[index]) : QString();
}

QString CommandNames::buttonName(std::size_t index)
{
    if (index >= kWords.size())
        return {};
    //: A function button's name: its key, then its words ("F4 STOP EXECUTION").
    return QCoreApplication::translate("CommandNames", "F%1 %2")
        .arg(index + 1)
        .arg(buttonWords(index));
}

QString CommandNames::nameOfPanelText(std::string_view text)
{
    for (std::size_t i = 0; i < buttonCommands.size(); ++i) {
        if (text == buttonCommands[i].text)
            return buttonName(i);
    }
    if (text == buildGreeting())
        return QCoreApplication::translate("CommandNames", "The greeting");
    if (text == kAcknowledgement)
        return QCoreApplication::translate("CommandNames", "An acknowledgement");
    return QStringLiteral("\"%1\"").arg(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace pendra
