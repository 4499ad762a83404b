#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace platform {
class SettingsFile;
}

namespace poker {

// The backs offered in the Deck menu, and the table colours of the
// Background menu, as the settings file names them.
enum class DeckChoice { Beach, Fishes, Std1, Std2 };
enum class TableChoice { Green, Blue, Red, Gray };

QColor tableColor(TableChoice table);

// What "cartova.ini" keeps between runs. Only the four exact names of a back
// or a table count: any other deck is the Beach back, any other table (a name
// in other capitals included) the gray one.
struct CartovaOptions {
    bool sound = true;
    std::optional<DeckChoice> deck = DeckChoice::Beach; // no deck ticked: the key is left alone
    TableChoice table = TableChoice::Green;
};

inline constexpr char16_t SettingsFileName[] = u"cartova.ini";

// Reads the options; what is missing or unknown takes its default.
CartovaOptions readSettings(platform::SettingsFile &file);

// Writes every key, in the order they are read, into the file's values.
void writeKeys(platform::SettingsFile &file, const CartovaOptions &options);
// The same, and saves the file.
bool writeSettings(platform::SettingsFile &file, const CartovaOptions &options, QString *error);

} // namespace poker
