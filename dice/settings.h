#pragma once

#include "dice/records.h"

#include <QString>

namespace platform {
class TIniFile;
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
KuboloSettings readSettings(const platform::TIniFile &ini);
// Writes the sixteen keys in the same order.
void writeSettings(platform::TIniFile &ini, const KuboloSettings &settings);

// The settings file of the settings directory, found ignoring case and made
// empty when missing.
struct SettingsLoad {
    KuboloSettings settings;
    QString path;
    // Why the file could not be made or read; empty when all went well.
    QString error;
    // False when a file is there that could not be read: writing over it
    // would destroy what it holds, so it is left alone at the close.
    bool mayWrite = true;
};
SettingsLoad loadSettingsFile();

// Writes the settings into the file at path, keeping whatever else it holds.
// On failure returns false with error naming the file.
bool saveSettingsFile(const QString &path, const KuboloSettings &settings, QString *error);

} // namespace kubolo
