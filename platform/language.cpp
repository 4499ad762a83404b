#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace platform {

namespace {

QString &chosen()
{
    static QString language;
    return language;
}

// The translators installed, kept for the run.
std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void install(const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
        return;
    installed().push_back(std::move(translator));
}

} // namespace

// The build's list, the one it compiles translations for.
QStringList translatedLanguages() { return QStringLiteral(GAMES_LANGUAGES).split(QLatin1Char(' ')); }

QString pickLanguage(const QStringList &uiLanguages)
{
    const QStringList known = translatedLanguages();
    for (const QString &ui : uiLanguages) {
        // "de-DE", "de_AT" and "de" are all German; "pt-PT" reads Brazilian
        // Portuguese sooner than English. Chinese in its traditional script
        // does not take the simplified texts.
        const QStringList parts = QString(ui).replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'));
        const QString lang = parts.first().toLower();
        if (lang == QLatin1String("en"))
            return {};
        if (known.contains(lang))
            return lang;
        const bool traditional = lang == QLatin1String("zh") && !parts.contains(QLatin1String("Hans")) &&
                                 (parts.contains(QLatin1String("Hant")) || parts.contains(QLatin1String("TW")) ||
                                  parts.contains(QLatin1String("HK")) || parts.contains(QLatin1String("MO")));
        if (traditional)
            continue;
        for (const QString &k : known)
            if (k.section(QLatin1Char('_'), 0, 0) == lang)
                return k;
    }
    return {};
}

QString setUpLanguage(const QString &program)
{
    return setUpLanguage(program, pickLanguage(QLocale().uiLanguages()));
}

QString setUpLanguage(const QString &program, const QString &language)
{
    for (const auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    chosen() = language;
    const QString own = QStringLiteral(":/i18n");
    // English's own plural forms ("1 move"), under every language: a text a
    // translation lacks still reads right. Installed first, asked last.
    install(QStringLiteral("common_en"), own);
    install(program.toLower() + QStringLiteral("_en"), own);
    if (language.isEmpty())
        return language;
    install(QStringLiteral("common_") + language, own);
    install(program.toLower() + QLatin1Char('_') + language, own);
    install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

QString language() { return chosen(); }

} // namespace platform
