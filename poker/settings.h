#pragma once

#include "poker/card.h"

#include <QColor>
#include <QString>

#include <optional>

namespace poker {

// The backs offered in the Deck menu, and the table colours of the
// Background menu, as the settings file names them.
enum class DeckChoice { Beach, Fishes, Std1, Std2 };
enum class TableChoice { Green, Blue, Red, Gray };

// Only the four exact names count; anything else is the Beach back.
DeckChoice deckFromText(const QString &text);
QString deckText(DeckChoice deck);
TDecks deckType(DeckChoice deck);

// Only the four exact names count; anything else, a name in other
// capitals included, is the gray table.
TableChoice tableFromText(const QString &text);
QString tableText(TableChoice table);
QColor tableColour(TableChoice table);

// What "cartova.ini" keeps between runs.
struct CartovaOptions {
    bool sound = true;
    std::optional<DeckChoice> deck = DeckChoice::Beach; // no deck ticked: the key is left alone
    TableChoice table = TableChoice::Green;
};

inline constexpr char SettingsFileName[] = "cartova.ini";

// Finds "cartova.ini" in the settings directory, ignoring case, and creates
// it empty when missing. A file that cannot be created is not an error here:
// the game starts with its defaults and the save at close says what failed.
QString cartovaSettingsPath();

// Reads the options. A file that cannot be read (a folder, no permission)
// gives the defaults and sets error to a sentence naming the file.
CartovaOptions readOptions(const QString &path, QString *error);

// Writes the three keys of section Options in their order, keeping every
// other line of the file. A file that cannot be read at this moment is left
// as it is rather than replaced by these three keys alone. A file that
// already holds these values is not touched. On failure returns false and
// sets error to a sentence naming the file.
bool writeOptions(const QString &path, const CartovaOptions &options, QString *error);

} // namespace poker
