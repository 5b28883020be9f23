#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

namespace pendra {

class LanguageChoice;

// Options, Language: "System" first, then each language in its own name, the
// one chosen checked. A choice takes effect at once.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    // Adds the menu to options, before the item `before`.
    LanguageMenu(QMenu* options, QAction* before, LanguageChoice& choice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();
    void markChosen();

    LanguageChoice& choice;
    QMenu* menu = nullptr;
    QAction* systemItem = nullptr;
    QActionGroup* items = nullptr;
};

} // namespace pendra
