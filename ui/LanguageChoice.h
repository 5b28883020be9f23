#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <vector>

namespace pendra {

class ConnectionSettings;

// Which language the panel speaks, and the catalogues that make it so: the
// panel's own and Qt's, compiled in under :/i18n. By default the operator's
// system language (on Windows the display language; elsewhere LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG); the stored value "Language" ("de", "zh_CN")
// overrides it: enforced by IT, else from the user's store, else from the
// machine-wide defaults.
// English needs no catalogue: it is the program's own.
class LanguageChoice
{
public:
    struct Language
    {
        // As the catalogues are named: "de", "pt_BR".
        QString code;
        // The language in its own words: "Deutsch".
        QString ownName;
    };

    // The settings key; "" or no value means the system's language.
    static inline const QString kKey = QStringLiteral("Language");

    explicit LanguageChoice(ConnectionSettings& settings);
    ~LanguageChoice();
    LanguageChoice(const LanguageChoice&) = delete;
    LanguageChoice& operator=(const LanguageChoice&) = delete;

    // English first, then every language there is a catalogue for.
    static const std::vector<Language>& languages();

    // Installs the language the settings ask for, or the system's.
    void applyStored();
    // The operator's choice from the menu: installed at once, and kept in the
    // user's store ("" for the system's language, which removes the value).
    void choose(const QString& code);
    // Whether IT enforces the language, so that the operator cannot choose.
    bool isEnforced() const;
    // The stored choice as the menu shows it: a code, or "" for the system's.
    QString chosen() const { return choice; }
    // The language in use: "en" when no catalogue is installed.
    QString inUse() const { return current; }

private:
    // Installs the first of the given UI languages that the panel speaks.
    void install(const QStringList& uiLanguages);
    QString storedChoice() const;

    ConnectionSettings& settings;
    QTranslator panelCatalogue;
    QTranslator qtCatalogue;
    QString choice;
    QString current = QStringLiteral("en");
};

} // namespace pendra
