#pragma once

#include <QString>

namespace kubolo::art {

// Resource names of the game's own pictures and cursor.
inline const QString RollPicture = QStringLiteral("ROLLBTN");
inline const QString MainIcon = QStringLiteral("MAINICON");
inline const QString HandCursor = QStringLiteral("MyCur");

// Registers the drawing code under those names; nothing is drawn until a
// picture or the cursor is first asked for. Safe to call more than once.
void registerArt();

} // namespace kubolo::art
