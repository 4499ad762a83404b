#include "tests/fuzz/check.h"
// Any bytes as each game's settings file: a start reads it without harm, the
// close writes every key of the game and keeps the rest, a second start
// reads what the first wrote, and its close writes the same bytes again.
#include "codebreaking/settings.h"
#include "dice/settings.h"
#include "platform/inifile.h"
#include "platform/settingsfile.h"
#include "poker/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    CHECK(f.write(data) == data.size());
}

// Every key the game writes is in the file afterwards.
void checkKeys(const QString &path, const QString &section, const QStringList &keys)
{
    const platform::TIniFile ini(path);
    for (const QString &key : keys)
        CHECK(ini.ValueExists(section, key));
}

QStringList numbered(const char *name, int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QLatin1String(name) + QString::number(i);
    return out;
}

// One start and close of a game on the file at path: what the start read,
// and the bytes the close wrote.
template <typename Settings, typename Read, typename Write>
std::pair<Settings, QByteArray> startAndClose(const QString &path, Read read, Write write)
{
    platform::SettingsFile file(path);
    CHECK(!file.keepsFile());
    const Settings settings = read(file);
    QString error;
    CHECK(write(file, settings, &error));
    return {settings, readAll(path)};
}

template <typename Settings, typename Read, typename Write>
void twoRuns(const QString &path, const QByteArray &in, Read read, Write write, QStringList (*keys)(const QString &))
{
    writeAll(path, in);
    const auto [first, saved] = startAndClose<Settings>(path, read, write);
    for (const char *section : {"Players", "Statistics", "Options"})
        checkKeys(path, QLatin1String(section), keys(QLatin1String(section)));
    const auto [second, again] = startAndClose<Settings>(path, read, write);
    CHECK(second == first);
    CHECK(again == saved);
}

QStringList pegoraKeys(const QString &section)
{
    if (section == QLatin1String("Players"))
        return numbered("Player", 1, 5) + numbered("Guess", 1, 5) + numbered("Sec", 1, 5) << QStringLiteral("wow");
    if (section == QLatin1String("Statistics"))
        return {QStringLiteral("secMean"), QStringLiteral("guessMean"), QStringLiteral("gameMean"),
                QStringLiteral("noendMean")};
    return {QStringLiteral("Sound"), QStringLiteral("Single"), QStringLiteral("3colors"), QStringLiteral("WelcomeBox")};
}

QStringList kuboloKeys(const QString &section)
{
    if (section == QLatin1String("Players"))
        return numbered("Player", 1, 5) + numbered("Score", 1, 5) << QStringLiteral("Wow");
    if (section == QLatin1String("Statistics"))
        return {QStringLiteral("totalGames"), QStringLiteral("totalPoints"), QStringLiteral("totalKubolo")};
    return {QStringLiteral("Sound"), QStringLiteral("Roll")};
}

QStringList cartovaKeys(const QString &section)
{
    if (section == QLatin1String("Options"))
        return {QStringLiteral("Sound"), QStringLiteral("Deck"), QStringLiteral("Background")};
    return {};
}

struct Options : poker::CartovaOptions {
    Options() = default;
    Options(const poker::CartovaOptions &o) : poker::CartovaOptions(o) {}
    bool operator==(const Options &o) const { return sound == o.sound && deck == o.deck && table == o.table; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // On a memory file system where there is one: each save ends with a sync.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/fuzz-settings-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/fuzz-settings-XXXXXX"));
    const QByteArray in(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    twoRuns<codebreaking::PegoraSettings>(path, in, codebreaking::readSettings, codebreaking::writeSettings,
                                          pegoraKeys);
    twoRuns<kubolo::KuboloSettings>(path, in, kubolo::readSettings, kubolo::writeSettings, kuboloKeys);
    twoRuns<Options>(
        path, in, [](platform::SettingsFile &f) { return Options(poker::readSettings(f)); },
        [](platform::SettingsFile &f, const Options &o, QString *e) { return poker::writeSettings(f, o, e); },
        cartovaKeys);
    return 0;
}
