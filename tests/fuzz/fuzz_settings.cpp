// Any bytes as each game's settings file: a start reads it without harm, the
// close writes every key of the game and keeps the rest, a second start
// reads what the first wrote, and its close writes the same bytes again.
#include "codebreaking/settings.h"
#include "dice/settings.h"
#include "platform/inifile.h"
#include "poker/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

#define CHECK(cond)                                                                                                    \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            std::fprintf(stderr, "broken: %s (line %d)\n", #cond, __LINE__);                                           \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

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

void pegoraFile(const QString &path, const QByteArray &in)
{
    writeAll(path, in);
    const codebreaking::SettingsLoad first = codebreaking::LoadSettings(path);
    CHECK(!first.keepFile);
    QString error;
    CHECK(codebreaking::SaveSettings(path, first.values, &error));
    const QByteArray saved = readAll(path);
    checkKeys(path, QStringLiteral("Players"),
              numbered("Player", 1, 5) + numbered("Guess", 1, 5) + numbered("Sec", 1, 5) << QStringLiteral("wow"));
    checkKeys(path, QStringLiteral("Statistics"),
              {QStringLiteral("secMean"), QStringLiteral("guessMean"), QStringLiteral("gameMean"),
               QStringLiteral("noendMean")});
    checkKeys(
        path, QStringLiteral("Options"),
        {QStringLiteral("Sound"), QStringLiteral("Single"), QStringLiteral("3colors"), QStringLiteral("WelcomeBox")});
    const codebreaking::SettingsLoad second = codebreaking::LoadSettings(path);
    CHECK(second.values == first.values);
    CHECK(second.problems.isEmpty());
    CHECK(codebreaking::SaveSettings(path, second.values, &error));
    CHECK(readAll(path) == saved);
}

void kuboloFile(const QString &path, const QByteArray &in)
{
    writeAll(path, in);
    const kubolo::KuboloSettings first = kubolo::readSettings(platform::TIniFile(path));
    QString error;
    CHECK(kubolo::saveSettingsFile(path, first, &error));
    const QByteArray saved = readAll(path);
    checkKeys(path, QStringLiteral("Players"),
              numbered("Player", 1, 5) + numbered("Score", 1, 5) << QStringLiteral("Wow"));
    checkKeys(path, QStringLiteral("Statistics"),
              {QStringLiteral("totalGames"), QStringLiteral("totalPoints"), QStringLiteral("totalKubolo")});
    checkKeys(path, QStringLiteral("Options"), {QStringLiteral("Sound"), QStringLiteral("Roll")});
    const kubolo::KuboloSettings second = kubolo::readSettings(platform::TIniFile(path));
    CHECK(second == first);
    CHECK(kubolo::saveSettingsFile(path, second, &error));
    CHECK(readAll(path) == saved);
}

bool sameOptions(const poker::CartovaOptions &a, const poker::CartovaOptions &b)
{
    return a.sound == b.sound && a.deck == b.deck && a.table == b.table;
}

void cartovaFile(const QString &path, const QByteArray &in)
{
    writeAll(path, in);
    QString error;
    const poker::CartovaOptions first = poker::readOptions(path, &error);
    CHECK(error.isEmpty());
    CHECK(poker::writeOptions(path, first, &error));
    const QByteArray saved = readAll(path);
    checkKeys(path, QStringLiteral("Options"),
              {QStringLiteral("Sound"), QStringLiteral("Deck"), QStringLiteral("Background")});
    const poker::CartovaOptions second = poker::readOptions(path, &error);
    CHECK(sameOptions(first, second));
    CHECK(poker::writeOptions(path, second, &error));
    CHECK(readAll(path) == saved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // On a memory file system where there is one: a save ends with a sync.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/fuzz-settings-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/fuzz-settings-XXXXXX"));
    const QByteArray in(reinterpret_cast<const char *>(data), qsizetype(size));
    pegoraFile(dir.filePath(QStringLiteral("Pegora.INI")), in);
    kuboloFile(dir.filePath(QStringLiteral("KUBOLO.INI")), in);
    cartovaFile(dir.filePath(QStringLiteral("cartova.ini")), in);
    return 0;
}
