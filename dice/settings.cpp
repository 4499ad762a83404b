#include "dice/settings.h"

#include <QCoreApplication>

#include "platform/settingsfile.h"

namespace kubolo {

namespace {

const QString Players = QStringLiteral("Players");
const QString Statistics = QStringLiteral("Statistics");
const QString Options = QStringLiteral("Options");

QString playerKey(int row) { return QStringLiteral("Player%1").arg(row + 1); }
QString scoreKey(int row) { return QStringLiteral("Score%1").arg(row + 1); }

} // namespace

KuboloSettings readSettings(platform::SettingsFile &file)
{
    KuboloSettings s;
    if (file.keepsFile())
        file.addProblem(QCoreApplication::translate("kubolo::settings",
                                                    "Kubolo starts with the default best players, statistics and "
                                                    "options, and will not write over that file."));
    else if (!file.problems().isEmpty())
        file.addProblem(QCoreApplication::translate(
            "kubolo::settings", "The best players, statistics and options of this run may not be saved."));
    const platform::TIniFile &ini = file.ini();
    const BestPlayerTable defaults = defaultBestPlayers();
    for (int row = 0; row < BestPlayerRows; ++row) {
        s.table[row].name = cutKeptText(ini.ReadString(Players, playerKey(row), defaults[row].name));
        s.table[row].score = cutKeptText(ini.ReadString(Players, scoreKey(row), defaults[row].score));
    }
    s.wordsOfWisdom = cutKeptText(ini.ReadString(Players, QStringLiteral("Wow"), defaultWordsOfWisdom()));
    // A total that is not a number is told about, as the best players' are,
    // and counts from 0.
    const auto total = [&](const QString &key) {
        const QString text = ini.ReadString(Statistics, key, QStringLiteral("0"));
        if (!platform::best::isWholeNumber(text))
            file.addProblem(platform::best::unreadableTotal(key, text, file.path()));
        return DiceStats::parseTotal(text);
    };
    s.stats.totalGames = total(QStringLiteral("totalGames"));
    s.stats.totalPoints = total(QStringLiteral("totalPoints"));
    s.stats.totalKubolo = total(QStringLiteral("totalKubolo"));
    s.sound = ini.ReadBool(Options, QStringLiteral("Sound"), true);
    s.roll = ini.ReadBool(Options, QStringLiteral("Roll"), true);
    return s;
}

void writeKeys(platform::SettingsFile &file, const KuboloSettings &s)
{
    platform::TIniFile &ini = file.ini();
    for (int row = 0; row < BestPlayerRows; ++row) {
        ini.WriteString(Players, playerKey(row), cutKeptText(s.table[row].name));
        ini.WriteString(Players, scoreKey(row), cutKeptText(s.table[row].score));
    }
    ini.WriteString(Players, QStringLiteral("Wow"), cutKeptText(s.wordsOfWisdom));
    ini.WriteInteger(Statistics, QStringLiteral("totalGames"), s.stats.totalGames);
    ini.WriteInteger(Statistics, QStringLiteral("totalPoints"), s.stats.totalPoints);
    ini.WriteInteger(Statistics, QStringLiteral("totalKubolo"), s.stats.totalKubolo);
    ini.WriteBool(Options, QStringLiteral("Sound"), s.sound);
    ini.WriteBool(Options, QStringLiteral("Roll"), s.roll);
}

bool writeSettings(platform::SettingsFile &file, const KuboloSettings &s, QString *error)
{
    writeKeys(file, s);
    return file.save(error);
}

} // namespace kubolo
