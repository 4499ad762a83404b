#pragma once

#include "codebreaking/records.h"
#include "codebreaking/rules.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Pegora.INI: the best players and their words, the running totals and the
// options. Read once at start, written once at the close.
namespace codebreaking {

inline constexpr char SettingsFileName[] = "Pegora.INI";

struct PegoraSettings {
    BestRecords Best;
    GameStats Stats;
    bool Sound = true;
    bool Single = false;
    bool ThreeColors = false;
    bool WelcomeBox = true;
    bool operator==(const PegoraSettings &) const = default;
};

struct SettingsLoad {
    PegoraSettings values;
    QString path;
    // What the player is told, one message each; empty when all went well.
    QStringList problems;
    // The file was there but could not be read: the close leaves it alone,
    // so defaults never replace what may still be good in it.
    bool keepFile = false;
};

// A total as kept in the file. A whole number beyond 16 bits stops at the
// nearest limit (the totals themselves stop there rather than wrap); a text
// that is no whole number gives nothing.
std::optional<std::int16_t> ParseTotal(const QString &text);

// Finds (or creates) Pegora.INI in the settings directory and reads it.
SettingsLoad LoadSettings();
SettingsLoad LoadSettings(const QString &path);

// Writes every key, in the order they are read. False with the reason, which
// names the file, when the file could not be written; the old file is then
// left whole.
bool SaveSettings(const QString &path, const PegoraSettings &settings, QString *error);

} // namespace codebreaking
