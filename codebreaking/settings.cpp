#include "codebreaking/settings.h"

#include <QCoreApplication>

#include "platform/settingsfile.h"

#include <algorithm>

namespace codebreaking {

namespace {

const QString Players = QStringLiteral("Players");
const QString Statistics = QStringLiteral("Statistics");
const QString Options = QStringLiteral("Options");

struct TotalKey {
    const char16_t *key;
    std::int16_t GameStats::*field;
};
constexpr TotalKey Totals[] = {{u"secMean", &GameStats::SecTotal},
                               {u"guessMean", &GameStats::GuessTotal},
                               {u"gameMean", &GameStats::GameCount},
                               {u"noendMean", &GameStats::NoEndCount}};

QString key(const char16_t *name, int place) { return QString::fromUtf16(name) + QString::number(place); }

} // namespace

std::optional<std::int16_t> parseTotal(const QString &text)
{
    if (!platform::best::isWholeNumber(text))
        return std::nullopt;
    long long v = 0;
    if (const auto n = platform::best::number(text)) // else more digits than 64 bits hold
        v = *n;
    else
        v = text.trimmed().startsWith(u'-') ? -32768 : 32767;
    return std::int16_t(std::clamp<long long>(v, -32768, GameStats::Limit));
}

PegoraSettings readSettings(platform::SettingsFile &file)
{
    PegoraSettings s;
    const platform::TIniFile &ini = file.ini();
    if (file.keepsFile()) {
        file.addProblem(QCoreApplication::translate("codebreaking::settings",
                                                    "Pegora starts with its standard settings and will leave the "
                                                    "file as it is when it closes."));
        return s;
    }
    const BestTable defaults = defaultBestTable();
    for (int place = 1; place <= BestPlaces; ++place) {
        BestEntry &row = s.best.table[place - 1];
        const BestEntry &def = defaults[place - 1];
        row.name = cutKeptText(ini.ReadString(Players, key(u"Player", place), def.name));
        row.guesses = cutKeptText(ini.ReadString(Players, key(u"Guess", place), def.guesses));
        row.seconds = cutKeptText(ini.ReadString(Players, key(u"Sec", place), def.seconds));
    }
    s.best.WordsOfWisdom = cutKeptText(ini.ReadString(Players, QStringLiteral("wow"), defaultWordsOfWisdom()));

    for (const TotalKey &t : Totals) {
        const QString name = QString::fromUtf16(t.key);
        const QString text = ini.ReadString(Statistics, name, QStringLiteral("0"));
        const auto v = parseTotal(text);
        s.stats.*t.field = v.value_or(0);
        if (!v)
            file.addProblem(platform::best::unreadableTotal(name, text, file.path()));
    }

    s.sound = ini.ReadBool(Options, QStringLiteral("Sound"), true);
    s.single = ini.ReadBool(Options, QStringLiteral("Single"), false);
    s.threeColors = ini.ReadBool(Options, QStringLiteral("3colors"), false);
    s.welcomeBox = ini.ReadBool(Options, QStringLiteral("WelcomeBox"), true);
    s.symbols = ini.ReadBool(Options, QStringLiteral("Symbols"), false);
    return s;
}

void writeKeys(platform::SettingsFile &file, const PegoraSettings &s)
{
    platform::TIniFile &ini = file.ini();
    for (int place = 1; place <= BestPlaces; ++place) {
        const BestEntry &row = s.best.table[place - 1];
        ini.WriteString(Players, key(u"Player", place), row.name);
        ini.WriteString(Players, key(u"Guess", place), row.guesses);
        ini.WriteString(Players, key(u"Sec", place), row.seconds);
    }
    ini.WriteString(Players, QStringLiteral("wow"), s.best.WordsOfWisdom);
    for (const TotalKey &t : Totals)
        ini.WriteInteger(Statistics, QString::fromUtf16(t.key), s.stats.*t.field);
    ini.WriteBool(Options, QStringLiteral("Sound"), s.sound);
    ini.WriteBool(Options, QStringLiteral("Single"), s.single);
    ini.WriteBool(Options, QStringLiteral("3colors"), s.threeColors);
    ini.WriteBool(Options, QStringLiteral("WelcomeBox"), s.welcomeBox);
    ini.WriteBool(Options, QStringLiteral("Symbols"), s.symbols);
}

bool writeSettings(platform::SettingsFile &file, const PegoraSettings &s, QString *error)
{
    writeKeys(file, s);
    return file.save(error);
}

} // namespace codebreaking
