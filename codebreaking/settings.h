#pragma once

#include "codebreaking/records.h"
#include "codebreaking/rules.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {
class SettingsFile;
}

// Pegora.INI: the best players and their words, the running totals and the
// options. Read once at start, written once at the close.
namespace codebreaking {

inline constexpr char16_t SettingsFileName[] = u"Pegora.INI";

struct PegoraSettings {
    BestRecords best;
    GameStats stats;
    bool sound = true;
    bool single = false;
    bool threeColors = false;
    bool welcomeBox = true;
    bool symbols = false; // Peg Symbols
    bool operator==(const PegoraSettings &) const = default;
};

// A total as kept in the file. A whole number beyond 16 bits stops at the
// nearest limit (the totals themselves stop there rather than wrap); a text
// that is no whole number gives nothing.
std::optional<std::int16_t> parseTotal(const QString &text);

// The values the file holds, defaults for what it lacks. A total that is no
// number counts from 0 and is added to the file's problems.
PegoraSettings readSettings(platform::SettingsFile &file);

// Writes every key, in the order they are read, into the file's values.
void writeKeys(platform::SettingsFile &file, const PegoraSettings &settings);
// The same, and saves the file.
bool writeSettings(platform::SettingsFile &file, const PegoraSettings &settings, QString *error);

} // namespace codebreaking
