#include "ui/LanguageMenu.h"

#include "ui/AdministratorMark.h"
#include "ui/LanguageChoice.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>

namespace pendra {

LanguageMenu::LanguageMenu(QMenu* options, QAction* before, LanguageChoice& languageChoice)
    : QObject(options), choice(languageChoice), menu(new QMenu(options)),
      items(new QActionGroup(this))
{
    menu->setObjectName(QStringLiteral("languageMenu"));
    options->insertMenu(before, menu);
    systemItem = menu->addAction(QString());
    systemItem->setData(QString());
    menu->addSeparator();
    items->addAction(systemItem);
    for (const LanguageChoice::Language& language : LanguageChoice::languages()) {
        // Each in its own words, so that an operator finds theirs whatever
        // language the panel speaks now.
        QAction* item = menu->addAction(language.ownName);
        item->setData(language.code);
        items->addAction(item);
    }
    for (QAction* item : items->actions())
        item->setCheckable(true);
    connect(items, &QActionGroup::triggered, this,
            [this](QAction* item) { choice.choose(item->data().toString()); });
    menu->installEventFilter(this);
    retranslate();
    markChosen();
}

bool LanguageMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == menu && event->type() == QEvent::LanguageChange) {
        retranslate();
        markChosen();
    }
    return QObject::eventFilter(watched, event);
}

void LanguageMenu::retranslate()
{
    menu->setTitle(tr("La&nguage"));
    //: The system's language, whichever it is.
    systemItem->setText(tr("System"));
    if (choice.isEnforced()) {
        menu->setTitle(administratorMark::marked(menu->title()));
        for (QAction* item : items->actions()) {
            item->setEnabled(false);
            item->setToolTip(administratorMark::setBy());
        }
    }
}

void LanguageMenu::markChosen()
{
    for (QAction* item : items->actions())
        item->setChecked(item->data().toString() == choice.chosen());
}

} // namespace pendra
