#pragma once

#include "dice/five.h"

namespace kubolo {

struct KuboloRecords;

// The best result of all: the player's name and words of wisdom.
class TTopScore : public ResultEntry {
    Q_OBJECT
public:
    TTopScore(platform::Platform &platform, const ScoreSheet &sheet, KuboloRecords &records, TBestPlayers &bestPlayers,
              GameSound sound, QWidget *parent = nullptr);
};

} // namespace kubolo
