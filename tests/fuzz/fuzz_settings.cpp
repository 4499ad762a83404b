#include "tests/fuzz/check.h"
// Any bytes as a game's settings file: a start reads it without harm, the
// close writes every key of the game and keeps every other line in its
// order, a second start reads what the first wrote, and its close writes the
// same bytes again.
#include "codebreaking/settings.h"
#include "dice/settings.h"
#include "platform/inifile.h"
#include "platform/settingsfile.h"
#include "poker/settings.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char *const sections[] = {"Players", "Statistics", "Options"};

// Every key the game writes is in the file afterwards.
void checkKeys(const QByteArray &saved, QStringList (*keys)(const QString &))
{
    const platform::TIniFile ini(saved, QString());
    for (const char *name : sections) {
        const QString section = QLatin1String(name);
        for (const QString &key : keys(section))
            CHECK(ini.ValueExists(section, key));
    }
}

// The lines of a file, split at any line end, blank ones left out: a save
// may end a last line or add a blank before a new section.
QList<QByteArrayView> linesOf(const QByteArray &file)
{
    QList<QByteArrayView> out;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= file.size(); ++i)
        if (i == file.size() || file[i] == '\n' || file[i] == '\r') {
            if (i > from)
                out << QByteArrayView(file).sliced(from, i - from);
            from = i + 1;
        }
    return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\0'; }

// Whether a line may be one of the game's own keys, which its close rewrites:
// by the name before its "=", with blanks and byte-order marks read loosely.
bool mayBeGameKey(QByteArrayView line, const QStringList &gameKeys)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    QByteArrayView name = line.first(eq);
    for (bool trimmed = false; !trimmed;) {
        trimmed = true;
        while (!name.isEmpty() && isBlank(name.front()))
            name = name.sliced(1);
        while (!name.isEmpty() && isBlank(name.back()))
            name.chop(1);
        if (name.startsWith("\xEF\xBB\xBF")) {
            name = name.sliced(3);
            trimmed = false;
        }
    }
    for (const QString &key : gameKeys)
        if (QByteArray(name.data(), name.size()).compare(key.toLatin1(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The close keeps every line that is not one of the game's keys, in its order.
void checkRestKept(const QByteArray &in, const QByteArray &saved, QStringList (*keys)(const QString &))
{
    QStringList gameKeys;
    for (const char *name : sections)
        gameKeys += keys(QLatin1String(name));
    const QList<QByteArrayView> out = linesOf(saved);
    qsizetype at = 0;
    for (QByteArrayView line : linesOf(in)) {
        if (mayBeGameKey(line, gameKeys))
            continue;
        while (at < out.size() && out[at] != line)
            ++at;
        CHECK(at < out.size());
        ++at;
    }
}

QStringList numbered(const char *name, int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QLatin1String(name) + QString::number(i);
    return out;
}

// One start and close of a game on a file of these bytes: what the start
// read, and the bytes the close would write.
template <typename Settings, typename Read, typename Write>
std::pair<Settings, QByteArray> startAndClose(const QByteArray &in, Read read, Write write)
{
    platform::SettingsFile file = platform::SettingsFile::fromContents(in);
    const Settings settings = read(file);
    QString error;
    CHECK(write(file, settings, &error));
    return {settings, file.ini().contents()};
}

template <typename Settings, typename Read, typename Write>
void twoRuns(const QByteArray &in, Read read, Write write, QStringList (*keys)(const QString &))
{
    const auto [first, saved] = startAndClose<Settings>(in, read, write);
    checkKeys(saved, keys);
    checkRestKept(in, saved, keys);
    const auto [second, again] = startAndClose<Settings>(saved, read, write);
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
    // In memory: the saving itself, to disk and atomically, has tests of its own.
    const QByteArray in(reinterpret_cast<const char *>(data), qsizetype(size));
    // One game per input, by its length, so that each game sees files of
    // every kind and a run spends no time on the other two.
    switch (size % 3) {
    case 0:
        twoRuns<codebreaking::PegoraSettings>(in, codebreaking::readSettings, codebreaking::writeSettings, pegoraKeys);
        break;
    case 1: twoRuns<kubolo::KuboloSettings>(in, kubolo::readSettings, kubolo::writeSettings, kuboloKeys); break;
    default:
        twoRuns<Options>(
            in, [](platform::SettingsFile &f) { return Options(poker::readSettings(f)); },
            [](platform::SettingsFile &f, const Options &o, QString *e) { return poker::writeSettings(f, o, e); },
            cartovaKeys);
    }
    return 0;
}
