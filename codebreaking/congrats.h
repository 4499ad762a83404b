#pragma once

#include "codebreaking/records.h"
#include "codebreaking/rules.h"
#include "controls/recordsdialogs.h"
#include "platform/platform.h"

namespace codebreaking {

class TBestPlayers;

// Pegora's name entries over the game just won. The boxes keep what was
// typed the time before; Cancel records nothing.
class ResultEntry : public recordsdialogs::NameEntry {
public:
    // Handlers.
    void BitBtn1Click() { enter(); }  // OK
    void BitBtn2Click() { reject(); } // Cancel

    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

protected:
    ResultEntry(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers, QWidget *parent);
    // The lines under each other, the words' last where there are any, and
    // OK and Cancel under them.
    void layOut(const QString &objectName, const QString &caption, const recordsdialogs::EntryTexts &texts);
    // The game's result under the name typed.
    BestEntry entry() const;

    const GameState &m_game;
    TBestPlayers &m_bestPlayers;
};

// A result among the best five: the player's name.
class TCongratulations : public ResultEntry {
    Q_OBJECT
public:
    TCongratulations(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers,
                     QWidget *parent = nullptr);
};

} // namespace codebreaking
