#pragma once

#include "codebreaking/congrats.h"

namespace codebreaking {

// A new best result: the player's name and words of wisdom.
class TTopScore : public ResultEntry {
    Q_OBJECT
public:
    TTopScore(platform::Platform &platform, const GameState &game, TBestPlayers &bestPlayers,
              QWidget *parent = nullptr);
};

} // namespace codebreaking
