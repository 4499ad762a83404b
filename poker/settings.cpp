#include "poker/settings.h"

#include <QCoreApplication>

#include "platform/settingsfile.h"

namespace poker {

namespace {

const QString Options = QStringLiteral("Options");
const QString SoundKey = QStringLiteral("Sound");
const QString DeckKey = QStringLiteral("Deck");
const QString BackgroundKey = QStringLiteral("Background");

DeckChoice deckFromText(const QString &text)
{
    if (text == QLatin1String("Std1"))
        return DeckChoice::Std1;
    if (text == QLatin1String("Std2"))
        return DeckChoice::Std2;
    if (text == QLatin1String("Fishes"))
        return DeckChoice::Fishes;
    return DeckChoice::Beach;
}

QString deckText(DeckChoice deck)
{
    switch (deck) {
    case DeckChoice::Std1: return QStringLiteral("Std1");
    case DeckChoice::Std2: return QStringLiteral("Std2");
    case DeckChoice::Fishes: return QStringLiteral("Fishes");
    case DeckChoice::Beach: break;
    }
    return QStringLiteral("Beach");
}

TableChoice tableFromText(const QString &text)
{
    if (text == QLatin1String("Green"))
        return TableChoice::Green;
    if (text == QLatin1String("Blue"))
        return TableChoice::Blue;
    if (text == QLatin1String("Red"))
        return TableChoice::Red;
    return TableChoice::Gray;
}

QString tableText(TableChoice table)
{
    switch (table) {
    case TableChoice::Green: return QStringLiteral("Green");
    case TableChoice::Blue: return QStringLiteral("Blue");
    case TableChoice::Red: return QStringLiteral("Red");
    case TableChoice::Gray: break;
    }
    return QStringLiteral("Gray");
}

} // namespace

QColor tableColor(TableChoice table)
{
    switch (table) {
    case TableChoice::Green: return QColor(0, 128, 0);
    case TableChoice::Blue: return QColor(0, 0, 128);
    case TableChoice::Red: return QColor(128, 0, 0);
    case TableChoice::Gray: break;
    }
    return QColor(128, 128, 128);
}

CartovaOptions readSettings(platform::SettingsFile &file)
{
    CartovaOptions options;
    if (!file.problems().isEmpty())
        file.addProblem(file.keepsFile()
                            ? QCoreApplication::translate("poker::settings",
                                                          "The game starts with its usual options and leaves that "
                                                          "file as it is.")
                            : QCoreApplication::translate("poker::settings", "The game starts with its usual options."));
    const platform::TIniFile &ini = file.ini();
    options.sound = ini.ReadBool(Options, SoundKey, true);
    options.deck = deckFromText(ini.ReadString(Options, DeckKey, QStringLiteral("Beach")));
    options.table = tableFromText(ini.ReadString(Options, BackgroundKey, QStringLiteral("Green")));
    return options;
}

void writeKeys(platform::SettingsFile &file, const CartovaOptions &options)
{
    platform::TIniFile &ini = file.ini();
    ini.WriteBool(Options, SoundKey, options.sound);
    if (options.deck)
        ini.WriteString(Options, DeckKey, deckText(*options.deck));
    ini.WriteString(Options, BackgroundKey, tableText(options.table));
}

bool writeSettings(platform::SettingsFile &file, const CartovaOptions &options, QString *error)
{
    writeKeys(file, options);
    return file.save(error);
}

} // namespace poker
