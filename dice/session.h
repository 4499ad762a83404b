#pragma once

#include "dice/records.h"
#include "dice/scoresheet.h"
#include "dice/settings.h"

#include <QString>

namespace kubolo {

class StateValues;

// A run of Kubolo without its window: the turn being played, the best players
// and totals, and the options. The turn tells every change it makes through
// its listener, naming it; the window draws what was named.
class Session {
public:
    Turn turn;
    KuboloRecords records;
    bool sound = true;
    bool roll = true; // the dice tumble before they land

    void load(const KuboloSettings &settings);
    KuboloSettings settings() const;

    // The hint for the turn as it stands: before a roll what to expect, after
    // one the dice to hold (held at once, as the player would click them) or
    // the category to choose, whose index is given for the cursor.
    struct Hint {
        QString text;
        int category = -1;
    };
    Hint takeHint(const StateValues &values);
};

} // namespace kubolo
