#pragma once

#include "controls/coach.h"
#include "poker/hand.h"

#include <cstdint>

namespace poker {

// The coach's measure in Cartova: the credits a keep is expected to win.
coach::Words coachWords();

// A keep before the second deal against the best keep of that hand, for the
// bet on the table: the loss is the expected win given away, in credits.
// Pure: runs beside the table.
coach::Rating rateKeep(const Hand &hand, const KeepFlags &keep, std::int32_t bet);

} // namespace poker
