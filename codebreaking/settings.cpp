#include "codebreaking/settings.h"

#include "platform/inifile.h"

#include <QRegularExpression>

#include <algorithm>

namespace codebreaking {

namespace {

const QString Players = QStringLiteral("Players");
const QString Statistics = QStringLiteral("Statistics");
const QString Options = QStringLiteral("Options");

struct TotalKey {
    const char *key;
    std::int16_t GameStats::*field;
};
constexpr TotalKey Totals[] = {{"secMean", &GameStats::SecTotal},
                               {"guessMean", &GameStats::GuessTotal},
                               {"gameMean", &GameStats::GameCount},
                               {"noendMean", &GameStats::NoEndCount}};

QString key(const char *name, int place) { return QLatin1String(name) + QString::number(place); }

} // namespace

std::optional<std::int16_t> ParseTotal(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("^\\s*([+-]?)\\d+\\s*$"));
    const auto match = whole.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    long long v = 0;
    if (!platform::parseInteger(text, &v)) // more digits than 64 bits hold
        v = match.captured(1) == QLatin1String("-") ? -32768 : 32767;
    return std::int16_t(std::clamp<long long>(v, -32768, GameStats::Limit));
}

SettingsLoad LoadSettings()
{
    QString error;
    const QString path = platform::openSettingsFile(QString::fromLatin1(SettingsFileName), &error);
    SettingsLoad load = LoadSettings(path);
    if (!error.isEmpty())
        load.problems.prepend(error);
    return load;
}

SettingsLoad LoadSettings(const QString &path)
{
    SettingsLoad load;
    load.path = path;
    PegoraSettings &s = load.values;
    const platform::TIniFile ini(path);
    if (!ini.errorString().isEmpty()) {
        load.keepFile = true;
        load.problems << ini.errorString() + QLatin1Char('\n') +
                             QStringLiteral("Pegora starts with its standard settings and will leave the "
                                            "file as it is when it closes.");
        return load;
    }

    const BestTable defaults = DefaultBestTable();
    for (int place = 1; place <= BestPlaces; ++place) {
        BestEntry &row = s.Best.Table[place - 1];
        const BestEntry &def = defaults[place - 1];
        row.Name = CutKeptText(ini.ReadString(Players, key("Player", place), def.Name));
        row.Guesses = CutKeptText(ini.ReadString(Players, key("Guess", place), def.Guesses));
        row.Seconds = CutKeptText(ini.ReadString(Players, key("Sec", place), def.Seconds));
    }
    s.Best.WordsOfWisdom = CutKeptText(ini.ReadString(Players, QStringLiteral("wow"), DefaultWordsOfWisdom()));

    for (const TotalKey &t : Totals) {
        const QString text = ini.ReadString(Statistics, QLatin1String(t.key), QStringLiteral("0"));
        if (const auto v = ParseTotal(text)) {
            s.Stats.*t.field = *v;
        } else {
            s.Stats.*t.field = 0;
            load.problems << ConversionError(text) + QLatin1Char('\n') +
                                 QStringLiteral("The statistics total %1 in \"%2\" counts from 0.")
                                     .arg(QLatin1String(t.key), path);
        }
    }

    s.Sound = ini.ReadBool(Options, QStringLiteral("Sound"), true);
    s.Single = ini.ReadBool(Options, QStringLiteral("Single"), false);
    s.ThreeColors = ini.ReadBool(Options, QStringLiteral("3colors"), false);
    s.WelcomeBox = ini.ReadBool(Options, QStringLiteral("WelcomeBox"), true);
    return load;
}

bool SaveSettings(const QString &path, const PegoraSettings &s, QString *error)
{
    // Read again, so that whatever else the file holds is written back.
    platform::TIniFile ini(path);
    if (!ini.errorString().isEmpty()) {
        if (error)
            *error = ini.errorString();
        return false;
    }
    for (int place = 1; place <= BestPlaces; ++place) {
        const BestEntry &row = s.Best.Table[place - 1];
        ini.WriteString(Players, key("Player", place), row.Name);
        ini.WriteString(Players, key("Guess", place), row.Guesses);
        ini.WriteString(Players, key("Sec", place), row.Seconds);
    }
    ini.WriteString(Players, QStringLiteral("wow"), s.Best.WordsOfWisdom);
    for (const TotalKey &t : Totals)
        ini.WriteInteger(Statistics, QLatin1String(t.key), s.Stats.*t.field);
    ini.WriteBool(Options, QStringLiteral("Sound"), s.Sound);
    ini.WriteBool(Options, QStringLiteral("Single"), s.Single);
    ini.WriteBool(Options, QStringLiteral("3colors"), s.ThreeColors);
    ini.WriteBool(Options, QStringLiteral("WelcomeBox"), s.WelcomeBox);
    if (ini.UpdateFile())
        return true;
    if (error)
        *error = ini.errorString();
    return false;
}

} // namespace codebreaking
