#pragma once

#include "dice/records.h"
#include "dice/scoresheet.h"
#include "dice/settings.h"

#include <QString>

namespace platform {
class RandomSource;
}

namespace kubolo {

class StateValues;

// A run of Kubolo without its window: the turn being played, the best players
// and totals, and the options. The turn tells every change it makes through
// its listener, naming it; the window draws what was named.
class Session {
public:
    explicit Session(platform::RandomSource &random) : m_random(random) {}

    Turn turn;
    KuboloRecords records;
    bool sound = true;
    bool roll = true; // the dice tumble before they land

    void load(const KuboloSettings &settings);
    void toggleSound() { sound = !sound; }
    void toggleRoll() { roll = !roll; }
    KuboloSettings settings() const;

    // The hint for the turn as it stands: before a roll what to expect, after
    // one the dice to hold (held at once, as the player would click them) or
    // the category to choose, whose index is given for the cursor.
    struct Hint {
        QString text;
        int category = -1;
    };
    Hint takeHint(const StateValues &values);

    // A roll: the dice start to tumble; each die not held lands, one by one,
    // on a face thrown as it lands; then the turn takes the faces.
    Refusal startRoll();
    DieValue landDie(int die);
    void finishRoll() { turn.finishRoll(m_thrown); }

private:
    platform::RandomSource &m_random;
    Dice5 m_thrown{}; // the faces of the roll under way, as they land
};

} // namespace kubolo
