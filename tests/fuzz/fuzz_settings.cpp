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

// What a reader skips around a name: blanks, NUL and byte-order marks. Taken
// byte by byte, which is looser than any reader and cannot eat a key's letters.
bool isSkipped(char c) { return QByteArrayView(" \t\v\f\0\xEF\xBB\xBF", 8).indexOf(c) >= 0; }

struct GameKey {
    QString section;
    QByteArray key;
};

// A game's keys, as its close writes them into an empty file: the list
// grows with the game, so no key it gains goes unchecked.
QList<GameKey> keysOf(const QByteArray &fresh)
{
    QList<GameKey> out;
    QString section;
    for (QByteArrayView line : linesOf(fresh))
        if (line.startsWith('['))
            section = QString::fromUtf8(line.sliced(1, line.size() - 2));
        else if (const qsizetype eq = line.indexOf('='); eq > 0)
            out << GameKey{section, line.first(eq).toByteArray()};
    CHECK(!out.isEmpty());
    return out;
}

// Every key the game writes is in the file afterwards.
void checkKeys(const QByteArray &saved, const QList<GameKey> &keys)
{
    const platform::TIniFile ini(saved, QString());
    for (const GameKey &k : keys)
        CHECK(ini.ValueExists(k.section, QString::fromUtf8(k.key)));
}

// Whether a line may be one of the game's own keys, which its close rewrites.
bool mayBeGameKey(QByteArrayView line, const QList<GameKey> &keys)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    QByteArrayView name = line.first(eq);
    while (!name.isEmpty() && isSkipped(name.front()))
        name = name.sliced(1);
    while (!name.isEmpty() && isSkipped(name.back()))
        name.chop(1);
    for (const GameKey &k : keys)
        if (name.compare(k.key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The close keeps every line that is not one of the game's keys, in its order.
void checkRestKept(const QByteArray &in, const QByteArray &saved, const QList<GameKey> &keys)
{
    const QList<QByteArrayView> out = linesOf(saved);
    qsizetype at = 0;
    for (QByteArrayView line : linesOf(in)) {
        if (mayBeGameKey(line, keys))
            continue;
        while (at < out.size() && out[at] != line)
            ++at;
        CHECK(at < out.size());
        ++at;
    }
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
void twoRuns(const QByteArray &in, Read read, Write write)
{
    static const QList<GameKey> keys = keysOf(startAndClose<Settings>({}, read, write).second);
    const auto [first, saved] = startAndClose<Settings>(in, read, write);
    checkKeys(saved, keys);
    checkRestKept(in, saved, keys);
    const auto [second, again] = startAndClose<Settings>(saved, read, write);
    CHECK(second == first);
    CHECK(again == saved);
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
        twoRuns<codebreaking::PegoraSettings>(in, codebreaking::readSettings, codebreaking::writeSettings);
        break;
    case 1: twoRuns<kubolo::KuboloSettings>(in, kubolo::readSettings, kubolo::writeSettings); break;
    default:
        twoRuns<Options>(
            in, [](platform::SettingsFile &f) { return Options(poker::readSettings(f)); },
            [](platform::SettingsFile &f, const Options &o, QString *e) { return poker::writeSettings(f, o, e); });
    }
    return 0;
}
