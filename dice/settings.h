#pragma once

#include "dice/records.h"

#include <QString>

namespace platform {
class SettingsFile;
}

namespace kubolo {

// Everything KUBOLO.INI holds: the best players with the words of wisdom,
// the statistics, and the Sound and Roll options.
struct KuboloSettings {
    BestPlayerTable table = defaultBestPlayers();
    QString wordsOfWisdom = defaultWordsOfWisdom();
    DiceStats stats;
    bool sound = true;
    bool roll = true;
    bool operator==(const KuboloSettings &) const = default;
};

inline constexpr char16_t SettingsFileName[] = u"KUBOLO.INI";

// Reads the sixteen keys in their order; what is missing or unusable takes
// its default. Texts are cut to 50 characters.
KuboloSettings readSettings(platform::SettingsFile &file);
// Writes every key, in the order they are read, into the file's values.
void writeKeys(platform::SettingsFile &file, const KuboloSettings &settings);
// The same, and saves the file.
bool writeSettings(platform::SettingsFile &file, const KuboloSettings &settings, QString *error);

} // namespace kubolo
