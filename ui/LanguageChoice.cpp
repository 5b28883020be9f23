#include "ui/LanguageChoice.h"

#include "panel/ConnectionSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QSettings>

namespace pendra {

namespace {

const QString kCatalogues = QStringLiteral(":/i18n");

// "de-DE", "de_DE" and "de" all ask for German; "zh-Hant-TW" for zh_TW.
QString catalogueFor(const QString& uiLanguage)
{
    const QLocale locale(uiLanguage);
    if (locale.language() == QLocale::C)
        return {};
    if (locale.language() == QLocale::English)
        return QStringLiteral("en");
    const QString name = locale.name(); // "pt_BR", "zh_TW", "de_DE"
    for (const LanguageChoice::Language& language : LanguageChoice::languages()) {
        if (language.code == name)
            return language.code;
    }
    // Brazil's Portuguese serves every Portuguese; Chinese goes by its script.
    if (locale.language() == QLocale::Chinese)
        return locale.script() == QLocale::TraditionalChineseScript ? QStringLiteral("zh_TW")
                                                                    : QStringLiteral("zh_CN");
    const QString base = name.section(QLatin1Char('_'), 0, 0);
    for (const LanguageChoice::Language& language : LanguageChoice::languages()) {
        if (language.code.section(QLatin1Char('_'), 0, 0) == base)
            return language.code;
    }
    return {};
}

} // namespace

LanguageChoice::LanguageChoice(ConnectionSettings& connectionSettings)
    : settings(connectionSettings)
{
}

LanguageChoice::~LanguageChoice()
{
    QCoreApplication::removeTranslator(&panelCatalogue);
    QCoreApplication::removeTranslator(&qtCatalogue);
}

const std::vector<LanguageChoice::Language>& LanguageChoice::languages()
{
    static const std::vector<Language> all{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("cs"), QStringLiteral("Čeština")},
        {QStringLiteral("tr"), QStringLiteral("Türkçe")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("zh_TW"), QStringLiteral("繁體中文")},
    };
    return all;
}

void LanguageChoice::applyStored()
{
    choice = storedChoice();
    // A value the panel has no catalogue for gives the system's language.
    install(QStringList{choice} + QLocale::system().uiLanguages());
}

void LanguageChoice::choose(const QString& code)
{
    // The operator's own choice waits, unchanged, for IT to lift its rule.
    if (isEnforced())
        return;
    choice = code;
    if (const auto store = settings.openStore()) {
        if (code.isEmpty())
            store->remove(kKey);
        else
            store->setValue(kKey, code);
    }
    applyStored();
}

bool LanguageChoice::isEnforced() const
{
    return settings.isEnforced(kKey);
}

QString LanguageChoice::storedChoice() const
{
    return settings.storedText(kKey).trimmed();
}

void LanguageChoice::install(const QStringList& uiLanguages)
{
    QString code;
    for (const QString& uiLanguage : uiLanguages) {
        code = catalogueFor(uiLanguage);
        if (!code.isEmpty())
            break;
    }
    if (code.isEmpty())
        code = QStringLiteral("en");
    if (code == current)
        return;
    QCoreApplication::removeTranslator(&panelCatalogue);
    QCoreApplication::removeTranslator(&qtCatalogue);
    current = QStringLiteral("en");
    if (code != QLatin1String("en") &&
        panelCatalogue.load(QStringLiteral("pendra_") + code, kCatalogues)) {
        // Qt's own: the system's Qt carries them on Linux, the program on Windows.
        const QString qtName = QStringLiteral("qtbase_") + code;
        if (qtCatalogue.load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
            qtCatalogue.load(qtName, kCatalogues))
            QCoreApplication::installTranslator(&qtCatalogue);
        QCoreApplication::installTranslator(&panelCatalogue);
        current = code;
    }
    // Qt tells every widget only when a catalogue comes or goes; going back
    // to English after another language is told by the removal above.
}

} // namespace pendra
