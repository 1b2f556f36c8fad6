#include "app/language.h"

#include "core/playersettings.h"
#include "core/textrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace zt {

namespace {

struct Translations {
    Language language = Language::Italian;
    std::unique_ptr<QTranslator> own; // none for Italian, the source language
    std::unique_ptr<QTranslator> qt;  // Qt's own texts; none where Qt has none
};

Translations& translations()
{
    static Translations t;
    return t;
}

std::unique_ptr<QTranslator> loaded(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return nullptr;
    return translator;
}

} // namespace

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("it");
}

std::optional<Language> languageNamed(const QString& code)
{
    if (code == u"it")
        return Language::Italian;
    if (code == u"en")
        return Language::English;
    return std::nullopt;
}

Language systemLanguage()
{
    const QStringList languages = QLocale::system().uiLanguages();
    if (languages.isEmpty())
        return Language::Italian;
    // The plain C or POSIX locale names no language: the program's own.
    const QString first = languages.first();
    if (first == u"C" || first == u"POSIX" || first.startsWith(u"C.") || first.startsWith(u"C-"))
        return Language::Italian;
    // A player whose desktop speaks neither language reads English sooner.
    return QLocale(first).language() == QLocale::Italian ? Language::Italian : Language::English;
}

Language chosenLanguage(std::optional<Language> option)
{
    if (option)
        return *option;
    const QString saved =
        readLanguagePreference(QDir::current().absoluteFilePath(QLatin1String(settingsFileName)));
    if (const auto language = languageNamed(saved))
        return *language;
    return systemLanguage();
}

void useLanguage(Language language)
{
    Translations& t = translations();
    // A translator replaced leaves the application as it is deleted.
    t.language = language;
    const QString code = languageCode(language);
    // The program's own texts are written in Italian: only English has a
    // translation, compiled into the program.
    t.own = language == Language::Italian
                ? nullptr
                : loaded(QStringLiteral("zentrima13_") + code, QStringLiteral(":/i18n"));
    t.qt = loaded(QStringLiteral("qtbase_") + code,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    setShownLocale(language == Language::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                                 : QLocale(QLocale::Italian, QLocale::Italy));
    installLanguage();
}

void installLanguage()
{
    if (!QCoreApplication::instance())
        return;
    Translations& t = translations();
    for (QTranslator* translator : {t.qt.get(), t.own.get()}) {
        if (translator) {
            QCoreApplication::removeTranslator(translator); // installed once
            QCoreApplication::installTranslator(translator);
        }
    }
}

Language currentLanguage()
{
    return translations().language;
}

QString earlyText(const char* context, const char* text)
{
    const Translations& t = translations();
    if (t.own) {
        const QString translated = t.own->translate(context, text);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(text);
}

} // namespace zt
