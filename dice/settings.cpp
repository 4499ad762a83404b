#include "dice/settings.h"

#include "platform/inifile.h"

namespace kubolo {

namespace {

const QString Players = QStringLiteral("Players");
const QString Statistics = QStringLiteral("Statistics");
const QString Options = QStringLiteral("Options");

QString playerKey(int row) { return QStringLiteral("Player%1").arg(row + 1); }
QString scoreKey(int row) { return QStringLiteral("Score%1").arg(row + 1); }

} // namespace

KuboloSettings readSettings(const platform::TIniFile &ini)
{
    KuboloSettings s;
    const BestPlayerTable defaults = defaultBestPlayers();
    for (int row = 0; row < BestPlayerRows; ++row) {
        s.table[row].name = cutRecordText(ini.ReadString(Players, playerKey(row), defaults[row].name));
        s.table[row].score = cutRecordText(ini.ReadString(Players, scoreKey(row), defaults[row].score));
    }
    s.wordsOfWisdom = cutRecordText(ini.ReadString(Players, QStringLiteral("Wow"), defaultWordsOfWisdom()));
    s.stats.totalGames = DiceStats::parseTotal(ini.ReadString(Statistics, QStringLiteral("totalGames"), {}));
    s.stats.totalPoints = DiceStats::parseTotal(ini.ReadString(Statistics, QStringLiteral("totalPoints"), {}));
    s.stats.totalKubolo = DiceStats::parseTotal(ini.ReadString(Statistics, QStringLiteral("totalKubolo"), {}));
    s.sound = ini.ReadBool(Options, QStringLiteral("Sound"), true);
    s.roll = ini.ReadBool(Options, QStringLiteral("Roll"), true);
    return s;
}

void writeSettings(platform::TIniFile &ini, const KuboloSettings &s)
{
    for (int row = 0; row < BestPlayerRows; ++row) {
        ini.WriteString(Players, playerKey(row), s.table[row].name);
        ini.WriteString(Players, scoreKey(row), s.table[row].score);
    }
    ini.WriteString(Players, QStringLiteral("Wow"), s.wordsOfWisdom);
    ini.WriteInteger(Statistics, QStringLiteral("totalGames"), s.stats.totalGames);
    ini.WriteInteger(Statistics, QStringLiteral("totalPoints"), s.stats.totalPoints);
    ini.WriteInteger(Statistics, QStringLiteral("totalKubolo"), s.stats.totalKubolo);
    ini.WriteBool(Options, QStringLiteral("Sound"), s.sound);
    ini.WriteBool(Options, QStringLiteral("Roll"), s.roll);
}

SettingsLoad loadSettingsFile()
{
    SettingsLoad load;
    QString createError;
    load.path = platform::openSettingsFile(QString::fromUtf16(SettingsFileName), &createError);
    const platform::TIniFile ini(load.path);
    if (!ini.errorString().isEmpty()) {
        load.error = ini.errorString();
        load.mayWrite = false;
        return load; // the defaults
    }
    load.error = createError;
    load.settings = readSettings(ini);
    return load;
}

bool saveSettingsFile(const QString &path, const KuboloSettings &settings, QString *error)
{
    platform::TIniFile ini(path);
    if (!ini.errorString().isEmpty()) {
        if (error)
            *error = ini.errorString();
        return false;
    }
    writeSettings(ini, settings);
    if (ini.UpdateFile())
        return true;
    if (error)
        *error = ini.errorString();
    return false;
}

} // namespace kubolo
