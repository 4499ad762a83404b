#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The languages the games have texts for besides English, the texts' own.
QStringList translatedLanguages();

// Of the player's languages, most wanted first (QLocale's uiLanguages: "de-DE",
// "fr", "en-US"...), the first the games have texts for; empty when English
// comes first or none fits.
QString pickLanguage(const QStringList &uiLanguages);

// Picks the player's language and, unless it is English, installs the
// translations of the shared texts (":/i18n/common_<lang>.qm"), of the
// program's own (":/i18n/<program>_<lang>.qm") and Qt's own for its standard
// buttons. Called once, right after the QApplication is made. Returns the
// language chosen. A missing translation file leaves its texts in English.
QString setUpLanguage(const QString &program);
// The same for a given language ("" for English), replacing whatever was installed.
QString setUpLanguage(const QString &program, const QString &language);

// The language chosen at start ("de", "fr"...; empty for English).
QString language();

} // namespace platform
